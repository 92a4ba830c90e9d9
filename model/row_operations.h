#pragma once
// Operations on whole rows of the channel table: insert an empty row, remove
// rows, move rows up or down. Rows are grid rows: 1..128 are the channels,
// 129 is the row labelled "Fr", which keeps its place whatever happens to the
// rows above it. An operation either does all it was asked or changes nothing;
// it refuses rather than push a channel past row 128 or move the "Fr" row.

#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <vector>

// The row labelled "Fr" and the last row a channel can be moved to.
inline constexpr int kFrRow = kChannelRows;
inline constexpr int kLastMovableRow = kFrRow - 1;

enum class RowRefusal {
    None,
    NoRows,         // nothing selected
    FrRowFixed,     // the "Fr" row was asked to move
    PastLastRow,    // a channel would be pushed past row 128
    BeforeFirstRow, // a row would be moved above row 1
};

struct RowOperationResult {
    RowRefusal refusal = RowRefusal::None;
    // The rows that hold the moved or inserted rows afterwards (the new
    // selection); empty when refused.
    std::vector<int> rows;
    bool Done() const { return refusal == RowRefusal::None; }
};

// True when every cell of the row (1..129) is empty.
bool IsEmptyRow(const ChannelTable& table, int row);

// Puts an empty row at `row` (1..128) and moves rows row..127 down by one.
// Refused for the "Fr" row and when row 128 holds anything.
RowOperationResult InsertRow(ChannelTable& table, int row);

// Takes the given channel rows out and moves the rows below them up; the
// freed rows at the end of the channels are empty. The "Fr" row among them is
// emptied in its place. Rows out of 1..129 are ignored.
RowOperationResult RemoveRows(ChannelTable& table, const std::vector<int>& rows);

// Moves the given rows one row up (delta -1) or down (delta +1); each row
// passed over takes the place the moved block left. Refused when a row is the
// "Fr" row or would leave rows 1..128.
RowOperationResult MoveRows(ChannelTable& table, const std::vector<int>& rows, int delta);

// Why an operation was refused, in the language in use ("" for None).
TextId RowRefusalWords(RowRefusal refusal);
