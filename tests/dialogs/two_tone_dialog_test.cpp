// The 2-Tone dialog driven as a user drives it, on the offscreen platform:
// spin buttons, the rise delay, the encode grid's cells, values the radio
// left unprogrammed, keys and help. Each test compares the whole image
// before and after, so a dialog that touches a byte it does not own fails.

#include "dialogs/two_tone_dialog.h"
#include "model/fields/two_tone_fields.h"
#include "tests/dialogs/signalling_test_support.h"
#include "ui/spin_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

class TwoToneDialogTest : public QObject {
    Q_OBJECT

private slots:
    void twoToneSpinsWrapAtBothEnds();
    void twoToneRiseDelaySnapsAndStoresOnClose();
    void twoToneGridCellsAndScroll();
    void twoToneUnprogrammedValuesShownInFullAndStoredAsRead();
    void twoToneKeysAndHelp();
    void twoToneNeedsADocument();
};

void TwoToneDialogTest::twoToneSpinsWrapAtBothEnds() {
    RadioImage image = NewImage();
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        QWidget* encode = dialog.EncodePage();
        auto* duration = Control<QLineEdit>(encode, 1250);
        auto* spin = Control<SpinButtons>(encode, 1055);
        QVERIFY(duration && spin);
        QCOMPARE(duration->text(), QStringLiteral("0.5"));
        QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
        QCOMPARE(duration->text(), QStringLiteral("10.0"));
        QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
        QCOMPARE(duration->text(), QStringLiteral("0.5"));

        dialog.Tabs()->setCurrentIndex(1);
        QWidget* set1 = dialog.DecodePage(1);
        QVERIFY(set1->isVisible());
        auto* toneA = Control<QLineEdit>(set1, 1037);
        auto* toneSpin = Control<SpinButtons>(set1, 1068);
        QCOMPARE(toneA->text(), QStringLiteral("2000.0"));
        toneA->setText(QStringLiteral("3106.0"));
        QTest::mouseClick(toneSpin->UpButton(), Qt::LeftButton);
        QCOMPARE(toneA->text(), QStringLiteral("288.5"));
        QTest::mouseClick(toneSpin->DownButton(), Qt::LeftButton);
        QCOMPARE(toneA->text(), QStringLiteral("3106.0"));
        dialog.close();
    });
    // Closing stored the decode set: shown 3106.0, divisor 288.
    QCOMPARE(BE16(image, 0x15C0), 0x7954u);
    QCOMPARE(BE16(image, 0x1740), 288u);
}

void TwoToneDialogTest::twoToneRiseDelaySnapsAndStoresOnClose() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        QWidget* encode = dialog.EncodePage();
        auto* rise = Control<QLineEdit>(encode, 1054);
        auto* spin = Control<SpinButtons>(encode, 1059);
        QCOMPARE(rise->text(), QStringLiteral("0.10"));
        rise->setText(QStringLiteral("0.37"));
        QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
        QCOMPARE(rise->text(), QStringLiteral("0.40"));
        rise->setText(QStringLiteral("0.37"));
        QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
        QCOMPARE(rise->text(), QStringLiteral("0.35"));

        // Typed 0.37 becomes 0.35 when the edit is left.
        rise->setFocus();
        rise->selectAll();
        TypeKeypadNumber(rise, QStringLiteral("0.37"));
        QCOMPARE(rise->text(), QStringLiteral("0.37"));
        Control<QLineEdit>(encode, 1250)->setFocus();
        QCOMPARE(rise->text(), QStringLiteral("0.35"));
        Control<QLineEdit>(encode, 1253)->setText(QStringLiteral("2.0"));
        dialog.close();
    });
    QCOMPARE(BE16(image, 0x1625), 7u);
    QCOMPARE(BE16(image, 0x17A5), 7u);
    QCOMPARE(BE16(image, 0x1623), 0x28u);
    QCOMPARE(BE16(image, 0x17A3), 0x28u);
    QVERIFY(OnlyOwnedChanged(before, image, TwoToneOwned()));

    // The next opening shows what was stored.
    RunWith(dialog, image, [&] {
        QCOMPARE(Control<QLineEdit>(dialog.EncodePage(), 1054)->text(), QStringLiteral("0.35"));
        dialog.close();
    });
}

void TwoToneDialogTest::twoToneGridCellsAndScroll() {
    RadioImage image = NewImage();
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        CellEditGrid* grid = dialog.EncodeGrid();
        // Every column is in view: nothing to scroll sideways.
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Num"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Tone2 Fre"));
        QCOMPARE(grid->item(32, 0)->text(), QStringLiteral("32"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("2000.0"));

        // Emptying entry 1's first tone; 5000 in entry 1's second tone.
        ClickCell(grid, 1, 1);
        QLineEdit* edit = grid->CellEdit();
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->selectedText(), QStringLiteral("2000.0"));
        QTest::keyClick(edit, Qt::Key_Delete);
        ClickCell(grid, 1, 2);
        QCOMPARE(grid->item(1, 1)->text(), QString());
        QTest::keyClicks(edit, QStringLiteral("5000"));
        ClickCell(grid, 2, 1);
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("3106.0"));

        // Scrolling discards what was typed.
        QTest::keyClicks(edit, QStringLiteral("300"));
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 3);
        QVERIFY(edit->isHidden());
        QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("2000.0"));
        dialog.close();
    });
    QCOMPARE(BE16(image, 0x1500), 0xFFFFu);
    QCOMPARE(BE16(image, 0x1680), 0u);
    QCOMPARE(BE16(image, 0x1502), 0x7954u);
    QCOMPARE(BE16(image, 0x1682), 36u);
    QCOMPARE(BE16(image, 0x1504), 0x4E20u);
    QCOMPARE(BE16(image, 0x1684), 56u);
}

void TwoToneDialogTest::twoToneUnprogrammedValuesShownInFullAndStoredAsRead() {
    RadioImage image; // every byte 0xFF
    const RadioImage before = image;
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        QCOMPARE(Control<QLineEdit>(dialog.EncodePage(), 1253)->text(), QStringLiteral("3276.8"));
        QCOMPARE(Control<QLineEdit>(dialog.EncodePage(), 1054)->text(), QStringLiteral("3276.75"));
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(Control<QLineEdit>(dialog.DecodePage(1), 1041)->text(), QStringLiteral("25.5"));
        dialog.close();
    });
    // What the dialog stored is what the fields store from the same image.
    RadioImage expected = before;
    for (const fields::FieldPage* page : {&two_tone::EncodePage(), &two_tone::DecodePage(1)}) {
        fields::StoreFields(page->fields, fields::LoadFields(page->fields, before, false),
                            expected);
    }
    QVERIFY(image == expected);
    QCOMPARE(BE16(image, 0x1625), 0xFFFFu);
    QCOMPARE(image[0x15C0 + 6], 0xFF);

    // The text limit stops typing only: once the text is short enough for
    // the limit of 3, no fourth character is taken.
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        auto* interval = Control<QLineEdit>(dialog.DecodePage(1), 1041);
        interval->setFocus();
        interval->setCursorPosition(4);
        QTest::keyClick(interval, Qt::Key_Backspace);
        QTest::keyClicks(interval, QStringLiteral("55"));
        QCOMPARE(interval->text(), QStringLiteral("25."));
        dialog.close();
    });
}

void TwoToneDialogTest::twoToneKeysAndHelp() {
    RadioImage image = NewImage();
    HelpRecorder help;
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        auto* edit = Control<QLineEdit>(dialog.EncodePage(), 1251);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a.5"));
        QTest::keyClick(edit, Qt::Key_2, Qt::ShiftModifier);
        QCOMPARE(edit->text(), QStringLiteral("15"));
        QTest::keyClick(edit, Qt::Key_F1);
        dialog.Tabs()->tabBar()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(dialog.Tabs()->tabBar(), Qt::Key_F1);
        dialog.close();
    });
    QCOMPARE(help.contexts, (std::vector<int>{1251, 1074}));
}

void TwoToneDialogTest::twoToneNeedsADocument() {
    CTwoToneDlg dialog;
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(dialog.Tabs() == nullptr);

    // With a document given, the dialog edits that document's image; its
    // pages live as long as the opening.
    RadioImage image = NewImage();
    RunWith(dialog, image, [&dialog] {
        Control<QCheckBox>(dialog.EncodePage(), 1061)->setChecked(true);
        dialog.close();
    });
    QCOMPARE(image[0x1627], 1);
    QVERIFY(dialog.Tabs() == nullptr);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

QTEST_MAIN(TwoToneDialogTest)
#include "two_tone_dialog_test.moc"
