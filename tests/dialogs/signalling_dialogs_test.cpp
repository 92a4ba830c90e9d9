// The 2-Tone, MSK and Squelch Tuning dialogs driven as a user drives them, on
// the offscreen platform: typing, spin buttons, the grids' in-place edits,
// tab switching, OK and Cancel, and the squelch Read and Write against the
// simulated radio over a pseudo-terminal. Each test compares the whole image
// before and after, so a dialog that touches a byte it does not own fails.

#include "dialogs/cell_edit_grid.h"
#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "link/port_name.h"
#include "model/fields/two_tone_fields.h"
#include "settings/program_context.h"
#include "sim/simulated_radio.h"
#include "tests/ui/current_cell_check.h"
#include "tests/ui/dialog_test_support.h"
#include "tests/ui/message_recorder.h"
#include "ui/spin_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

namespace {

std::set<std::size_t> Changed(const RadioImage& before, const RadioImage& after) {
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        if (before[i] != after[i]) {
            changed.insert(i);
        }
    }
    return changed;
}

std::set<std::size_t> Range(std::size_t first, std::size_t count) {
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < count; ++i) {
        offsets.insert(first + i);
    }
    return offsets;
}

// Both forms of the encode list and the decode sets (bytes 0..15 of their
// rows) and of the timing.
Owned TwoToneOwned() {
    Owned owned;
    for (const auto& [start, rows] :
         {std::pair<std::size_t, std::size_t>{0x1500, 8}, {0x1680, 8}, {0x15C0, 4}, {0x1740, 4}}) {
        for (std::size_t row = 0; row < rows; ++row) {
            OwnRange(owned, start + 24 * row, 16);
        }
    }
    OwnRange(owned, 0x1620, 8);
    OwnRange(owned, 0x17A0, 7);
    return owned;
}

unsigned BE16(const RadioImage& image, std::size_t at) {
    return image[at] * 256u + image[at + 1];
}

// The simulated radio with this memory, answering on a pseudo-terminal that
// the context's portName names; null when no pseudo-terminal could be made.
std::unique_ptr<SimulatedRadio> StartRadio(ProgramContext& context, const RadioMemory& memory,
                                           SimOptions options = InstantReplies()) {
    auto radio = std::make_unique<SimulatedRadio>(options);
    radio->SetMemory(memory);
    std::string error;
    if (!radio->Start(&error)) {
        qWarning("no simulated radio: %s", error.c_str());
        return nullptr;
    }
    context.portName = radio->DevicePath();
    return radio;
}

// Clicks Read or Write of Squelch Tuning and waits until its transfer has
// ended; false when it did not end.
bool RunSquelchButton(CSquelchTuningDlg& dialog, QPushButton* button) {
    QSignalSpy ended(&dialog, &CSquelchTuningDlg::TransferEnded);
    QTest::mouseClick(button, Qt::LeftButton);
    return ended.wait(60000);
}

void TypeKeypadNumber(QWidget* edit, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
        } else {
            QTest::keyClicks(edit, QString(c));
        }
    }
}

// A key pressed where the keyboard's focus is.
void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

void ClickCell(CellEditGrid* grid, int row, int column) {
    const QRect rect = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class SignallingDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void twoToneSpinsWrapAtBothEnds();
    void twoToneRiseDelaySnapsAndStoresOnClose();
    void twoToneGridCellsAndScroll();
    void twoToneDecodeSetStoresWhenItsTabChanges();
    void twoToneEscapeStoresTheDecodeSetInView();
    void tabMovesAndEscapeClosesAsTheCloseBox_data();
    void tabMovesAndEscapeClosesAsTheCloseBox();
    void twoToneOuterTabKeepsTheDecodeSetAsTyped();
    void twoToneTabClickStoresTheNormalisedText();
    void twoToneUnprogrammedValuesShownInFullAndStoredAsRead();
    void twoToneKeysAndHelp();
    void twoToneNeedsADocument();
    void mskEntryFourLandsAfterTheRowGap();
    void mskCancelLeavesTheImageUnchanged();
    void mskKeysAndHelp();
    void listGridsShareOneLookAndShowTheirRows_data();
    void listGridsShareOneLookAndShowTheirRows();
    void listGridsDrawTheCurrentCellAsEveryGrid_data();
    void listGridsDrawTheCurrentCellAsEveryGrid();
    void squelchListsAndOk();
    void squelchCancelKeepsNothingButReads();
    void squelchReadAndWriteAgainstTheRadio();
    void squelchShortReplyKeepsTheLevels();
    void squelchSilentRadioLeavesTheDialogResponsive();
    void squelchDestroyedDuringTransfer();
};

void SignallingDialogsTest::twoToneSpinsWrapAtBothEnds() {
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

void SignallingDialogsTest::twoToneRiseDelaySnapsAndStoresOnClose() {
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

void SignallingDialogsTest::twoToneGridCellsAndScroll() {
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

void SignallingDialogsTest::twoToneDecodeSetStoresWhenItsTabChanges() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        dialog.DecodeTabs()->setCurrentIndex(5);
        QCOMPARE(dialog.DecodeTabs()->tabText(5), QStringLiteral("2-Tone6"));
        QWidget* set6 = dialog.DecodePage(6);
        Control<QLineEdit>(set6, 1039)->setText(QStringLiteral("10.0"));
        Control<QLineEdit>(set6, 1042)->setText(QStringLiteral("1.5"));
        dialog.DecodeTabs()->setCurrentIndex(6);
        // Stored while the dialog is still open.
        QCOMPARE(image[0x15F8 + 4], 100);
        QCOMPARE(image[0x1778 + 4], 200);
        QCOMPARE(image[0x15F8 + 7], 15);
        QCOMPARE(image[0x1778 + 7], 30);
        dialog.close();
    });
    QVERIFY(OnlyOwnedChanged(before, image, TwoToneOwned()));
    // Only the pages that were shown stored: set 8 was never visible, and
    // a new document has no radio form.
    QCOMPARE(image[0x1790], 0xFF);
    QCOMPARE(image[0x1740], 0x01); // set 1, shown first: divisor 448
}

void SignallingDialogsTest::twoToneEscapeStoresTheDecodeSetInView() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    CTwoToneDlg dialog;
    // Escape with a decode set in view: that set stores what was typed.
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        Control<QLineEdit>(dialog.DecodePage(1), 1039)->setText(QStringLiteral("10.0"));
        PressEscapeOnTabs(dialog.Tabs());
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(image[0x15C0 + 4], 100);
    QCOMPARE(image[0x1740 + 4], 200);
    QVERIFY(OnlyOwnedChanged(before, image, TwoToneOwned()));
}

void SignallingDialogsTest::tabMovesAndEscapeClosesAsTheCloseBox_data() {
    QTest::addColumn<bool>("dtmf");
    QTest::newRow("DTMF") << true;
    QTest::newRow("2-Tone") << false;
}

void SignallingDialogsTest::tabMovesAndEscapeClosesAsTheCloseBox() {
    QFETCH(bool, dtmf);
    // The same typing on the encode page, ended once by Escape and once by
    // the close box: both store the page in view.
    std::vector<RadioImage> images;
    for (const bool escape : {true, false}) {
        RadioImage image = NewImage();
        CDtmfDlg dtmfDialog;
        CTwoToneDlg twoToneDialog;
        CBoundDialog& dialog =
            dtmf ? static_cast<CBoundDialog&>(dtmfDialog) : static_cast<CBoundDialog&>(twoToneDialog);
        RunWith(dialog, image, [&] {
            auto* edit = dtmf ? Control<QLineEdit>(dtmfDialog.EncodePage(), 1084)
                              : Control<QLineEdit>(twoToneDialog.EncodePage(), 1250);
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            TypeKeypadNumber(edit, dtmf ? QStringLiteral("15") : QStringLiteral("2.0"));
            Press(Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY(next != nullptr && next != edit && dialog.isAncestorOf(next));
            Press(Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), edit);
            if (escape) {
                Press(Qt::Key_Escape);
            } else {
                dialog.close();
            }
            QVERIFY(!dialog.isVisible());
        });
        images.push_back(image);
    }
    QVERIFY(images[0] == images[1]);
    QVERIFY(!(images[0] == NewImage()));
}

void SignallingDialogsTest::twoToneOuterTabKeepsTheDecodeSetAsTyped() {
    RadioImage image = NewImage();
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        auto* first = Control<QLineEdit>(dialog.DecodePage(1), 1039);
        first->setText(QStringLiteral("3.0"));
        // Away to the encode page and back: the set neither stored nor
        // re-read the image.
        dialog.Tabs()->setCurrentIndex(0);
        QCOMPARE(image[0x15C0 + 4], 5);
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(first->text(), QStringLiteral("3.0"));
        dialog.close();
    });
    QCOMPARE(image[0x15C0 + 4], 30);
}

void SignallingDialogsTest::twoToneTabClickStoresTheNormalisedText() {
    RadioImage image = NewImage();
    CTwoToneDlg dialog;
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        auto* toneA = Control<QLineEdit>(dialog.DecodePage(1), 1037);
        toneA->setFocus();
        toneA->selectAll();
        QTest::keyClicks(toneA, QStringLiteral("5000"));
        QTabBar* inner = dialog.DecodeTabs()->tabBar();
        QTest::mouseClick(inner, Qt::LeftButton, {}, inner->tabRect(1).center());
        QCOMPARE(dialog.DecodeTabs()->currentIndex(), 1);
        // Leaving the edit made 5000 into 3106.0 before set 1 stored.
        QCOMPARE(BE16(image, 0x15C0), 0x7954u);
        QCOMPARE(BE16(image, 0x1740), 288u);
        dialog.close();
    });
}

void SignallingDialogsTest::twoToneUnprogrammedValuesShownInFullAndStoredAsRead() {
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
        fields::StoreFields(page->fields, fields::LoadFields(page->fields, before), expected);
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

void SignallingDialogsTest::twoToneKeysAndHelp() {
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
        dialog.close();
    });
    QCOMPARE(help.contexts, std::vector<int>{1251});
}

void SignallingDialogsTest::twoToneNeedsADocument() {
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

void SignallingDialogsTest::mskEntryFourLandsAfterTheRowGap() {
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
    QCOMPARE(Changed(before, image), Range(0x12D8, 4));
    QCOMPARE(image[0x12D8], 'A');
    QCOMPARE(image[0x12DB], '2');
}

void SignallingDialogsTest::mskCancelLeavesTheImageUnchanged() {
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
    QCOMPARE(Changed(before, image), Range(0x12C0, 2));
    QCOMPARE(image[0x12C2], 0xFF);
}

void SignallingDialogsTest::listGridsShareOneLookAndShowTheirRows_data() {
    QTest::addColumn<bool>("msk");
    QTest::addColumn<int>("rows");
    QTest::newRow("MSK call list") << true << 9;
    QTest::newRow("2-Tone encode list") << false << 32;
}

void SignallingDialogsTest::listGridsShareOneLookAndShowTheirRows() {
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

void SignallingDialogsTest::listGridsDrawTheCurrentCellAsEveryGrid_data() {
    QTest::addColumn<QString>("grid");
    QTest::newRow("DTMF call list") << QStringLiteral("dtmf");
    QTest::newRow("MSK call list") << QStringLiteral("msk");
    QTest::newRow("2-Tone encode list") << QStringLiteral("twoTone");
}

void SignallingDialogsTest::listGridsDrawTheCurrentCellAsEveryGrid() {
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

void SignallingDialogsTest::mskKeysAndHelp() {
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
    QCOMPARE(Changed(before, image), (std::set<std::size_t>{0x12C0, 0x12C1, 0x12C4, 0x12C5}));
    QCOMPARE(image[0x12C1], '2');
    QCOMPARE(image[0x12C4], 'A');
}

void SignallingDialogsTest::squelchListsAndOk() {
    ProgramContext context;
    RadioImage image = NewImage();
    image[0x17EF] = 119;
    image[0x17F0] = 0xFF;
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QComboBox* vWide = dialog.LevelList(0);
        QCOMPARE(vWide->count(), 110);
        QCOMPARE(vWide->itemText(0), QStringLiteral("-55"));
        QCOMPARE(vWide->itemText(109), QStringLiteral("54"));
        QCOMPARE(vWide->currentText(), QStringLiteral("-23"));
        QCOMPARE(dialog.LevelList(1)->currentIndex(), -1);
        QCOMPARE(dialog.LevelList(2)->currentText(), QStringLiteral("-30"));
        vWide->setCurrentIndex(0);
        dialog.LevelList(3)->setCurrentIndex(109);
        ClickOk(dialog);
    });
    QCOMPARE(Changed(before, image), Range(0x17EE, 4));
    QCOMPARE(image[0x17EE], 9);
    QCOMPARE(image[0x17EF], 39); // no selection: the default
    QCOMPARE(image[0x17F0], 34);
    QCOMPARE(image[0x17F1], 118);
}

void SignallingDialogsTest::squelchCancelKeepsNothingButReads() {
    ProgramContext context;
    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        dialog.LevelList(0)->setCurrentIndex(3);
        ClickCancel(dialog);
    });
    QVERIFY(image == before);
}

void SignallingDialogsTest::squelchReadAndWriteAgainstTheRadio() {
    ProgramContext context;
    RadioMemory memory = DefaultRadioMemory();
    memory[0x0FF6] = 9;
    memory[0x0FF7] = 118;
    memory[0x0FF8] = 64;
    memory[0x0FF9] = 0xFF;
    const auto radio = StartRadio(context, memory);
    QVERIFY(radio);
    MessageRecorder messages;

    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        QCOMPARE(dialog.LevelList(0)->currentText(), QStringLiteral("-55"));
        QCOMPARE(dialog.LevelList(1)->currentText(), QStringLiteral("54"));
        QCOMPARE(dialog.LevelList(2)->currentText(), QStringLiteral("0"));
        QCOMPARE(dialog.LevelList(3)->currentText(), QStringLiteral("-34"));
        ClickCancel(dialog);
    });
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(messages.seen[0].text, QStringLiteral("Read Successfully"));
    // Cancel keeps what was read.
    QCOMPARE(Changed(before, image), Range(0x17EE, 4));
    QCOMPARE(image[0x17EE], 9);
    QCOMPARE(image[0x17F1], 0xFF);

    radio->ResetProtocolState();
    RunWith(dialog, image, [&] {
        dialog.LevelList(2)->setCurrentText(QStringLiteral("-1"));
        QVERIFY(RunSquelchButton(dialog, dialog.WriteButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 2);
    QCOMPARE(messages.seen[1].text, QStringLiteral("Write Successfully"));
    // Write stored the lists first: U narrow's 0xFF showed its default.
    const RadioMemory written = radio->Memory();
    QCOMPARE(written[0x0FF6], 9);
    QCOMPARE(written[0x0FF7], 118);
    QCOMPARE(written[0x0FF8], 63);
    QCOMPARE(written[0x0FF9], 30);
    QCOMPARE(image[0x17F0], 63);
    const std::vector<std::uint8_t> received = radio->ReceivedBytes();
    const std::vector<std::uint8_t> tail{0x57, 0x0F, 0xF6, 0x04, 9, 118, 63, 30};
    QVERIFY(received.size() >= tail.size());
    QVERIFY(std::equal(tail.begin(), tail.end(), received.end() - 8));
    QVERIFY(radio->Violations().empty());
}

void SignallingDialogsTest::squelchShortReplyKeepsTheLevels() {
    ProgramContext context;
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::ShortReply;
    options.fault.address = 0x0FF6;
    options.fault.shortLength = 6;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);
    MessageRecorder messages;

    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(messages.seen[0].text,
             QStringLiteral("Program Interrupt, Please reset the radio and try again"));
    QVERIFY(image == before);

    // A port that does not open: the message, nothing stored.
    context.portName = "/dev/no-such-port";
    RunWith(dialog, image, [&] {
        dialog.LevelList(0)->setCurrentIndex(0);
        QVERIFY(RunSquelchButton(dialog, dialog.WriteButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 2);
    QVERIFY(messages.seen[1].text.startsWith(QStringLiteral("Could not Open the Port")));
    QVERIFY(image == before);
}

void SignallingDialogsTest::squelchSilentRadioLeavesTheDialogResponsive() {
    ProgramContext context;
    // A radio that never answers: the 15 attempts before the prompt run
    // while the dialog keeps handling its events, with its controls disabled
    // and a busy cursor, and refusing to close (there is no cancel).
    SimOptions options;
    options.fault.kind = SimFaultKind::Silent;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);

    struct Seen {
        int ticks = 0;
        int paints = 0;
        bool visible = false;
        bool controlsEnabled = true;
        Qt::CursorShape cursor = Qt::ArrowCursor;
    };
    Seen now;
    std::vector<Seen> atPrompt;
    std::vector<MessageRequest> prompts;
    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    MessageService::SetHandler([&](const MessageRequest& request) {
        prompts.push_back(request);
        Seen seen = now;
        seen.visible = dialog.isVisible();
        seen.controlsEnabled =
            dialog.ReadButton()->isEnabled() || dialog.WriteButton()->isEnabled() ||
            Control<QPushButton>(&dialog, 1)->isEnabled() ||
            Control<QPushButton>(&dialog, 2)->isEnabled() || dialog.LevelList(0)->isEnabled();
        seen.cursor = dialog.cursor().shape();
        atPrompt.push_back(seen);
        return MessageAnswer::Cancel;
    });
    const auto restore = qScopeGuard([] { MessageService::SetHandler({}); });
    struct PaintCounter : QObject {
        int* paints;
        explicit PaintCounter(int* counter) : paints(counter) {}
        bool eventFilter(QObject*, QEvent* event) override {
            *paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } paintCounter(&now.paints);

    RunWith(dialog, image, [&] {
        dialog.installEventFilter(&paintCounter);
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, &dialog, [&] {
            if (++now.ticks == 1) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            dialog.update();
        });
        ticker.start();
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        ticker.stop();
        dialog.removeEventFilter(&paintCounter);
        QVERIFY(!dialog.IsBusy());
        QVERIFY(dialog.ReadButton()->isEnabled());
        QVERIFY(dialog.LevelList(0)->isEnabled());
        QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(dialog.isVisible());
        // Closing works again once the transfer has ended.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });

    QCOMPARE(int(prompts.size()), 1);
    QCOMPARE(prompts[0].text,
             QStringLiteral(
                 "Communication Error, Please check all the connections and the radio power"));
    QVERIFY(prompts[0].buttons == MessageButtons::RetryCancel);
    QVERIFY(atPrompt[0].ticks > 0);
    QVERIFY(atPrompt[0].paints > 0);
    QVERIFY(atPrompt[0].visible);
    QVERIFY(!atPrompt[0].controlsEnabled);
    QCOMPARE(atPrompt[0].cursor, Qt::BusyCursor);
    QCOMPARE(radio->Stats().programModeRequests, 15);
    QVERIFY(image == before);
}

void SignallingDialogsTest::squelchDestroyedDuringTransfer() {
    ProgramContext context;
    // The dialog goes while its transfer runs (its window closed): the
    // worker is released and joined, no prompt follows, and the image keeps
    // what it had.
    SimOptions options;
    options.fault.kind = SimFaultKind::Silent;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);
    MessageRecorder messages;
    messages.Answer(MessageAnswer::Retry);

    RadioImage image = NewImage();
    const RadioImage before = image;
    auto dialog = std::make_unique<CSquelchTuningDlg>(context);
    QSignalSpy ended(dialog.get(), &CSquelchTuningDlg::TransferEnded);
    dialog->OnInitDialog(image);
    dialog->show();
    QTest::mouseClick(dialog->ReadButton(), Qt::LeftButton);
    // Retry answered: the transfer goes on with its attempts.
    QTRY_COMPARE_WITH_TIMEOUT(int(messages.seen.size()), 1, 60000);
    QVERIFY(dialog->IsBusy());
    dialog.reset();
    QCoreApplication::processEvents();
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(ended.count(), 0);
    QVERIFY(image == before);
}

QTEST_MAIN(SignallingDialogsTest)
#include "signalling_dialogs_test.moc"
