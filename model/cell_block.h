#pragma once
// Blocks of cells of the channel table, as the clipboard carries them: copy a
// selection out as rows of texts, paste rows of texts in from a cell, and
// empty cells. Everything a cell receives goes through the grid's commit
// rules (cell_commit.h), so a paste or an emptied cell is refused exactly where
// typing the same text into the cell would be.

#include "model/band.h"
#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <string>
#include <vector>

// Rows of texts; rows may differ in length.
using CellBlock = std::vector<std::vector<std::string>>;

// A grid cell (row 1..129, column 1..9).
struct GridCell {
    int row = 0;
    int col = 0;
    bool operator==(const GridCell&) const = default;
};

// The texts of the selected cells, as the block of every selected row by
// every selected column, rows and columns in grid order. A selection of
// whole rows gives whole rows; a rectangle gives that rectangle.
CellBlock CopyCells(const ChannelTable& table, const std::vector<GridCell>& selection);

// A pasted cell the rules refused.
struct RefusedCell {
    int row = 0;       // grid row, or beyond the grid's last row
    int col = 0;       // grid column, or beyond the last column
    int messageId = 0; // the grid's string-table message, or 0
    TextId reason;     // else why
};

struct PasteResult {
    int accepted = 0; // cells that took their text
    std::vector<RefusedCell> refused;
    bool Changed() const { return accepted > 0; }
};

// Pastes block into table with its first text at (row, col): row by row,
// left to right, each text committed as if typed into its cell and the cell
// left. A refused cell keeps what it held (a receive frequency off the step
// does not empty its row here: only that cell is refused) and the paste goes
// on. Frequencies are checked against the limits of bands. Texts for cells
// beyond the grid are refused; empty texts for a row without frequencies are
// accepted silently (they change nothing). Words (either language) are kept
// in Chinese when bChinese, else in English, as the grid's lists show them.
PasteResult PasteCells(ChannelTable& table, const BandPlan& bands, int row, int col,
                       const CellBlock& block, bool bChinese);

// Empties the selected cells as emptying their editor would: an emptied
// receive frequency deletes its channel and an emptied name clears the name;
// the other columns of a channel cannot be empty and keep their text.
// Returns the number of rows that changed.
int EmptyCells(ChannelTable& table, const BandPlan& bands, const std::vector<GridCell>& selection);
