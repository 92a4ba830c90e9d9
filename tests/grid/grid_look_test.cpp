// The channel grid's look and size: headers, the current cell, the wheel,
// the scaling to the screen and the column widths that fit the view, the
// row height that follows the font.

#include "grid/grid_layout.h"
#include "tests/grid/grid_view_fixture.h"
#include "tests/ui/current_cell_check.h"

#include <QHeaderView>
#include <QScopeGuard>
#include <QScrollBar>
#include <QtTest>

#include <numeric>

class GridLookTest : public GridViewFixture {
    Q_OBJECT

private slots:
    void init() { setUpView(); }
    void cleanup() { tearDown(); }

    void headersLabelsAndLook();
    void currentCellDrawnAsEveryGrid_data();
    void currentCellDrawnAsEveryGrid();
    void wheelPagesGrid();
    void screenScaling_data();
    void screenScaling();
    void displayChangeScalesWidths();
    void columnsFitTheGrid_data();
    void columnsFitTheGrid();
    void gridShowsEveryColumn_data();
    void gridShowsEveryColumn();
    void rowHeightFollowsTheFont_data();
    void rowHeightFollowsTheFont();
};

void GridLookTest::headersLabelsAndLook() {
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->rowCount(), 129);
    QCOMPARE(model->columnCount(), 9);
    const QStringList headers{"Rx Frequency", "Tx Frequency", "QT/DQT Dec",
                              "QT/DQT Enc",   "Chnnel Name",  "Power",
                              " W/N ",        "Scan Add",     "Busy Lock"};
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(model->headerData(col, Qt::Horizontal).toString(), headers.at(col));
    }
    QCOMPARE(grid()->CornerText(), QString("CH"));
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QString("1"));
    QCOMPARE(model->headerData(127, Qt::Vertical).toString(), QString("128"));
    QCOMPARE(model->headerData(128, Qt::Vertical).toString(), QString("Fr"));
    const QColor fixed(0, 51, 240);
    QCOMPARE(model->headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
             fixed);
    QCOMPARE(model->headerData(128, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(),
             fixed);
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(model->data(model->index(7, col), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }
    // Names in a fixed-pitch face; the other columns in the grid's own font.
    QVERIFY(QFontInfo(model->data(model->index(100, 4), Qt::FontRole).value<QFont>()).fixedPitch());
    QVERIFY(!model->data(model->index(100, 3), Qt::FontRole).isValid());
    // Set-up leaves the name cell of row 1 current, with no editor shown.
    QCOMPARE(grid()->Row(), 1);
    QCOMPARE(grid()->Col(), 5);
    QVERIFY(nameEdit()->isHidden());
    QCOMPARE(rowTexts(1), kEmptyRow);
}

void GridLookTest::currentCellDrawnAsEveryGrid_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("col");
    // Selected rows (none: the current cell alone), the current column.
    QTest::newRow("one cell") << QList<int>{} << 5;
    QTest::newRow("two rows chosen by their labels") << QList<int>{7, 8} << 2;
}

void GridLookTest::currentCellDrawnAsEveryGrid() {
    QFETCH(QList<int>, rows);
    QFETCH(int, col);
    grid()->SetCurrentQuietly(7, col);
    if (!rows.isEmpty()) {
        grid()->SelectRowsQuietly(std::vector<int>(rows.begin(), rows.end()));
    }
    QVERIFY(!frequencyEdit()->isVisible() && !nameEdit()->isVisible());
    QCOMPARE(grid()->Row(), 7);
    // The neighbour below: selected with the rows, plain otherwise; framed
    // in neither case.
    const QModelIndex below = grid()->model()->index(7, col - 1);
    QCOMPARE(grid()->selectionModel()->isSelected(below), !rows.isEmpty());
    const QString fault = CurrentCellLookFault(grid(), below);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void GridLookTest::wheelPagesGrid() {
    QScrollBar* bar = grid()->verticalScrollBar();
    const int page = bar->pageStep();
    QVERIFY(page > 1);
    auto wheel = [this](int delta) {
        const QPointF at = grid()->viewport()->rect().center();
        QWheelEvent event(at, grid()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &event);
    };
    wheel(-120);
    QCOMPARE(bar->value(), page);
    wheel(-120);
    QCOMPARE(bar->value(), 2 * page);
    wheel(120);
    QCOMPARE(bar->value(), page);
}

void GridLookTest::screenScaling_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("scaled");
    QTest::newRow("800 is never scaled") << 800 << 1.0 << 116 << 116;
    QTest::newRow("801") << 801 << 801.0 / 1024 << 1000 << 782;
    QTest::newRow("1024") << 1024 << 1.0 << 121 << 121;
    QTest::newRow("1280 truncates") << 1280 << 1.25 << 115 << 143;
    QTest::newRow("1920") << 1920 << 1.875 << 55 << 103;
}

void GridLookTest::screenScaling() {
    QFETCH(int, screenWidth);
    QFETCH(double, scale);
    QFETCH(int, length);
    QFETCH(int, scaled);
    QCOMPARE(SetupScale(screenWidth), scale);
    QCOMPARE(ScaleLength(length, SetupScale(screenWidth)), scaled);
}

void GridLookTest::displayChangeScalesWidths() {
    QCOMPARE(m_view->ScreenWidth(), 800);
    auto widths = [this] {
        QList<int> w{grid()->verticalHeader()->width()};
        for (int col = 0; col < 9; ++col) {
            w << grid()->columnWidth(col);
        }
        return w;
    };
    QCOMPARE(widths(), (QList<int>{55, 116, 116, 121, 121, 118, 77, 94, 88, 115}));
    m_view->OnDisplayChange(800);
    QCOMPARE(m_view->ScreenWidth(), 800);
    m_view->OnDisplayChange(1280);
    QCOMPARE(widths(), (QList<int>{88, 185, 185, 193, 193, 188, 123, 150, 140, 184}));
    m_view->OnDisplayChange(1024);
    QCOMPARE(m_view->ScreenWidth(), 1024);
    QCOMPARE(widths(), (QList<int>{70, 148, 148, 154, 154, 150, 98, 120, 112, 147}));
}

void GridLookTest::columnsFitTheGrid_data() {
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("least");
    QTest::addColumn<QList<int>>("shown");
    const QList<int> design{55, 116, 116, 121, 121, 118, 77, 94, 88, 115};
    const QList<int> none(10, 0);
    const QList<int> texts{30, 100, 100, 60, 60, 60, 50, 50, 50, 60};
    const QList<int> wideRx{0, 150, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("room to spare: as given") << 2000 << none << design;
    QTest::newRow("exactly the sum: as given") << 1021 << none << design;
    QTest::newRow("one pixel short: all cut")
        << 1020 << none << QList<int>{54, 115, 115, 120, 120, 117, 76, 93, 87, 114};
    QTest::newRow("half") << 510 << none << QList<int>{27, 57, 57, 60, 60, 58, 38, 46, 43, 57};
    QTest::newRow("no width yet: as given") << 0 << none << design;
    QTest::newRow("negative: as given") << -20 << none << design;
    QTest::newRow("a text wider than its column widens it")
        << 2000 << wideRx << QList<int>{55, 150, 116, 121, 121, 118, 77, 94, 88, 115};
    QTest::newRow("the widened column is cut no further than its text")
        << 1021 << wideRx << QList<int>{52, 150, 111, 116, 116, 113, 74, 90, 84, 110};
    QTest::newRow("cut above the texts only")
        << 820 << texts << QList<int>{42, 107, 107, 90, 90, 88, 63, 71, 68, 87};
    QTest::newRow("texts wider than the grid: texts whole") << 500 << texts << texts;
}

void GridLookTest::columnsFitTheGrid() {
    QFETCH(int, available);
    QFETCH(QList<int>, least);
    QFETCH(QList<int>, shown);
    const ColumnWidths design{55, 116, 116, 121, 121, 118, 77, 94, 88, 115};
    ColumnWidths leastWidths{};
    std::copy(least.begin(), least.end(), leastWidths.begin());
    const ColumnWidths fitted = FitColumnWidths(design, leastWidths, available);
    const QList<int> got(fitted.begin(), fitted.end());
    QCOMPARE(got, shown);
    const int leastSum = std::accumulate(least.begin(), least.end(), 0);
    if (available > leastSum) {
        QVERIFY(std::accumulate(fitted.begin(), fitted.end(), 0) <= available ||
                std::accumulate(design.begin(), design.end(), 0) <= available);
    }
    for (std::size_t col = 0; col < fitted.size(); ++col) {
        QVERIFY(fitted[col] >= leastWidths[col]);
    }
}

void GridLookTest::gridShowsEveryColumn_data() {
    QTest::addColumn<int>("viewWidth");
    // False: the headers need more room than the view has.
    QTest::addColumn<bool>("allInSight");
    QTest::newRow("wider than the columns") << 1500 << true;
    QTest::newRow("as designed") << 1095 << true;
    QTest::newRow("narrower") << 900 << true;
    QTest::newRow("much narrower: scrolls rather than cut") << 640 << false;
}

void GridLookTest::gridShowsEveryColumn() {
    QFETCH(int, viewWidth);
    QFETCH(bool, allInSight);
    m_view->resize(viewWidth, 500);
    QApplication::processEvents();
    for (int col = 0; col < 9; ++col) {
        QVERIFY2(grid()->columnWidth(col) >= grid()->horizontalHeader()->sectionSizeHint(col),
                 qPrintable(grid()->model()->headerData(col, Qt::Horizontal).toString()));
    }
    if (!allInSight) {
        QVERIFY(grid()->horizontalScrollBar()->maximum() > 0);
        return;
    }
    QCOMPARE(grid()->horizontalScrollBar()->maximum(), 0);
    const int right = grid()->columnViewportPosition(8) + grid()->columnWidth(8);
    QVERIFY(right <= grid()->viewport()->width());
    // Room to spare leaves the widths as the screen scaling gave them.
    if (viewWidth >= 1095) {
        QCOMPARE(grid()->columnWidth(0), 116);
        QCOMPARE(grid()->verticalHeader()->width(), 55);
    } else {
        QVERIFY(grid()->columnWidth(0) < 116);
    }
}

void GridLookTest::rowHeightFollowsTheFont_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("small") << 7;
    QTest::newRow("usual") << 10;
    QTest::newRow("large") << 20;
}

void GridLookTest::rowHeightFollowsTheFont() {
    QFETCH(int, pointSize);
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    makeView();
    const int textHeight = QFontMetrics(font).height();
    const int rowHeight = grid()->rowHeight(0);
    QVERIFY2(rowHeight >= textHeight && rowHeight <= textHeight + 12,
             qPrintable(QStringLiteral("row %1 for text %2").arg(rowHeight).arg(textHeight)));
    // The names are in a fixed-pitch face as large as the other columns.
    const QFont name = grid()->model()->index(0, 4).data(Qt::FontRole).value<QFont>();
    QVERIFY(QFontInfo(name).fixedPitch());
    QCOMPARE(QFontInfo(name).pointSize(), QFontInfo(font).pointSize());
}

QTEST_MAIN(GridLookTest)
#include "grid_look_test.moc"
