#pragma once
// Checks a grid against the shared selection and focus style by drawing its
// viewport into an image: the current cell filled with the application's
// highlight colour and framed on every side, the given other cell unframed,
// and the same highlight kept for an inactive window. Returns what differs,
// or an empty text. The view's in-place editors must be hidden.

#include "ui/current_cell_look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QModelIndex>
#include <QPainter>

inline QString CurrentCellLookFault(QAbstractItemView* view, const QModelIndex& other) {
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || !other.isValid() || other == current) {
        return QStringLiteral("no current cell, or no other cell to compare with");
    }
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (view->palette().color(group, QPalette::Highlight) != highlight) {
            return QStringLiteral("highlight colour of colour group %1 is %2")
                .arg(int(group))
                .arg(view->palette().color(group, QPalette::Highlight).name());
        }
    }
    QWidget* viewport = view->viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    viewport->render(&image);
    const auto at = [&image](int x, int y) { return image.pixelColor(x, y); };

    const QRect cell = view->visualRect(current);
    const int y = cell.center().y();
    const int x = cell.center().x();
    const int inner = kCurrentCellFrameWidth - 1;
    const struct {
        const char* side;
        QPoint point;
    } frame[] = {{"left", {cell.left() + inner, y}},
                 {"right", {cell.right() - inner, y}},
                 {"top", {x, cell.top() + inner}},
                 {"bottom", {x, cell.bottom() - inner}}};
    for (const auto& [side, point] : frame) {
        if (at(point.x(), point.y()) != kCurrentCellFrameColour) {
            return QStringLiteral("%1 frame of the current cell is %2")
                .arg(QLatin1String(side), at(point.x(), point.y()).name());
        }
    }
    // Just inside the frame, clear of the centred text.
    const QColor fill = at(cell.left() + kCurrentCellFrameWidth + 1, y);
    if (fill != highlight) {
        return QStringLiteral("current cell is filled with %1, not %2")
            .arg(fill.name(), highlight.name());
    }
    const QRect plain = view->visualRect(other);
    const QColor edge = at(plain.left() + inner, plain.center().y());
    if (edge == kCurrentCellFrameColour) {
        return QStringLiteral("a cell that is not current is framed");
    }
    return {};
}
