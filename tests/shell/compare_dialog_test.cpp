// The Compare With list as the user reads and uses it: places named as the
// grid and the settings dialogs show them, the filter, Copy, the size kept
// in the per-user store, and which double-clicks ask to show a difference.

#include "model/channel_table.h"
#include "model/fields/settings_groups.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "dialogs/compare_dialog.h"
#include "shell/compare_places.h"
#include "ui/user_store.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The places in the source texts.
QString Place(const compare::Difference& difference) {
    return ComparePlaceText(difference, SourceTexts());
}

// A new document's image against one with a difference of every kind: a
// settings field, a call list entry, the band code, the model index, the
// flags of an empty channel (no cell shows them) and a byte nothing shows.
std::vector<compare::Difference> DifferencesOfEveryKind() {
    RadioImage a;
    FillNewDocumentImage(a, kDefaultBandCode);
    RadioImage b = a;
    b[layout::ChannelRecord(4) + 13] = 0x00;
    b[layout::kSquelchLevel] = 2;
    b[layout::DtmfCallEntry(3)] = '1';
    b[layout::kBandCode + 4] = 0x52;
    b[layout::kModelIndex] = static_cast<std::uint8_t>(a[layout::kModelIndex] + 1);
    b[0x0C30] = 0x00;
    return compare::CompareImages(a, b, SourceTexts());
}

QStringList ShownPlaces(const QTableWidget& table) {
    QStringList places;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.isRowHidden(row)) {
            places << table.item(row, 0)->text();
        }
    }
    return places;
}

} // namespace

class CompareDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_store;

private slots:
    void initTestCase() {
        QVERIFY(m_store.isValid());
        UserStore::SetBaseDirectory(m_store.path());
    }

    void placesNameWhatTheUserSeesWithOtherBytesLast() {
        const std::vector<compare::Difference> found = DifferencesOfEveryKind();
        QStringList places;
        for (const compare::Difference& d : found) {
            const QString place = Place(d);
            places << place;
            // The command line's names stay out of the window.
            if (d.kind == compare::DifferenceKind::Field) {
                QVERIFY2(!place.contains(QString::fromStdString(d.field)), qPrintable(place));
            }
        }
        QCOMPARE(places, (QStringList{QStringLiteral("Optional Features: Squelch Level"),
                                      QStringLiteral("DTMF: Call List 3"),
                                      QStringLiteral("Product Information: Field"),
                                      QStringLiteral("Product Information: Model"),
                                      QStringLiteral("Other bytes: 0x006D"),
                                      QStringLiteral("Other bytes: 0x0C30")}));
        compare::Difference cell;
        cell.kind = compare::DifferenceKind::Channel;
        cell.row = 129;
        cell.column = kColWidth;
        QCOMPARE(Place(cell), QStringLiteral("Channel Fr, W/N"));

        CCompareDlg dialog(found, QStringLiteral("other.dat"), Place, "");
        QCOMPARE(ShownPlaces(*dialog.Table()), places);
        QCOMPARE(dialog.Table()->horizontalHeaderItem(2)->text(), QStringLiteral("other.dat"));
        QCOMPARE(dialog.Table()->item(0, 1)->text(), QStringLiteral("4"));
        QCOMPARE(dialog.Table()->item(0, 2)->text(), QStringLiteral("2"));
        CCompareDlg same({}, QStringLiteral("other.dat"), Place, "");
        QCOMPARE(same.Summary()->text(),
                 QStringLiteral("The document and other.dat hold the same data."));
    }

    void filterNarrowsAndCopyTakesTheShownRows() {
        CCompareDlg dialog(DifferencesOfEveryKind(), QStringLiteral("other.dat"), Place, "");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget& table = *dialog.Table();
        QTest::keyClicks(dialog.Filter(), QStringLiteral("product"));
        // Enter in the filter box keeps the list open.
        QTest::keyClick(dialog.Filter(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(ShownPlaces(table), (QStringList{QStringLiteral("Product Information: Field"),
                                                  QStringLiteral("Product Information: Model")}));
        dialog.CopyButton()->click();
        QString expected = QStringLiteral("Where\tThis document\tother.dat\n");
        for (const int row : {2, 3}) {
            expected += table.item(row, 0)->text() + '\t' + table.item(row, 1)->text() + '\t' +
                        table.item(row, 2)->text() + '\n';
        }
        QCOMPARE(QApplication::clipboard()->text(), expected);

        // A filter matches the values too; one nothing holds leaves the titles.
        dialog.Filter()->setText(QStringLiteral("nothing holds this"));
        QVERIFY(ShownPlaces(table).isEmpty());
        dialog.CopyButton()->click();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Where\tThis document\tother.dat\n"));
        dialog.Filter()->setText(table.item(0, 2)->text());
        QVERIFY(ShownPlaces(table).contains(table.item(0, 0)->text()));
        dialog.Filter()->clear();
        QCOMPARE(ShownPlaces(table).size(), table.rowCount());
    }

    void opensWithTwentyRowsInViewAndKeepsItsSize() {
        std::vector<compare::Difference> many(30);
        for (std::size_t i = 0; i < many.size(); ++i) {
            many[i].kind = compare::DifferenceKind::Channel;
            many[i].row = static_cast<int>(i) + 1;
            many[i].column = kColName;
        }
        {
            CCompareDlg dialog(many, QStringLiteral("other.dat"), Place, "");
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            // Fits a 1280x900 screen with its frame, and shows 20 rows or more.
            QVERIFY2(dialog.height() <= 840, qPrintable(QString::number(dialog.height())));
            QVERIFY(dialog.width() <= 1280);
            QTableWidget& table = *dialog.Table();
            QVERIFY(table.rowAt(table.viewport()->height() - 1) >= 19);
            dialog.resize(700, 480);
            dialog.reject();
        }
        CCompareDlg again(many, QStringLiteral("other.dat"), Place, "");
        QCOMPARE(again.size(), QSize(700, 480));
    }

    void doubleClickAsksToShowCellsAndFieldsOnly() {
        std::vector<compare::Difference> found = DifferencesOfEveryKind();
        compare::Difference cell;
        cell.kind = compare::DifferenceKind::Channel;
        cell.row = 7;
        cell.column = kColName;
        found.insert(found.begin(), cell);
        CCompareDlg dialog(found, QStringLiteral("other.dat"), Place, "");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        std::vector<compare::Difference> asked;
        connect(&dialog, &CCompareDlg::showRequested, this,
                [&asked](const compare::Difference& d) { asked.push_back(d); });
        QTableWidget& table = *dialog.Table();
        const auto doubleClick = [&table](int row) {
            const QPoint at = table.visualItemRect(table.item(row, 0)).center();
            // A double-click as the window system delivers it: a click, then
            // the second press as a double-click.
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(table.rowCount() - 1); // other bytes: nothing to show
        QVERIFY(asked.empty());
        doubleClick(0);
        doubleClick(1);
        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(asked[0].row, 7);
        QCOMPARE(asked[0].column, int(kColName));
        QCOMPARE(asked[1].group, std::string("optional"));
        // Every settings group has a dialog to show its fields in.
        for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
            QVERIFY2(GroupCommandId(group.name) != 0, group.name.c_str());
        }
    }
};

QTEST_MAIN(CompareDialogTest)
#include "compare_dialog_test.moc"
