// The DTMF dialog driven as a user drives it on the offscreen platform:
// switching pages, typing through the key filters and spin buttons of the
// encode page, the drop-down lists of the decode page, the call list's
// in-place edit, and the close box. Each run compares the whole image
// before and after.

#include "dialogs/cell_edit_grid.h"
#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/spin_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

Owned DtmfOwned() {
    Owned owned{{0x1308, 0x03}, {0x12A8, 0x70}, {0x132F, 0xFF}};
    OwnRange(owned, 0x1309, 3);
    OwnRange(owned, 0x1320, 10);
    OwnRange(owned, 0x1338, 10);
    for (std::size_t r = 0; r < 9; ++r) {
        OwnRange(owned, 0x1380 + 24 * r, 16);
    }
    return owned;
}

} // namespace

class DtmfDialogTest : public QObject {
    Q_OBJECT

private slots:
    void dtmfPageSwitchStoresAndReReads();
    void dtmfEncodeKeysSpinsAndCloseBox();
    void dtmfDecodeDropDownsAndStun();
    void dtmfCallListInPlaceEdit();
};

void DtmfDialogTest::dtmfPageSwitchStoresAndReReads() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    CDtmfDlg dialog;
    RunWith(dialog, image, [&] {
        QVERIFY(dialog.EncodePage()->isVisible());
        QVERIFY(!dialog.DecodePage()->isVisible());
        auto* speed = Control<QLineEdit>(dialog.EncodePage(), 1084);
        QCOMPARE(speed->text(), QStringLiteral("6"));
        speed->setFocus();
        speed->selectAll();
        QTest::keyClicks(speed, QStringLiteral("12"));
        QCOMPARE(image[0x1308], std::uint8_t{0x00}); // nothing stored yet

        dialog.Tabs()->setCurrentIndex(1); // hides Encode: it stores
        QCOMPARE(image[0x1308], std::uint8_t{0x02});
        auto* group = Control<QLineEdit>(dialog.DecodePage(), 1081);
        QCOMPARE(group->text(), QStringLiteral("A"));

        dialog.Tabs()->setCurrentIndex(2);
        image[0x132F] = 0x23; // changed behind the page's back
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(group->text(), QStringLiteral("#"));
        dialog.Tabs()->setCurrentIndex(0);
        QCOMPARE(speed->text(), QStringLiteral("10"));
        dialog.close();
    });
    RadioImage expected = before;
    expected[0x1308] = 0x02;
    expected[0x132F] = 0x23;
    QVERIFY(image == expected);
}

void DtmfDialogTest::dtmfEncodeKeysSpinsAndCloseBox() {
    RadioImage image = NewImage();
    image[0x1309] = 0xFF;
    image[0x1308] = 0xA8;
    const RadioImage before = image;
    CDtmfDlg dialog;
    RunWith(dialog, image, [&] {
        QWidget* page = dialog.EncodePage();
        auto* delay = Control<QLineEdit>(page, 1085);
        QCOMPARE(delay->text(), QStringLiteral("1550"));
        auto* delaySpin = Control<SpinButtons>(page, 1242);
        delay->setText(QStringLiteral("1000"));
        QTest::mouseClick(delaySpin->UpButton(), Qt::LeftButton);
        QCOMPARE(delay->text(), QStringLiteral("0"));
        QTest::mouseClick(delaySpin->DownButton(), Qt::LeftButton);
        QCOMPARE(delay->text(), QStringLiteral("1000"));
        delay->setText(QStringLiteral("75"));
        QTest::mouseClick(delaySpin->UpButton(), Qt::LeftButton);
        QCOMPARE(delay->text(), QStringLiteral("100"));

        auto* time = Control<QLineEdit>(page, 1086);
        QTest::mouseClick(Control<SpinButtons>(page, 1243)->DownButton(), Qt::LeftButton);
        QCOMPARE(time->text(), QStringLiteral("1000"));
        // Keys: digits pass, letters and shifted digits are swallowed.
        time->setFocus();
        time->selectAll();
        QTest::keyClicks(time, QStringLiteral("4a9"));
        QTest::keyClick(time, Qt::Key_9, Qt::ShiftModifier);
        QTest::keyClick(time, Qt::Key_9, Qt::KeypadModifier);
        QCOMPARE(time->text(), QStringLiteral("499"));
        // Leaving the edit normalises it.
        Control<QLineEdit>(page, 1087)->setFocus();
        QCOMPARE(time->text(), QStringLiteral("100"));

        Control<QCheckBox>(page, 1088)->click(); // side tone off
        auto* speed = Control<QLineEdit>(page, 1084);
        speed->setText(QStringLiteral("7"));
        dialog.close(); // the close box hides the page: it stores
    });
    QCOMPARE(image[0x1308], std::uint8_t{0xA8}); // 7 -> 6 digits/s, bits 7..2 kept
    QCOMPARE(image[0x1309], std::uint8_t{2});
    QCOMPARE(image[0x130A], std::uint8_t{2});
    QCOMPARE(image[0x12A8], std::uint8_t(before[0x12A8] & ~0x40));
    QVERIFY(OnlyOwnedChanged(before, image, DtmfOwned()));
}

void DtmfDialogTest::dtmfDecodeDropDownsAndStun() {
    RadioImage image = NewImage();
    image[0x132F] = 0x31; // a digit: no item of the list begins with it
    const RadioImage before = image;
    CDtmfDlg dialog;
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(1);
        QWidget* page = dialog.DecodePage();
        auto* group = Control<QLineEdit>(page, 1081);
        auto* groupList = Control<QComboBox>(page, 1124);
        auto* idCode = Control<QLineEdit>(page, 1080);
        QCOMPARE(group->text(), QStringLiteral("1"));
        QVERIFY(groupList && !groupList->isVisible());

        // The stun controls below stay where they are while a list stands
        // in for its edit.
        auto* stunCodeEdit = Control<QLineEdit>(page, 1082);
        const QPoint stunAt = stunCodeEdit->mapTo(page, QPoint(0, 0));
        group->setFocus();
        QVERIFY(groupList->isVisible());
        QVERIFY(!group->isVisible());
        QCOMPARE(groupList->currentIndex(), -1);
        QApplication::processEvents();
        QCOMPARE(stunCodeEdit->mapTo(page, QPoint(0, 0)), stunAt);
        QCOMPARE(groupList->geometry().topLeft(), group->geometry().topLeft());
        idCode->setFocus(); // leaving with no item chosen keeps the text
        QVERIFY(!groupList->isVisible());
        QVERIFY(group->isVisible());
        QCOMPARE(group->text(), QStringLiteral("1"));
        QApplication::processEvents();
        QCOMPARE(stunCodeEdit->mapTo(page, QPoint(0, 0)), stunAt);

        auto* stunType = Control<QLineEdit>(page, 1083);
        auto* stunList = Control<QComboBox>(page, 1136);
        QCOMPARE(stunType->text(), QStringLiteral("Tx inhibit"));
        stunType->setFocus();
        QCOMPARE(stunList->currentIndex(), 0);
        stunList->setCurrentIndex(1);
        idCode->setFocus();
        QCOMPARE(stunType->text(), QStringLiteral("Transceiver inhibit"));

        QTest::keyClicks(idCode, QStringLiteral("12ab"));
        QCOMPARE(idCode->text(), QStringLiteral("12AB"));

        auto* stunCode = Control<QLineEdit>(page, 1082);
        stunCode->setFocus();
        QTest::keyClicks(stunCode, QStringLiteral("1aE5"));
        QTest::keyClick(stunCode, Qt::Key_NumberSign, Qt::ShiftModifier);
        QTest::keyClick(stunCode, Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(stunCode->text(), QStringLiteral("1A5#"));
        Control<QCheckBox>(page, 1103)->click(); // stun activation off
        for (const int id : {1082, 1083, 1107, 1108}) {
            QVERIFY(!Control<QWidget>(page, id)->isEnabled());
        }

        // A list still open when the page is hidden is committed first.
        group->setFocus();
        groupList->setCurrentIndex(0); // "Off"
        QVERIFY(groupList->isVisible());
        dialog.Tabs()->setCurrentIndex(2);
        dialog.close();
    });
    QCOMPARE(image[0x132F], std::uint8_t{0xFF});
    const std::uint8_t id[10] = {0x31, 0x32, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t stun[10] = {0x31, 0x41, 0x35, 0x23, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 10; ++i) {
        QCOMPARE(image[0x1320 + i], id[i]);
        QCOMPARE(image[0x1338 + i], stun[i]);
    }
    // Bit 4 (stun activation) and bit 5 (transceiver inhibit) cleared only.
    QCOMPARE(image[0x12A8], std::uint8_t(before[0x12A8] & ~0x30));
    QVERIFY(OnlyOwnedChanged(before, image, DtmfOwned()));
}

void DtmfDialogTest::dtmfCallListInPlaceEdit() {
    RadioImage image = NewImage();
    const RadioImage before = image;
    HelpRecorder help;
    CDtmfDlg dialog;
    RunWith(dialog, image, [&] {
        dialog.Tabs()->setCurrentIndex(2);
        CDtmfCallListPage* page = dialog.CallListPage();
        QTableWidget* grid = page->Grid();
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Fast Call List"));
        QCOMPARE(grid->item(9, 0)->text(), QStringLiteral("9"));
        const QRect cell = grid->visualItemRect(grid->item(3, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QLineEdit* edit = page->CellEdit();
        QVERIFY(edit->isVisible());
        QCOMPARE(grid->currentRow(), 3);
        QTest::keyClicks(edit, QStringLiteral("12abE*"));
        QTest::keyClick(edit, Qt::Key_Asterisk, Qt::KeypadModifier);
        QTest::keyClick(edit, Qt::Key_Down); // leaves the cell: commits
        QCOMPARE(grid->item(3, 1)->text(), QStringLiteral("12AB*"));
        QCOMPARE(grid->currentRow(), 4);
        QVERIFY(edit->isVisible());
        // Tab leaves the list, the entry committed; Tab from the tab bar
        // comes back to the entry that was current.
        QTest::keyClicks(edit, QStringLiteral("7"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("7"));
        QVERIFY(edit->isHidden());
        QWidget* left = QApplication::focusWidget();
        QVERIFY(left != nullptr && left != grid && dialog.isAncestorOf(left));
        dialog.Tabs()->tabBar()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(dialog.Tabs()->tabBar(), Qt::Key_F1); // the tabs' help
        QTest::keyClick(dialog.Tabs()->tabBar(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(grid->currentRow(), 4);
        // Escape takes back the typing and keeps the dialog, which would
        // store on closing; a click opens the entry again.
        QTest::keyClicks(edit, QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(edit->isHidden());
        QVERIFY(dialog.isVisible());
        QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("7"));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(4, 1)).center());
        QVERIFY(edit->isVisible());
        QTest::keyClicks(edit, QStringLiteral("0123456789ABCD*#9")); // 16 fit
        dialog.close(); // the store commits the open edit
    });
    const char entry3[] = "12AB*";
    for (std::size_t i = 0; i < 16; ++i) {
        QCOMPARE(image[0x13B0 + i], i < 5 ? std::uint8_t(entry3[i]) : std::uint8_t{0xFF});
        QCOMPARE(image[0x13C8 + i], std::uint8_t("0123456789ABCD*#"[i]));
    }
    QVERIFY(OnlyOwnedChanged(before, image, DtmfOwned()));
    QCOMPARE(help.contexts, std::vector<int>{1036});
}

QTEST_MAIN(DtmfDialogTest)
#include "dtmf_dialog_test.moc"
