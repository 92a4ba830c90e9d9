#include "ui/table_width.h"

#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace {

// The screen width the dialogs were laid out for.
constexpr double kDesignScreenWidth = 1024.0;

} // namespace

double NarrowScreenShare(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? std::min(1.0, screen->availableGeometry().width() / kDesignScreenWidth) : 1.0;
}

void FitWidthToColumns(QTableWidget* table) {
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        width += table->columnWidth(column);
    }
    table->setMinimumWidth(width);
}
