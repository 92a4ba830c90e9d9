#include "grid/channel_grid_model.h"

#include "model/language.h"
#include "ui/list_grid_look.h"

#include <QBrush>

const char* ColumnHeaderText(int col) {
    switch (col) {
    case 0:
        return Tr2("CH", "信道");
    case kColRx:
        return Tr2("Rx Frequency", "接收频率");
    case kColTx:
        return Tr2("Tx Frequency", "发射频率");
    case kColDecodeTone:
        return Tr2("QT/DQT Dec", "QT/DQT解码");
    case kColEncodeTone:
        return Tr2("QT/DQT Enc", "QT/DQT编码");
    case kColName:
        return Tr2("Chnnel Name", "信道名字");
    case kColPower:
        return Tr2("Power", "功率");
    case kColWidth:
        return Tr2(" W/N ", "宽/窄");
    case kColScan:
        return Tr2("Scan Add", "扫描添加");
    case kColBusy:
        return Tr2("Busy Lock", "繁忙锁定");
    default:
        return "";
    }
}

ChannelGridModel::ChannelGridModel(QObject* parent) : QAbstractTableModel(parent) {}

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
            return QString::fromUtf8(ColumnHeaderText(section + 1));
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
