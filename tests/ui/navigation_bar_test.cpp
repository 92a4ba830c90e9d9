// The navigation bar driven with real mouse events: caption, close button,
// tooltip, resize drag with its limits.

#include "settings/program_context.h"
#include "ui/navigation_bar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <QTreeWidget>

#include <fstream>
#include <memory>

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void press(QWidget* w, QPoint p) {
    sendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
}
void dragTo(QWidget* w, QPoint p) {
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
}
void hover(QWidget* w, QPoint p) {
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
}
void release(QWidget* w, QPoint p) {
    sendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

} // namespace

class NavigationBarTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ProgramContext m_context;
    std::unique_ptr<QWidget> m_host;
    CNavigationBar* m_bar = nullptr;

    void loadSettings(const char* text) {
        const std::string path = m_dir.filePath(QStringLiteral("Program.ini")).toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        m_context.Profile().Load(path, false, true, false);
        m_context.strLanguage = "English";
    }

    // A bar at the left of an 800 x 600 window: half the window is 400.
    void makeBar() {
        m_host = std::make_unique<QWidget>();
        m_host->resize(800, 600);
        m_bar = new CNavigationBar(m_context, m_host.get());
        m_bar->setGeometry(0, 0, m_bar->BarWidth(), 600);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    QPoint stripPoint() const { return m_bar->ResizeStrip().center(); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        loadSettings("[English]\nCompany=Test Maker\n");
        makeBar();
    }
    void cleanup() {
        m_host.reset();
        m_context.Profile().Clear();
    }

    void startsWithItsSizesCaptionAndTree() {
        QCOMPARE(m_bar->BarWidth(), 185);
        QCOMPARE(m_bar->width(), 185);
        // "company" finds the key written "Company".
        QCOMPARE(m_bar->CaptionText(), QStringLiteral("Test Maker"));
        QTreeWidget* tree = m_bar->Tree();
        QCOMPARE(tree->objectName(), QStringLiteral("1030"));
        QCOMPARE(tree->parentWidget(), m_bar);
        QCOMPARE(tree->geometry(), QRect(QPoint(5, 31), QPoint(185 - 8 - 1, 600 - 51 - 1)));
        QCOMPARE(m_bar->FrameRect(), QRect(QPoint(4, 7), QPoint(185 - 6 - 1, 600 - 49 - 1)));
        QCOMPARE(m_bar->ResizeStrip(), QRect(179, 7, 6, 544));
    }

    void widensToItsTreeLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("widens");
        QTest::newRow("short labels: keeps its width") << QStringLiteral("DTMF") << false;
        QTest::newRow("a long label: widens")
            << QStringLiteral("Channel Information and a good deal more") << true;
    }
    void widensToItsTreeLabels() {
        QFETCH(QString, label);
        QFETCH(bool, widens);
        QTreeWidget* tree = m_bar->Tree();
        auto* root = new QTreeWidgetItem(tree, QStringList(QStringLiteral("Root")));
        auto* item = new QTreeWidgetItem(root, QStringList(label));
        root->setExpanded(true);
        m_bar->FitToTree();
        QCOMPARE(m_bar->BarWidth() > 185, widens);
        QCOMPARE(m_bar->width(), m_bar->BarWidth());
        m_bar->setGeometry(0, 0, m_bar->BarWidth(), 600);
        QApplication::processEvents();
        // The label's text ends inside the tree's cell area.
        const int textEnd =
            tree->visualItemRect(item).x() + tree->fontMetrics().horizontalAdvance(label);
        QVERIFY2(textEnd <= tree->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(textEnd).arg(tree->viewport()->width())));
    }

    void emptyCompanyGivesEmptyCaptionAndAWorkingClose() {
        m_host.reset();
        loadSettings("[English]\nTitle=t\n");
        makeBar();
        QCOMPARE(m_bar->CaptionText(), QString());
        QSignalSpy closed(m_bar, &CNavigationBar::closeRequested);
        const QPoint c = m_bar->CloseButtonRect().center();
        press(m_bar, c);
        release(m_bar, c);
        QCOMPARE(closed.count(), 1);
    }

    void dragLimits_data() {
        QTest::addColumn<int>("releaseX");
        QTest::addColumn<int>("trackingX");
        QTest::addColumn<int>("width");
        QTest::newRow("left of 80 tracks at 80, keeps the pointer") << 30 << 80 << 30;
        QTest::newRow("below 11 becomes 11") << 4 << 80 << 11;
        QTest::newRow("negative becomes 11") << -50 << 80 << 11;
        QTest::newRow("inside the limits") << 250 << 250 << 250;
        QTest::newRow("beyond half the window stops at half") << 700 << 400 << 400;
    }
    void dragLimits() {
        QFETCH(int, releaseX);
        QFETCH(int, trackingX);
        QFETCH(int, width);
        QSignalSpy changed(m_bar, &CNavigationBar::barWidthChanged);
        const QPoint start = stripPoint();
        hover(m_bar, start);
        press(m_bar, start);
        dragTo(m_bar, QPoint(releaseX, start.y()));
        QCOMPARE(m_bar->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(m_bar->TrackingX(), std::optional<int>(trackingX));
        release(m_bar, QPoint(releaseX, start.y()));
        QCOMPARE(m_bar->TrackingX(), std::optional<int>());
        QCOMPARE(m_bar->BarWidth(), width);
        QCOMPARE(m_bar->width(), width);
        QCOMPARE(changed.count(), 1);
    }

    void pressOutsideTheStripDoesNotResize() {
        press(m_bar, QPoint(100, 300));
        dragTo(m_bar, QPoint(300, 300));
        QCOMPARE(m_bar->TrackingX(), std::optional<int>());
        release(m_bar, QPoint(300, 300));
        QCOMPARE(m_bar->BarWidth(), 185);
    }

    void pointerShapeOverTheStrip() {
        hover(m_bar, stripPoint());
        QCOMPARE(m_bar->cursor().shape(), Qt::SizeHorCursor);
        hover(m_bar, QPoint(50, 300));
        QCOMPARE(m_bar->cursor().shape(), Qt::ArrowCursor);
    }

    void closeButtonLooks() {
        QSignalSpy closed(m_bar, &CNavigationBar::closeRequested);
        const QPoint c = m_bar->CloseButtonRect().center();
        const QPoint away(60, 300);
        hover(m_bar, c);
        QVERIFY(m_bar->IsCloseHot());
        QVERIFY(!m_bar->IsClosePressed());
        hover(m_bar, away);
        QVERIFY(!m_bar->IsCloseHot());
        // Leaving the bar straight from the button clears its look too.
        hover(m_bar, c);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_bar, &leave);
        QVERIFY(!m_bar->IsCloseHot());

        // Pressed on the button, moved off and released elsewhere: still there.
        press(m_bar, c);
        QVERIFY(m_bar->IsClosePressed());
        QVERIFY(!m_bar->IsCloseHot());
        dragTo(m_bar, away);
        QVERIFY(!m_bar->IsClosePressed());
        dragTo(m_bar, c);
        QVERIFY(m_bar->IsClosePressed());
        dragTo(m_bar, away);
        release(m_bar, away);
        QCOMPARE(closed.count(), 0);
        QVERIFY(!m_bar->IsClosePressed());
        QVERIFY(m_bar->isVisible());
    }

    void closeTooltip() {
        const QPoint c = m_bar->CloseButtonRect().center();
        QHelpEvent over(QEvent::ToolTip, c, m_bar->mapToGlobal(c));
        QApplication::sendEvent(m_bar, &over);
        QCOMPARE(QToolTip::text(), QStringLiteral("Close"));
        QHelpEvent elsewhere(QEvent::ToolTip, QPoint(60, 300), m_bar->mapToGlobal(QPoint(60, 300)));
        QApplication::sendEvent(m_bar, &elsewhere);
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 5000);
    }

    void chineseTooltip() {
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(CHINESE_QM)));
        QCoreApplication::installTranslator(&chinese);
        const QPoint c = m_bar->CloseButtonRect().center();
        QHelpEvent over(QEvent::ToolTip, c, m_bar->mapToGlobal(c));
        QApplication::sendEvent(m_bar, &over);
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(QToolTip::text(), QStringLiteral("关闭"));
    }
};

QTEST_MAIN(NavigationBarTest)
#include "navigation_bar_test.moc"
