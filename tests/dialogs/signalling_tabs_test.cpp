// What the tab pages of the 2-Tone and DTMF dialogs store as the user moves
// between them: the decode set when its tab changes, by Escape, by the outer
// tabs and by a click on a tab, and the Tab key and Escape on the encode
// page. Each test compares the whole image before and after.

#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "dialogs/two_tone_dialog.h"
#include "tests/dialogs/signalling_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

class SignallingTabsTest : public QObject {
    Q_OBJECT

private slots:
    void twoToneDecodeSetStoresWhenItsTabChanges();
    void twoToneEscapeStoresTheDecodeSetInView();
    void tabMovesAndEscapeClosesAsTheCloseBox_data();
    void tabMovesAndEscapeClosesAsTheCloseBox();
    void twoToneOuterTabKeepsTheDecodeSetAsTyped();
    void twoToneTabClickStoresTheNormalisedText();
};

void SignallingTabsTest::twoToneDecodeSetStoresWhenItsTabChanges() {
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

void SignallingTabsTest::twoToneEscapeStoresTheDecodeSetInView() {
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

void SignallingTabsTest::tabMovesAndEscapeClosesAsTheCloseBox_data() {
    QTest::addColumn<bool>("dtmf");
    QTest::newRow("DTMF") << true;
    QTest::newRow("2-Tone") << false;
}

void SignallingTabsTest::tabMovesAndEscapeClosesAsTheCloseBox() {
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

void SignallingTabsTest::twoToneOuterTabKeepsTheDecodeSetAsTyped() {
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

void SignallingTabsTest::twoToneTabClickStoresTheNormalisedText() {
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

QTEST_MAIN(SignallingTabsTest)
#include "signalling_tabs_test.moc"
