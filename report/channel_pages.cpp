// The channel pages: five non-empty channels a page, each a block of the
// texts its grid row shows.

#include "model/display_words.h"
#include "report/print_sections.h"
#include "report/section_renderers.h"

#include <algorithm>

namespace report {
namespace {

struct Column {
    const char* english;
    const char* chinese;
    int cell; // grid column; 0: the grid has no such column, printed empty
};

// Left and right column of the six lines of a block.
constexpr Column kLeft[] = {
    {"Receive Frequency:", "接收频率:", kColRx},
    {"Transceive Frequency:", "发射频率:", kColTx},
    {"QT/DQT Decode:", "QT/DQT 解码:", kColDecodeTone},
    {"QT/DQT Encode:", "QT/DQT 编码:", kColEncodeTone},
    {"Channel Name:", "信道名字:", kColName},
    {"Transmit Power:", "发射功率:", kColPower},
};
constexpr Column kRight[] = {
    {"Wide/Narrow:", "宽/窄:", kColWidth},
    {"Scan Add:", "扫描添加:", kColScan},
    {"PTT ID:", "PTT ID:", 0},
    {"Busy Lock:", "繁忙锁定:", kColBusy},
    {"Optional Singal:", "可选信号:", 0},
};

// The busy lock's tone-lock word ("QT/DQT Tone" in the grid) is printed short.
std::string BusyLockText(const std::string& cell) {
    return cell == "QT/DQT Tone" ? std::string(WordText(Word::ToneLock, false)) : cell;
}

} // namespace

void DrawChannelPage(const ReportInput& input, int channelPage, PageWriter& out) {
    out.Title("Channel Infomation", "信道信息");
    const std::vector<int> rows = NonEmptyChannelRows(input.channels);
    const int first = (channelPage - 1) * kChannelsPerPage;
    const int end = std::min(first + kChannelsPerPage, static_cast<int>(rows.size()));
    const int Lb = out.Scale().Lbody;
    for (int j = 0; first + j < end; ++j) {
        const int row = rows[static_cast<std::size_t>(first + j)];
        const int y0 = -(4 + 8 * j) * Lb;
        out.At(4, y0,
               out.Tr("Channel ", "信道 ") + (row == kChannelRows ? "FR" : std::to_string(row)) + ":");
        const auto cellText = [&](const Column& column) {
            if (column.cell == 0) {
                return std::string();
            }
            const std::string& text = Cell(input.channels, row, column.cell);
            return column.cell == kColBusy ? BusyLockText(text) : text;
        };
        for (int line = 1; line <= 6; ++line) {
            const int y = y0 - line * Lb;
            const Column& left = kLeft[line - 1];
            out.At(5, y, out.Tr(left.english, left.chinese));
            out.At(24, y, cellText(left));
            if (line <= 5) {
                const Column& right = kRight[line - 1];
                out.At(40, y, out.Tr(right.english, right.chinese));
                out.At(55, y, cellText(right));
            }
        }
    }
}

} // namespace report
