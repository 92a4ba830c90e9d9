// The Optional Features and Key Assignment dialogs driven as a user drives
// them on the offscreen platform: lists, OK, Cancel and help, the dialogs
// opened without a document, and the Chinese items stored as their codes.
// Each run compares the whole image before and after.

#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "tests/texts/test_catalogues.h"
#include "tests/ui/dialog_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QtTest>

#include <vector>

class FeatureDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void optionalOkStoresAndHiddenBitsPassThrough();
    void optionalCancelLeavesTheImage();
    void optionalHelpAsksForTheFocusedControl();
    void noDocumentOpensNothing();
    void keyAssignmentOkAndCancel();
    void keyAssignmentHelpUsesTheEnglishSet();
    void chineseItemsAreStoredAsTheirCodes();
};

void FeatureDialogsTest::optionalOkStoresAndHiddenBitsPassThrough() {
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

void FeatureDialogsTest::optionalCancelLeavesTheImage() {
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

void FeatureDialogsTest::optionalHelpAsksForTheFocusedControl() {
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

void FeatureDialogsTest::noDocumentOpensNothing() {
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

void FeatureDialogsTest::keyAssignmentOkAndCancel() {
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

void FeatureDialogsTest::keyAssignmentHelpUsesTheEnglishSet() {
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

void FeatureDialogsTest::chineseItemsAreStoredAsTheirCodes() {
    const std::unique_ptr<QtCatalogue> chinese = InstallChinese();
    RadioImage image = NewImage();
    image[0x132F] = 0xFF;
    image[0x12A8] = 0xDD; // stun type bit 5 clear: transceiver inhibit
    const RadioImage before = image;
    CDtmfDlg dtmf(nullptr, true);
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

    COptionalFeaturesDlg optional(nullptr, true);
    RunWith(optional, image, [&] {
        QCOMPARE(Control<QComboBox>(&optional, 1125)->itemText(0), QStringLiteral("关闭"));
        QCOMPARE(Control<QComboBox>(&optional, 1117)->currentText(), QStringLiteral("频率信道"));
        ClickOk(optional);
    });
    QVERIFY(image == expected);
}

QTEST_MAIN(FeatureDialogsTest)
#include "feature_dialogs_test.moc"
