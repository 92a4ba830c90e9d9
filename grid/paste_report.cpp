#include "grid/paste_report.h"

#include "grid/channel_grid_model.h"
#include "ui/cell_message.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("PasteReport", text);
}

QString RowName(int row) {
    return row == kChannelRows ? QStringLiteral("Fr") : QString::number(row);
}

QString ColumnName(int col) {
    if (col >= 1 && col <= kChannelColumns) {
        return QString::fromUtf8(ColumnHeaderText(col)).trimmed();
    }
    return QString::number(col);
}

} // namespace

QString PasteReport(const std::vector<RefusedCell>& refused) {
    QStringList lines;
    lines << Tr("Pasted cells refused: %1. They keep what they held.")
                 .arg(static_cast<int>(refused.size()));
    const int listed = std::min<int>(kPasteReportLines, static_cast<int>(refused.size()));
    for (int i = 0; i < listed; ++i) {
        const RefusedCell& cell = refused[static_cast<std::size_t>(i)];
        const QString why = cell.messageId != 0 ? StringTableString(cell.messageId)
                                                : QString::fromStdString(cell.reason);
        lines << Tr("Row %1, %2: %3").arg(RowName(cell.row), ColumnName(cell.col), why);
    }
    if (static_cast<int>(refused.size()) > listed) {
        lines << Tr("... and %1 more.").arg(static_cast<int>(refused.size()) - listed);
    }
    return lines.join(QLatin1Char('\n'));
}
