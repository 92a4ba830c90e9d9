// The Optional Features, DTMF and Key Assignment dialogs driven as a user
// drives them on the offscreen platform: lists, typing through the key
// filters, spin buttons, the drop-down lists of the DTMF decode page, the
// call list's in-place edit, tab switching, OK, Cancel and the close box.
// Each run compares the whole image before and after.

#include "dialogs/cell_edit_grid.h"
#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "model/language.h"
#include "tests/texts/test_catalogues.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/help_service.h"
#include "ui/spin_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <map>
#include <vector>

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

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void optionalOkStoresAndHiddenBitsPassThrough();
    void optionalCancelLeavesTheImage();
    void optionalHelpAsksForTheFocusedControl();
    void noDocumentOpensNothing();
    void dtmfPageSwitchStoresAndReReads();
    void dtmfEncodeKeysSpinsAndCloseBox();
    void dtmfDecodeDropDownsAndStun();
    void dtmfCallListInPlaceEdit();
    void keyAssignmentOkAndCancel();
    void keyAssignmentHelpUsesTheEnglishSet();
    void chineseItemsAreStoredAsTheirCodes();
};

void SettingsDialogsTest::optionalOkStoresAndHiddenBitsPassThrough() {
    for (const std::uint8_t flags : {std::uint8_t{0x7C}, std::uint8_t{0x83}}) {
        RadioImage image = NewImage();
        image[0x12A8] = flags;        // keypad lock bit 7 and the DTMF bits
        image[0x12AB] = flags ^ 0x03; // MSK type, repeater invert
        const RadioImage before = image;
        COptionalFeaturesDlg dialog;
        const int result = RunWith(dialog, image, [&] {
            for (const int hidden : {1132, 1134, 1135}) {
                QWidget* control = Control<QWidget>(&dialog, hidden);
                QVERIFY(control && !control->isVisible());
            }
            auto* backLight = Control<QComboBox>(&dialog, 1115);
            QCOMPARE(backLight->currentText(), QStringLiteral("Auto"));
            QCOMPARE(backLight->count(), 3);
            QCOMPARE(Control<QComboBox>(&dialog, 1119)->count(), 129);
            backLight->setCurrentIndex(2);
            Control<QComboBox>(&dialog, 1119)->setCurrentIndex(128);
            auto* password = Control<QLineEdit>(&dialog, 1133);
            password->setFocus();
            QTest::keyClicks(password, QStringLiteral("12A4"));
            ClickOk(dialog);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(image[0x1266], std::uint8_t{0x23});
        QCOMPARE(image[0x12A9], std::uint8_t{0x80});
        QCOMPARE(image[0x12A8], flags);
        QCOMPARE(image[0x12AB], std::uint8_t(flags ^ 0x03));
        const std::uint8_t password[6] = {0x31, 0x32, 0x41, 0x34, 0xFF, 0xFF};
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(image[0x17D2 + i], password[i]);
        }
        Owned owned{{0x1266, 0xFF}, {0x12A9, 0xFF}};
        OwnRange(owned, 0x17D2, 6);
        QVERIFY(OnlyOwnedChanged(before, image, owned));

        // The reused object reloads at the next opening.
        RunWith(dialog, image, [&] {
            QCOMPARE(Control<QLineEdit>(&dialog, 1133)->text(), QStringLiteral("12"));
            QCOMPARE(Control<QComboBox>(&dialog, 1119)->currentText(), QStringLiteral("128"));
            ClickCancel(dialog);
        });
        // OK without typing keeps the four characters; typing "12" over the
        // shown "12" makes that the password.
        RunWith(dialog, image, [&] { ClickOk(dialog); });
        QCOMPARE(image[0x17D4], std::uint8_t{0x41});
        RunWith(dialog, image, [&] {
            auto* edit = Control<QLineEdit>(&dialog, 1133);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("12"));
            ClickOk(dialog);
        });
        QCOMPARE(image[0x17D4], std::uint8_t{0xFF});
    }
}

void SettingsDialogsTest::optionalCancelLeavesTheImage() {
    RadioImage image = NewImage();
    image[0x1265] = 0xFF; // bits 1..0 = 3 show "Emergency Call"
    const RadioImage before = image;
    COptionalFeaturesDlg dialog;
    const int result = RunWith(dialog, image, [&] {
        auto* orange = Control<QComboBox>(&dialog, 1131);
        QCOMPARE(orange->currentText(), QStringLiteral("Emergency Call"));
        orange->setCurrentIndex(0);
        Control<QComboBox>(&dialog, 1125)->setCurrentIndex(5);
        ClickCancel(dialog);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(image == before);
}

void SettingsDialogsTest::optionalHelpAsksForTheFocusedControl() {
    RadioImage image = NewImage();
    HelpRecorder help;
    COptionalFeaturesDlg dialog;
    RunWith(dialog, image, [&] {
        auto* priority = Control<QComboBox>(&dialog, 1119);
        priority->setFocus();
        QTest::keyClick(priority, Qt::Key_F1);
        auto* password = Control<QLineEdit>(&dialog, 1133);
        password->setFocus();
        QTest::keyClick(password, Qt::Key_F1);
        ClickCancel(dialog);
    });
    QCOMPARE(help.contexts, (std::vector<int>{1119, 1133}));
}

void SettingsDialogsTest::noDocumentOpensNothing() {
    COptionalFeaturesDlg optional;
    CDtmfDlg dtmf;
    CKeyAssignDlg keys;
    // Without a document given these return at once, without showing
    // anything.
    QCOMPARE(optional.exec(), int(QDialog::Rejected));
    QCOMPARE(dtmf.exec(), int(QDialog::Rejected));
    QCOMPARE(keys.exec(), int(QDialog::Rejected));
    QVERIFY(!optional.isVisible() && !dtmf.isVisible() && !keys.isVisible());

    // A kept dialog works on the image its caller gives at each opening,
    // and on no other.
    RadioImage first = NewImage();
    RadioImage second = NewImage();
    const RadioImage untouched = first;
    RunWith(keys, second, [&keys] {
        Control<QRadioButton>(&keys, 1077)->click();
        ClickOk(keys);
    });
    QVERIFY(first == untouched);
    QCOMPARE(second[0x12AA], std::uint8_t{0xFE});
    RunWith(keys, first, [&keys] {
        QVERIFY(Control<QRadioButton>(&keys, 1076)->isChecked());
        ClickOk(keys);
    });
    QCOMPARE(keys.exec(), int(QDialog::Rejected));
    QVERIFY(first == untouched);
}

void SettingsDialogsTest::dtmfPageSwitchStoresAndReReads() {
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

void SettingsDialogsTest::dtmfEncodeKeysSpinsAndCloseBox() {
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

void SettingsDialogsTest::dtmfDecodeDropDownsAndStun() {
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

void SettingsDialogsTest::dtmfCallListInPlaceEdit() {
    RadioImage image = NewImage();
    const RadioImage before = image;
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
        QTest::keyClick(dialog.Tabs()->tabBar(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(grid->currentRow(), 4);
        QTest::keyClicks(edit, QStringLiteral("0123456789ABCD*#9")); // 16 fit
        dialog.close(); // the store commits the open edit
    });
    const char entry3[] = "12AB*";
    for (std::size_t i = 0; i < 16; ++i) {
        QCOMPARE(image[0x13B0 + i], i < 5 ? std::uint8_t(entry3[i]) : std::uint8_t{0xFF});
        QCOMPARE(image[0x13C8 + i], std::uint8_t("0123456789ABCD*#"[i]));
    }
    QVERIFY(OnlyOwnedChanged(before, image, DtmfOwned()));
}

void SettingsDialogsTest::keyAssignmentOkAndCancel() {
    RadioImage image = NewImage();
    image[0x12AA] = 0x80;
    CKeyAssignDlg dialog;
    RunWith(dialog, image, [&] {
        QVERIFY(Control<QRadioButton>(&dialog, 1079)->isChecked());
        Control<QRadioButton>(&dialog, 1077)->click();
        ClickCancel(dialog);
    });
    QCOMPARE(image[0x12AA], std::uint8_t{0x80});

    const RadioImage before = image;
    CKeyAssignDlg again;
    RunWith(again, image, [&] {
        QCOMPARE(Control<QRadioButton>(&again, 1077)->text(), QStringLiteral("Emergency Call"));
        Control<QRadioButton>(&again, 1077)->click();
        ClickOk(again);
    });
    QCOMPARE(image[0x12AA], std::uint8_t{0x82});
    QVERIFY(OnlyOwnedChanged(before, image, Owned{{0x12AA, 0x03}}));

    image[0x12AA] = 0xFF;
    CKeyAssignDlg third;
    RunWith(third, image, [&] {
        QVERIFY(Control<QRadioButton>(&third, 1076)->isChecked());
        ClickOk(third);
    });
    QCOMPARE(image[0x12AA], std::uint8_t{0xFF});
}

void SettingsDialogsTest::keyAssignmentHelpUsesTheEnglishSet() {
    // A program in Chinese: its help set is the Chinese one.
    HelpService::SetViewer({}, "chHelp.qch");
    const auto noViewer = qScopeGuard([] { HelpService::SetViewer({}); });
    RadioImage image = NewImage();
    HelpRecorder help;
    CKeyAssignDlg dialog;
    RunWith(dialog, image, [&] {
        auto* button = Control<QRadioButton>(&dialog, 1078);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_F1);
        auto* ok = Control<QPushButton>(&dialog, 1);
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_F1);
        ClickCancel(dialog);
    });
    QCOMPARE(help.contexts, (std::vector<int>{32800, 1}));
    QCOMPARE(help.files, (std::vector<std::string>{"enHelp.qch", "enHelp.qch"}));
}

void SettingsDialogsTest::chineseItemsAreStoredAsTheirCodes() {
    g_bChinese = 1;
    const auto english = qScopeGuard([] { g_bChinese = 0; });
    const std::unique_ptr<QtCatalogue> chinese = InstallChinese();
    RadioImage image = NewImage();
    image[0x132F] = 0xFF;
    image[0x12A8] = 0xDD; // stun type bit 5 clear: transceiver inhibit
    const RadioImage before = image;
    CDtmfDlg dtmf;
    RunWith(dtmf, image, [&] {
        QCOMPARE(dtmf.Tabs()->tabText(2), QStringLiteral("呼叫列表"));
        dtmf.Tabs()->setCurrentIndex(1);
        QWidget* page = dtmf.DecodePage();
        QCOMPARE(Control<QLineEdit>(page, 1081)->text(), QStringLiteral("关"));
        QCOMPARE(Control<QLineEdit>(page, 1083)->text(), QStringLiteral("禁止收发"));
        auto* stunType = Control<QLineEdit>(page, 1083);
        stunType->setFocus();
        auto* stunList = Control<QComboBox>(page, 1136);
        QCOMPARE(stunList->currentText(), QStringLiteral("禁止收发"));
        stunList->setCurrentIndex(0);
        dtmf.close();
    });
    RadioImage expected = before;
    expected[0x12A8] = 0xFD;
    QVERIFY(image == expected);

    COptionalFeaturesDlg optional;
    RunWith(optional, image, [&] {
        QCOMPARE(Control<QComboBox>(&optional, 1125)->itemText(0), QStringLiteral("关闭"));
        QCOMPARE(Control<QComboBox>(&optional, 1117)->currentText(), QStringLiteral("频率信道"));
        ClickOk(optional);
    });
    QVERIFY(image == expected);
}

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
