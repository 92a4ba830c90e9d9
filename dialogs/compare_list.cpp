#include "dialogs/compare_list.h"

#include <QStringList>
#include <QTableWidget>

int ShowMatchingRows(QTableWidget& table, const QString& filter) {
    const QString wanted = filter.trimmed();
    int shown = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        bool matches = wanted.isEmpty();
        for (int col = 0; col < table.columnCount() && !matches; ++col) {
            const QTableWidgetItem* item = table.item(row, col);
            matches = item != nullptr && item->text().contains(wanted, Qt::CaseInsensitive);
        }
        table.setRowHidden(row, !matches);
        shown += matches ? 1 : 0;
    }
    return shown;
}

QString ShownRowsText(const QTableWidget& table) {
    QStringList lines;
    QStringList titles;
    for (int col = 0; col < table.columnCount(); ++col) {
        const QTableWidgetItem* title = table.horizontalHeaderItem(col);
        titles << (title != nullptr ? title->text() : QString());
    }
    lines << titles.join(QLatin1Char('\t'));
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.isRowHidden(row)) {
            continue;
        }
        QStringList cells;
        for (int col = 0; col < table.columnCount(); ++col) {
            const QTableWidgetItem* item = table.item(row, col);
            cells << (item != nullptr ? item->text() : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
