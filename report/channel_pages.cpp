// The channel pages: five non-empty channels a page, each a block of the
// texts its grid row shows.

#include "model/display_words.h"
#include "report/print_sections.h"
#include "report/section_renderers.h"

#include <algorithm>

namespace report {
namespace {

struct Column {
    TextId label;
    int cell; // grid column; 0: the grid has no such column, printed empty
};

// Left and right column of the six lines of a block.
const Column kLeft[] = {
    {TEXT_ID("ReportChannels", "Receive Frequency:"), kColRx},
    {TEXT_ID("ReportChannels", "Transceive Frequency:"), kColTx},
    {TEXT_ID("ReportChannels", "QT/DQT Decode:"), kColDecodeTone},
    {TEXT_ID("ReportChannels", "QT/DQT Encode:"), kColEncodeTone},
    {TEXT_ID("ReportChannels", "Channel Name:"), kColName},
    {TEXT_ID("ReportChannels", "Transmit Power:"), kColPower},
};
const Column kRight[] = {
    {TEXT_ID("ReportChannels", "Wide/Narrow:"), kColWidth},
    {TEXT_ID("ReportChannels", "Scan Add:"), kColScan},
    {TEXT_ID("ReportChannels", "PTT ID:"), 0},
    {TEXT_ID("ReportChannels", "Busy Lock:"), kColBusy},
    {TEXT_ID("ReportChannels", "Optional Singal:"), 0},
};

// The busy lock's tone-lock word ("QT/DQT Tone" in the grid) is printed short.
std::string BusyLockText(const std::string& cell) {
    return cell == "QT/DQT Tone" ? std::string(WordText(Word::ToneLock, false)) : cell;
}

} // namespace

void DrawChannelPage(const ReportInput& input, int channelPage, PageWriter& out) {
    out.Title(out.Tr("ReportChannels", "Channel Infomation"));
    const std::vector<int> rows = NonEmptyChannelRows(input.channels);
    const int first = (channelPage - 1) * kChannelsPerPage;
    const int end = std::min(first + kChannelsPerPage, static_cast<int>(rows.size()));
    const int Lb = out.Scale().Lbody;
    for (int j = 0; first + j < end; ++j) {
        const int row = rows[static_cast<std::size_t>(first + j)];
        const int y0 = -(4 + 8 * j) * Lb;
        out.At(4, y0,
               FormatText(out.Tr("ReportChannels", "Channel %1:"),
                          {row == kChannelRows ? "FR" : std::to_string(row)}));
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
            out.At(5, y, out.Tr(left.label));
            out.At(24, y, cellText(left));
            if (line <= 5) {
                const Column& right = kRight[line - 1];
                out.At(40, y, out.Tr(right.label));
                out.At(55, y, cellText(right));
            }
        }
    }
}

} // namespace report
