// The call and encode lists of the DTMF, MSK and 2-Tone dialogs: one look,
// every row in sight, the current cell drawn as in every grid.

#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "tests/dialogs/signalling_test_support.h"
#include "tests/ui/current_cell_check.h"

#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

class SignallingListGridsTest : public QObject {
    Q_OBJECT

private slots:
    void listGridsShareOneLookAndShowTheirRows_data();
    void listGridsShareOneLookAndShowTheirRows();
    void listGridsDrawTheCurrentCellAsEveryGrid_data();
    void listGridsDrawTheCurrentCellAsEveryGrid();
};

void SignallingListGridsTest::listGridsShareOneLookAndShowTheirRows_data() {
    QTest::addColumn<bool>("msk");
    QTest::addColumn<int>("rows");
    QTest::newRow("MSK call list") << true << 9;
    QTest::newRow("2-Tone encode list") << false << 32;
}

void SignallingListGridsTest::listGridsShareOneLookAndShowTheirRows() {
    QFETCH(bool, msk);
    QFETCH(int, rows);
    RadioImage image = NewImage();
    CMskDlg mskDialog;
    CTwoToneDlg twoToneDialog;
    CBoundDialog& dialog = msk ? static_cast<CBoundDialog&>(mskDialog) : twoToneDialog;
    RunWith(dialog, image, [&] {
        CellEditGrid* grid = msk ? mskDialog.CallList() : twoToneDialog.EncodeGrid();
        QCOMPARE(grid->rowCount(), rows + 1);
        // Headers and row numbers: the list grids' colour on the header
        // background, never greyed, never the current cell.
        for (QTableWidgetItem* fixed : {grid->item(0, 0), grid->item(0, 1), grid->item(rows, 0)}) {
            QCOMPARE(fixed->foreground().color(), QColor(0, 70, 213));
            QCOMPARE(fixed->background().color(), grid->palette().button().color());
            QVERIFY(!(fixed->flags() & Qt::ItemIsEnabled));
        }
        // Rows as tall as the font needs, not the style's fixed height.
        const int rowHeight = grid->rowHeight(1);
        QVERIFY(rowHeight >= grid->fontMetrics().height());
        QVERIFY(rowHeight < grid->fontMetrics().height() + 12);
        // The whole list where the screen has room: the call list always,
        // the 32 tones as far as the screen allows, and the dialog stays on
        // the screen.
        const int screenHeight = grid->screen()->availableGeometry().height();
        QVERIFY(dialog.height() <= screenHeight);
        const int shown = grid->viewport()->height() / rowHeight;
        if (msk) {
            QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        } else {
            QVERIFY2(shown >= std::min(rows + 1, (screenHeight - 200) / rowHeight),
                     qPrintable(QString::number(shown)));
        }
    });
}

void SignallingListGridsTest::listGridsDrawTheCurrentCellAsEveryGrid_data() {
    QTest::addColumn<QString>("grid");
    QTest::newRow("DTMF call list") << QStringLiteral("dtmf");
    QTest::newRow("MSK call list") << QStringLiteral("msk");
    QTest::newRow("2-Tone encode list") << QStringLiteral("twoTone");
}

void SignallingListGridsTest::listGridsDrawTheCurrentCellAsEveryGrid() {
    QFETCH(QString, grid);
    RadioImage image = NewImage();
    CDtmfDlg dtmfDialog;
    CMskDlg mskDialog;
    CTwoToneDlg twoToneDialog;
    CBoundDialog& dialog = grid == QLatin1String("dtmf")  ? static_cast<CBoundDialog&>(dtmfDialog)
                           : grid == QLatin1String("msk") ? static_cast<CBoundDialog&>(mskDialog)
                                                          : twoToneDialog;
    RunWith(dialog, image, [&] {
        QTableWidget* table = nullptr;
        QLineEdit* edit = nullptr;
        std::function<void()> commit;
        if (grid == QLatin1String("dtmf")) {
            dtmfDialog.Tabs()->setCurrentIndex(2);
            CDtmfCallListPage* page = dtmfDialog.CallListPage();
            table = page->Grid();
            edit = page->CellEdit();
            commit = [page] { page->CommitCurrentCell(); };
        } else {
            CellEditGrid* cells = grid == QLatin1String("msk") ? mskDialog.CallList()
                                                               : twoToneDialog.EncodeGrid();
            table = cells;
            edit = cells->CellEdit();
            commit = [cells] { cells->CommitEditor(); };
        }
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(3, 1)).center());
        QVERIFY(edit->isVisible());
        // With the in-place edit put away, the current cell is what shows:
        // the one selected cell, highlighted and framed as in the channel grid.
        commit();
        QVERIFY(edit->isHidden());
        QCOMPARE(table->currentRow(), 3);
        QCOMPARE(table->selectedItems(), QList<QTableWidgetItem*>{table->item(3, 1)});
        const QString fault = CurrentCellLookFault(table, table->model()->index(4, 1));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // Moving on moves the selection and the frame with it.
        table->setCurrentCell(5, 1);
        commit();
        QCOMPARE(table->selectedItems(), QList<QTableWidgetItem*>{table->item(5, 1)});
        const QString moved = CurrentCellLookFault(table, table->model()->index(3, 1));
        QVERIFY2(moved.isEmpty(), qPrintable(moved));
    });
}

QTEST_MAIN(SignallingListGridsTest)
#include "signalling_list_grids_test.moc"
