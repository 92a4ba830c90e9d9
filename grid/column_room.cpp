#include "grid/column_room.h"

#include "grid/cell_editors.h"
#include "grid/channel_grid.h"
#include "model/cell_commit.h"
#include "model/channel_table.h"
#include "ui/list_grid_look.h"
#include "ui/text_room.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <algorithm>

namespace {

// The widest texts an edit of the grid takes: a frequency of nine digits,
// and a name of seven bytes, in single-byte characters or as three
// double-byte ones and one single-byte.
QStringList EditSamples(int col) {
    if (col == kColName) {
        return {QString(kNameEditMaxBytes, QLatin1Char('W')),
                QString::fromUtf8("\u4FE1\u4FE1\u4FE1W")};
    }
    return {QString(kFrequencyEditMaxChars, QLatin1Char('0'))};
}

int ValueWidth(const ChannelGrid& grid, const CellEditors& editors, int col) {
    const QFont font = col == kColName ? FixedPitchFont() : grid.font();
    QStringList values;
    if (const auto* list = qobject_cast<const QComboBox*>(editors.ForColumn(col))) {
        for (int i = 0; i < list->count(); ++i) {
            values << list->itemText(i);
        }
    } else {
        values = EditSamples(col);
    }
    int width = 0;
    for (const QString& value : values) {
        width = std::max(width, CellTextWidth(&grid, font, value));
    }
    return width;
}

} // namespace

ColumnWidths ColumnTextWidths(const ChannelGrid& grid, const CellEditors& editors) {
    ColumnWidths widths{};
    const QHeaderView* header = grid.horizontalHeader();
    widths[0] = std::max(grid.verticalHeader()->sizeHint().width(),
                         HeaderTextWidth(header, grid.CornerText()));
    for (int col = 1; col < static_cast<int>(widths.size()); ++col) {
        const QString text = grid.model()->headerData(col - 1, Qt::Horizontal).toString();
        widths[static_cast<std::size_t>(col)] =
            std::max(HeaderTextWidth(header, text), ValueWidth(grid, editors, col));
    }
    return widths;
}
