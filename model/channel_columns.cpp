#include "model/channel_columns.h"

#include "model/language.h"

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

const char* ChannelColumnKey(int col) {
    static constexpr const char* kKeys[kChannelColumns] = {"rx",    "tx",    "dec",  "enc", "name",
                                                           "power", "width", "scan", "busy"};
    return col >= 1 && col <= kChannelColumns ? kKeys[col - 1] : "";
}

std::string ChannelRowLabel(int row) {
    return row == kChannelRows ? "Fr" : std::to_string(row);
}
