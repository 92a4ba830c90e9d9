#include "ui/screen_fit.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

void ResizeWithinScreen(QWidget& window, QSize size) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        window.resize(size);
        return;
    }
    const QRect room = screen->availableGeometry();
    // The frame is known once the window has been shown; before, the title
    // bar is the part of it that counts.
    QMargins frame(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    if (window.isVisible()) {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize most = room.size().shrunkBy(frame);
    window.resize(size.boundedTo(most).expandedTo(window.minimumSizeHint().boundedTo(most)));
    // Back inside the area, the frame too.
    const QRect outer = window.frameGeometry();
    QPoint corner = outer.topLeft();
    corner.setX(std::max(room.left(), std::min(corner.x(), room.right() + 1 - outer.width())));
    corner.setY(std::max(room.top(), std::min(corner.y(), room.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft()) {
        window.move(corner);
    }
}
