#pragma once
// The channel table as an item model: 129 rows (channels 1..128 and "Fr")
// by the nine columns of a channel. The horizontal header holds the column
// titles of the language in use, the vertical header the row labels; both
// are drawn in the fixed-cell colour. Cells are not edited through Qt's
// delegates: the view lays its own editors over the current cell.

#include "model/channel_columns.h"
#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <QAbstractTableModel>
#include <QColor>

// Text colour of the header row and the label column.
inline const QColor kFixedCellColour(0, 51, 240);

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // texts: the program's catalogue, in which the headers are shown.
    explicit ChannelGridModel(const TextCatalogue& texts, QObject* parent = nullptr);

    const TextCatalogue& Texts() const { return m_texts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid cell (row 1..129, column 1..9) as UTF-8 text.
    const std::string& Cell(int row, int col) const;
    void SetCell(int row, int col, const std::string& text);

    const ChannelTable& Table() const { return m_table; }
    ChannelTable& Table() { return m_table; }
    // Tells the views that the whole table changed (after a decode).
    void TableReplaced();
    // Tells the views that a row (1..129) changed in place.
    void RowChanged(int row);

    // Model index of a grid cell (row 1..129, column 1..9).
    QModelIndex CellIndex(int row, int col) const { return index(row - 1, col - 1); }

private:
    const TextCatalogue& m_texts;
    ChannelTable m_table;
};
