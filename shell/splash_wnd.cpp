#include "shell/splash_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

namespace {

bool s_enabled = false;
bool s_pictureLoaded = false;
CSplashWnd* s_instance = nullptr;

// The events that take the splash away: key presses and mouse button presses
// inside or outside a window's client area.
bool hidesSplash(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        return true;
    default:
        return false;
    }
}

} // namespace

void CSplashWnd::EnableSplash(bool enable) {
    s_enabled = enable;
}

CSplashWnd* CSplashWnd::Instance() {
    return s_instance;
}

bool CSplashWnd::ShowSplash(const QString& programDir) {
    if (!s_enabled || s_instance) {
        return s_enabled && s_pictureLoaded;
    }
    const QPixmap picture(programDir + QStringLiteral("startup.bmp"));
    s_pictureLoaded = !picture.isNull();
    if (!s_pictureLoaded) {
        return false;
    }
    s_instance = new CSplashWnd(picture);
    s_instance->show();
    s_instance->repaint();
    return true;
}

void CSplashWnd::HideSplash() {
    CSplashWnd* splash = s_instance;
    if (!splash) {
        return;
    }
    s_instance = nullptr;
    qApp->removeEventFilter(splash);
    splash->hide();
    // Destroyed once the event that hid it is done with it.
    splash->deleteLater();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != splash && window->isVisible()) {
            window->repaint();
        }
    }
}

CSplashWnd::CSplashWnd(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    m_timerId = startTimer(kShowMs);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    if (s_instance == this) {
        s_instance = nullptr;
        qApp->removeEventFilter(this);
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timerId) {
        // Start-up waits with the splash on screen before it builds the
        // main window: the splash stays until its time has passed once more
        // with a window of the program shown beside it.
        const auto windows = QApplication::topLevelWidgets();
        const bool otherShown = std::any_of(windows.begin(), windows.end(), [this](QWidget* w) {
            return w != this && w->isVisible() && w->windowType() != Qt::ToolTip;
        });
        if (!otherShown) {
            return;
        }
        killTimer(m_timerId);
        m_timerId = 0;
        HideSplash();
    }
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
    if (s_instance == this && hidesSplash(event)) {
        HideSplash();
        return true;
    }
    return false;
}
