#pragma once
// The channel table as the grid shows it: 129 rows (channels 1..128 and the
// row labelled "Fr") of nine texts in grid column order. Texts are UTF-8.

#include "model/image_layout.h"

#include <array>
#include <string>

// One grid row per channel record.
inline constexpr int kChannelRows = layout::kChannelRecordCount;
inline constexpr int kChannelColumns = 9;

enum ChannelColumn : int {
    kColRx = 1,
    kColTx = 2,
    kColDecodeTone = 3,
    kColEncodeTone = 4,
    kColName = 5,
    kColPower = 6,
    kColWidth = 7,
    kColScan = 8,
    kColBusy = 9,
};

// Index 0 holds grid column 1.
using ChannelTexts = std::array<std::string, kChannelColumns>;
// Index 0 holds grid row 1 (record 0).
using ChannelTable = std::array<ChannelTexts, kChannelRows>;

// Grid cell (row 1..129, column 1..9) of a table.
inline std::string& Cell(ChannelTable& table, int row, int col) { return table[row - 1][col - 1]; }
inline const std::string& Cell(const ChannelTable& table, int row, int col) {
    return table[row - 1][col - 1];
}
