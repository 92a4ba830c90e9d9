#include "model/cell_block.h"

#include "model/blank_text.h"
#include "model/cell_commit.h"

#include <algorithm>

namespace {

std::vector<int> Distinct(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

bool InGrid(int row, int col) {
    return row >= 1 && row <= kChannelRows && col >= 1 && col <= kChannelColumns;
}

bool HasFrequencies(const ChannelTable& table, int row) {
    return !Cell(table, row, kColRx).empty() || !Cell(table, row, kColTx).empty();
}

// Spreadsheets pad numbers and words with spaces; names keep theirs.
std::string_view Trimmed(std::string_view text, int col) {
    return col == kColName ? text : TrimBlanks(text);
}

// Commits one pasted text into its cell; false, with why filled in, when refused.
bool PasteOne(ChannelTable& table, const BandPlan& bands, bool bChinese, int row, int col,
              std::string_view text, RefusedCell& why) {
    why = RefusedCell{row, col, 0, {}};
    if (!InGrid(row, col)) {
        why.reason = TEXT_ID("CellBlock", "the cell lies outside the grid");
        return false;
    }
    if (col != kColRx && !HasFrequencies(table, row)) {
        if (text.empty()) {
            return true;
        }
        why.reason = TEXT_ID("CellBlock", "the row holds no channel (no receive frequency)");
        return false;
    }
    const EditorInput input = EditorInputFor(col, text, bChinese);
    if (!input.ok) {
        why.reason = input.reason;
        return false;
    }
    // Committed as with Enter: a refused frequency leaves the row as it was.
    const CommitResult result =
        CommitCellEdit(table, bands, row, col, input.text, bChinese, CommitTrigger::Enter);
    if (result.Refused()) {
        why.messageId = result.messageId;
        return false;
    }
    return true;
}

} // namespace

CellBlock CopyCells(const ChannelTable& table, const std::vector<GridCell>& selection) {
    std::vector<int> rows;
    std::vector<int> cols;
    for (const GridCell& cell : selection) {
        if (InGrid(cell.row, cell.col)) {
            rows.push_back(cell.row);
            cols.push_back(cell.col);
        }
    }
    rows = Distinct(std::move(rows));
    cols = Distinct(std::move(cols));
    CellBlock block;
    for (int row : rows) {
        std::vector<std::string>& line = block.emplace_back();
        for (int col : cols) {
            line.push_back(Cell(table, row, col));
        }
    }
    return block;
}

PasteResult PasteCells(ChannelTable& table, const BandPlan& bands, int row, int col,
                       const CellBlock& block, bool bChinese) {
    PasteResult result;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            RefusedCell why;
            const int targetRow = row + static_cast<int>(r);
            const int targetCol = col + static_cast<int>(c);
            if (PasteOne(table, bands, bChinese, targetRow, targetCol,
                         Trimmed(block[r][c], targetCol), why)) {
                ++result.accepted;
            } else {
                result.refused.push_back(std::move(why));
            }
        }
    }
    return result;
}

int EmptyCells(ChannelTable& table, const BandPlan& bands, const std::vector<GridCell>& selection) {
    const ChannelTable before = table;
    for (const GridCell& cell : selection) {
        if (InGrid(cell.row, cell.col) && (cell.col == kColRx || cell.col == kColName) &&
            HasFrequencies(table, cell.row)) {
            // An emptied cell gets no word, so the words' language is moot.
            CommitCellEdit(table, bands, cell.row, cell.col, "", false);
        }
    }
    int changed = 0;
    for (int row = 1; row <= kChannelRows; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        changed += table[index] != before[index] ? 1 : 0;
    }
    return changed;
}
