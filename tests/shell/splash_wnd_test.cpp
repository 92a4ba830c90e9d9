// The start-up splash: shown from the program directory's picture, gone after
// its second or at the first key or button press, which it swallows.

#include "shell/splash_wnd.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class SplashWndTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }

    void writePicture(QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(m_dir.filePath(QStringLiteral("startup.bmp")), "BMP"));
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath(QStringLiteral("startup.bmp")));
        CSplashWnd::EnableSplash(true);
    }
    void cleanup() {
        CSplashWnd::HideSplash();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void missingPictureMeansNoSplashAndNoWait() {
        QVERIFY(!CSplashWnd::ShowSplash(programDir()));
        QCOMPARE(CSplashWnd::Instance(), nullptr);
        // An unreadable picture counts as missing.
        QFile bad(m_dir.filePath(QStringLiteral("startup.bmp")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        QVERIFY(!CSplashWnd::ShowSplash(programDir()));
        QCOMPARE(CSplashWnd::Instance(), nullptr);
    }

    void disabledSplashShowsNothing() {
        writePicture(QSize(120, 80));
        CSplashWnd::EnableSplash(false);
        QVERIFY(!CSplashWnd::ShowSplash(programDir()));
        QCOMPARE(CSplashWnd::Instance(), nullptr);
    }

    void showsThePictureCentredAndHidesAfterItsTime() {
        writePicture(QSize(120, 80));
        QVERIFY(CSplashWnd::ShowSplash(programDir()));
        CSplashWnd* splash = CSplashWnd::Instance();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->size(), QSize(120, 80));
        QCOMPARE(splash->geometry().center(), splash->screen()->geometry().center());
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->grab().toImage().pixelColor(60, 40), QColor(Qt::darkBlue));
        // A second request while one is shown keeps the first.
        QVERIFY(CSplashWnd::ShowSplash(programDir()));
        QCOMPARE(CSplashWnd::Instance(), splash);
        // Its time runs out once a window of the program is shown beside it.
        QWidget mainWindow;
        mainWindow.show();
        QTRY_COMPARE_WITH_TIMEOUT(CSplashWnd::Instance(), nullptr, 10000);
    }

    void keyPressHidesItAndIsSwallowed() {
        QLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        writePicture(QSize(50, 50));
        QVERIFY(CSplashWnd::ShowSplash(programDir()));
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(CSplashWnd::Instance(), nullptr);
        QCOMPARE(edit.text(), QString());
        // The next key reaches the window as usual.
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(edit.text(), QStringLiteral("b"));
    }

    void buttonPressHidesItAndIsSwallowed() {
        QPushButton button(QStringLiteral("x"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy clicked(&button, &QPushButton::clicked);
        writePicture(QSize(50, 50));
        QVERIFY(CSplashWnd::ShowSplash(programDir()));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(CSplashWnd::Instance(), nullptr);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(SplashWndTest)
#include "splash_wnd_test.moc"
