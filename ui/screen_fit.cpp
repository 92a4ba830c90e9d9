#include "ui/screen_fit.h"

#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <QWidget>
#include <algorithm>

void ResizeWithinScreen(QWidget& window, QSize size) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        window.resize(size);
        return;
    }
    const QRect room = screen->availableGeometry();
    // The frame is known once the window system has framed the window;
    // before, a title bar and a border of the style's width stand for it.
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    QMargins frame(border, style->pixelMetric(QStyle::PM_TitleBarHeight), border, border);
    if (const QWindow* handle = window.windowHandle()) {
        const QMargins known = handle->frameMargins();
        frame = QMargins(std::max(frame.left(), known.left()), std::max(frame.top(), known.top()),
                         std::max(frame.right(), known.right()),
                         std::max(frame.bottom(), known.bottom()));
    }
    const QSize most = room.size().shrunkBy(frame);
    window.resize(size.boundedTo(most));
    // Back inside the area, the frame too.
    const QRect outer = window.frameGeometry();
    QPoint corner = outer.topLeft();
    corner.setX(std::max(room.left(), std::min(corner.x(), room.right() + 1 - outer.width())));
    corner.setY(std::max(room.top(), std::min(corner.y(), room.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft()) {
        window.move(corner);
    }
}
