#include "model/channel_columns.h"

TextId ColumnHeader(int col) {
    switch (col) {
    case 0:
        return TEXT_ID("ChannelColumns", "CH");
    case kColRx:
        return TEXT_ID("ChannelColumns", "Rx Frequency");
    case kColTx:
        return TEXT_ID("ChannelColumns", "Tx Frequency");
    case kColDecodeTone:
        return TEXT_ID("ChannelColumns", "QT/DQT Dec");
    case kColEncodeTone:
        return TEXT_ID("ChannelColumns", "QT/DQT Enc");
    case kColName:
        return TEXT_ID("ChannelColumns", "Chnnel Name");
    case kColPower:
        return TEXT_ID("ChannelColumns", "Power");
    case kColWidth:
        return TEXT_ID("ChannelColumns", " W/N ");
    case kColScan:
        return TEXT_ID("ChannelColumns", "Scan Add");
    case kColBusy:
        return TEXT_ID("ChannelColumns", "Busy Lock");
    default:
        return {};
    }
}

const char* ChannelColumnKey(int col) {
    static constexpr const char* kKeys[kChannelColumns] = {"rx",    "tx",    "dec",  "enc", "name",
                                                           "power", "width", "scan", "busy"};
    return col >= 1 && col <= kChannelColumns ? kKeys[col - 1] : "";
}

std::string ChannelRowLabel(int row) {
    return row == kChannelRows ? "Fr" : std::to_string(row);
}
