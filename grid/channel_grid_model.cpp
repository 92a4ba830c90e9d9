#include "grid/channel_grid_model.h"

#include "ui/list_grid_look.h"

#include <QBrush>

ChannelGridModel::ChannelGridModel(const TextCatalogue& texts, QObject* parent)
    : QAbstractTableModel(parent), m_texts(texts) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelRows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelColumns;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_table[index.row()][index.column()]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole:
        if (index.column() + 1 == kColName) {
            return FixedPitchFont();
        }
        return {};
    default:
        return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        if (orientation == Qt::Horizontal) {
            return QString::fromStdString(m_texts.Tr(ColumnHeader(section + 1)));
        }
        return section + 1 < kChannelRows ? QString::number(section + 1) : QStringLiteral("Fr");
    case Qt::ForegroundRole:
        return QBrush(kFixedCellColour);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

const std::string& ChannelGridModel::Cell(int row, int col) const {
    return ::Cell(m_table, row, col);
}

void ChannelGridModel::SetCell(int row, int col, const std::string& text) {
    std::string& cell = ::Cell(m_table, row, col);
    if (cell == text) {
        return;
    }
    cell = text;
    const QModelIndex changed = CellIndex(row, col);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ChannelGridModel::TableReplaced() {
    emit dataChanged(index(0, 0), index(kChannelRows - 1, kChannelColumns - 1), {Qt::DisplayRole});
}

void ChannelGridModel::RowChanged(int row) {
    emit dataChanged(index(row - 1, 0), index(row - 1, kChannelColumns - 1), {Qt::DisplayRole});
}
