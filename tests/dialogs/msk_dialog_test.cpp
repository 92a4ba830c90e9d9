// The MSK dialog driven as a user drives it, on the offscreen platform: the
// call list's rows, Cancel, keys and help. Each test compares the whole
// image before and after, so a dialog that touches a byte it does not own
// fails.

#include "dialogs/msk_dialog.h"
#include "tests/dialogs/signalling_test_support.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QtTest>

class MskDialogTest : public QObject {
    Q_OBJECT

private slots:
    void mskEntryFourLandsAfterTheRowGap();
    void mskCancelLeavesTheImageUnchanged();
    void mskKeysAndHelp();
};

void MskDialogTest::mskEntryFourLandsAfterTheRowGap() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    CMskDlg dialog;
    RunWith(dialog, image, [&] {
        CellEditGrid* grid = dialog.CallList();
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Call List"));
        QCOMPARE(dialog.IdCodeEdit()->text(), QString());
        ClickCell(grid, 4, 1);
        QTest::keyClicks(grid->CellEdit(), QStringLiteral("ab12"));
        QCOMPARE(grid->CellEdit()->text(), QStringLiteral("AB12"));
        // OK without leaving the cell.
        ClickOk(dialog);
    });
    QCOMPARE(ChangedOffsets(before, image), Range(0x12D8, 4));
    QCOMPARE(image[0x12D8], 'A');
    QCOMPARE(image[0x12DB], '2');
}

void MskDialogTest::mskCancelLeavesTheImageUnchanged() {
    RadioImage image = NewImage();
    image[0x12C0] = '7';
    const RadioImage before = image;
    CMskDlg dialog;
    const int result = RunWith(dialog, image, [&] {
        QCOMPARE(dialog.IdCodeEdit()->text(), QStringLiteral("7"));
        dialog.IdCodeEdit()->setText(QStringLiteral("1234"));
        ClickCell(dialog.CallList(), 9, 1);
        QTest::keyClicks(dialog.CallList()->CellEdit(), QStringLiteral("F"));
        ClickCancel(dialog);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(image == before);
    RunWith(dialog, image, [&] {
        QCOMPARE(dialog.IdCodeEdit()->text(), QStringLiteral("7"));
        QCOMPARE(dialog.CallList()->item(9, 1)->text(), QString());
        // OK with the ID code of two characters.
        dialog.IdCodeEdit()->setText(QStringLiteral("12"));
        ClickOk(dialog);
    });
    QCOMPARE(ChangedOffsets(before, image), Range(0x12C0, 2));
    QCOMPARE(image[0x12C2], 0xFF);
}

void MskDialogTest::mskKeysAndHelp() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    HelpRecorder help;
    CMskDlg dialog;
    int result = RunWith(dialog, image, [&] {
        QLineEdit* edit = dialog.IdCodeEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("g1 e"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(edit->text(), QStringLiteral("1E"));
        // Enter in the edit does nothing; Escape cancels.
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(edit, Qt::Key_F1);
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(image == before);
    QCOMPARE(help.contexts, std::vector<int>{1048});

    // By keyboard alone: the ID code, Tab into the call list's first entry,
    // Tab on to OK (the entry committed), Return presses it.
    result = RunWith(dialog, image, [&] {
        dialog.IdCodeEdit()->setFocus();
        QTest::keyClicks(dialog.IdCodeEdit(), QStringLiteral("12"));
        Press(Qt::Key_Tab);
        CellEditGrid* grid = dialog.CallList();
        QCOMPARE(QApplication::focusWidget(), grid->CellEdit());
        QCOMPARE(grid->currentRow(), 1);
        QTest::keyClicks(grid->CellEdit(), QStringLiteral("ab"));
        Press(Qt::Key_Tab);
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("AB"));
        QVERIFY(grid->CellEdit()->isHidden());
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>(&dialog, 1));
        Press(Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ChangedOffsets(before, image), (std::set<std::size_t>{0x12C0, 0x12C1, 0x12C4, 0x12C5}));
    QCOMPARE(image[0x12C1], '2');
    QCOMPARE(image[0x12C4], 'A');
}

QTEST_MAIN(MskDialogTest)
#include "msk_dialog_test.moc"
