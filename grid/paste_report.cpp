#include "grid/paste_report.h"

#include "grid/channel_grid_model.h"
#include "ui/cell_message.h"

#include <QCoreApplication>
#include <QStringList>
#include <map>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("PasteReport", text);
}

QString RowName(int row) {
    return row == kChannelRows ? QStringLiteral("Fr") : QString::number(row);
}

QString ColumnName(int col, const TextCatalogue& texts) {
    if (col >= 1 && col <= kChannelColumns) {
        return QString::fromStdString(texts.Tr(ColumnHeader(col))).trimmed();
    }
    return QString::number(col);
}

} // namespace

PasteReportText PasteReport(const std::vector<RefusedCell>& refused, const TextCatalogue& texts) {
    // Row -> "column: why" of each refused cell, rows in grid order.
    std::map<int, QStringList> rows;
    for (const RefusedCell& cell : refused) {
        const QString why = cell.messageId != 0 ? StringTableString(cell.messageId)
                                                : QString::fromStdString(texts.Tr(cell.reason));
        rows[cell.row] << Tr("%1: %2").arg(ColumnName(cell.col, texts), why);
    }
    PasteReportText report;
    report.summary = Tr("Pasted cells refused: %1. They keep what they held.")
                         .arg(static_cast<int>(refused.size()));
    for (const auto& [row, cells] : rows) {
        report.lines << Tr("Row %1: %2").arg(RowName(row), cells.join(QStringLiteral("; ")));
    }
    return report;
}
