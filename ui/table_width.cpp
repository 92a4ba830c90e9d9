#include "ui/table_width.h"

#include <QScrollBar>
#include <QTableWidget>

void FitWidthToColumns(QTableWidget* table) {
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        width += table->columnWidth(column);
    }
    table->setMinimumWidth(width);
}
