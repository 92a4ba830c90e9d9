#include "model/row_operations.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// A table whose row r holds a channel named "r" (rows listed), the rest empty.
ChannelTable TableWith(const std::vector<int>& rows) {
    ChannelTable table;
    for (int row : rows) {
        Cell(table, row, kColRx) = "145.00000";
        Cell(table, row, kColName) = std::to_string(row);
    }
    return table;
}

// The rows that hold a channel, as row -> name (the row it came from).
std::map<int, std::string> Names(const ChannelTable& table) {
    std::map<int, std::string> names;
    for (int row = 1; row <= kChannelRows; ++row) {
        if (!IsEmptyRow(table, row)) {
            names[row] = Cell(table, row, kColName);
        }
    }
    return names;
}

struct Case {
    const char* what;
    std::vector<int> filled;   // rows holding channels before
    std::vector<int> selected; // the operation's rows
    RowRefusal refusal;
    std::map<int, std::string> after; // ignored when refused (table unchanged)
    std::vector<int> newRows;
};

void Check(const Case& c, const ChannelTable& before, const ChannelTable& table,
           const RowOperationResult& r) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(r.refusal, c.refusal);
    if (c.refusal != RowRefusal::None) {
        EXPECT_EQ(table, before);
        EXPECT_TRUE(r.rows.empty());
        EXPECT_STRNE(RowRefusalWords(r.refusal).source, "");
        return;
    }
    EXPECT_EQ(Names(table), c.after);
    EXPECT_EQ(r.rows, c.newRows);
}

} // namespace

TEST(RowOperationsTest, InsertRow) {
    const Case cases[] = {
        {"insert above a channel moves it and the rows below down",
         {1, 2, 5},
         {2},
         RowRefusal::None,
         {{1, "1"}, {3, "2"}, {6, "5"}},
         {2}},
        {"insert at row 1", {1}, {1}, RowRefusal::None, {{2, "1"}}, {1}},
        {"insert at row 128 with row 128 empty",
         {127},
         {128},
         RowRefusal::None,
         {{127, "127"}},
         {128}},
        {"row 128 holding a channel would be pushed past it",
         {3, 128},
         {3},
         RowRefusal::PastLastRow,
         {},
         {}},
        {"the Fr row never moves", {129}, {129}, RowRefusal::FrRowFixed, {}, {}},
        {"a full channel list with Fr: Fr stays",
         {10, 129},
         {5},
         RowRefusal::None,
         {{11, "10"}, {129, "129"}},
         {5}},
        {"a row outside the grid", {1}, {130}, RowRefusal::NoRows, {}, {}},
    };
    for (const Case& c : cases) {
        ChannelTable table = TableWith(c.filled);
        const ChannelTable before = table;
        const RowOperationResult r = InsertRow(table, c.selected.front());
        Check(c, before, table, r);
    }
}

TEST(RowOperationsTest, RemoveRows) {
    const Case cases[] = {
        {"one row: the rows below move up",
         {1, 2, 3},
         {2},
         RowRefusal::None,
         {{1, "1"}, {2, "3"}},
         {2}},
        {"scattered rows in any order, repeated",
         {1, 2, 3, 4, 5},
         {4, 2, 4},
         RowRefusal::None,
         {{1, "1"}, {2, "3"}, {3, "5"}},
         {2}},
        {"row 128 removed leaves it empty",
         {127, 128},
         {128},
         RowRefusal::None,
         {{127, "127"}},
         {128}},
        {"the last channel row moves up and row 128 becomes empty",
         {1, 128},
         {1},
         RowRefusal::None,
         {{127, "128"}},
         {1}},
        {"Fr among them is emptied in its place",
         {1, 2, 129},
         {1, 129},
         RowRefusal::None,
         {{1, "2"}},
         {1}},
        {"Fr alone", {5, 129}, {129}, RowRefusal::None, {{5, "5"}}, {129}},
        {"Fr is not pulled up into the channels",
         {1, 129},
         {1},
         RowRefusal::None,
         {{129, "129"}},
         {1}},
        {"nothing selected", {1}, {}, RowRefusal::NoRows, {}, {}},
        {"only rows outside the grid", {1}, {0, 200}, RowRefusal::NoRows, {}, {}},
    };
    for (const Case& c : cases) {
        ChannelTable table = TableWith(c.filled);
        const ChannelTable before = table;
        Check(c, before, table, RemoveRows(table, c.selected));
    }
}

TEST(RowOperationsTest, MoveRowsUp) {
    const Case cases[] = {
        {"one row swaps with the one above",
         {2, 3},
         {3},
         RowRefusal::None,
         {{2, "3"}, {3, "2"}},
         {2}},
        {"into an empty row", {5}, {5}, RowRefusal::None, {{4, "5"}}, {4}},
        {"a block of adjacent rows moves as a whole",
         {2, 3, 4},
         {3, 4},
         RowRefusal::None,
         {{2, "3"}, {3, "4"}, {4, "2"}},
         {2, 3}},
        {"scattered rows each move one up",
         {1, 2, 3, 4},
         {2, 4},
         RowRefusal::None,
         {{1, "2"}, {2, "1"}, {3, "4"}, {4, "3"}},
         {1, 3}},
        {"row 1 cannot move up", {1, 2}, {1, 2}, RowRefusal::BeforeFirstRow, {}, {}},
        {"the Fr row never moves", {128, 129}, {129}, RowRefusal::FrRowFixed, {}, {}},
        {"Fr within a selection refuses the whole move",
         {5, 129},
         {5, 129},
         RowRefusal::FrRowFixed,
         {},
         {}},
        {"row 128 moves up",
         {127, 128, 129},
         {128},
         RowRefusal::None,
         {{127, "128"}, {128, "127"}, {129, "129"}},
         {127}},
    };
    for (const Case& c : cases) {
        ChannelTable table = TableWith(c.filled);
        const ChannelTable before = table;
        Check(c, before, table, MoveRows(table, c.selected, -1));
    }
}

TEST(RowOperationsTest, MoveRowsDown) {
    const Case cases[] = {
        {"one row swaps with the one below",
         {2, 3},
         {2},
         RowRefusal::None,
         {{2, "3"}, {3, "2"}},
         {3}},
        {"a block of adjacent rows moves as a whole",
         {2, 3, 4},
         {2, 3},
         RowRefusal::None,
         {{2, "4"}, {3, "2"}, {4, "3"}},
         {3, 4}},
        {"row 127 to 128, Fr stays",
         {127, 129},
         {127},
         RowRefusal::None,
         {{128, "127"}, {129, "129"}},
         {128}},
        {"row 128 would be pushed past 128", {128}, {128}, RowRefusal::PastLastRow, {}, {}},
        {"even an empty row 128 selected is refused",
         {1},
         {1, 128},
         RowRefusal::PastLastRow,
         {},
         {}},
        {"the Fr row never moves", {129}, {129}, RowRefusal::FrRowFixed, {}, {}},
        {"nothing selected", {1}, {}, RowRefusal::NoRows, {}, {}},
    };
    for (const Case& c : cases) {
        ChannelTable table = TableWith(c.filled);
        const ChannelTable before = table;
        Check(c, before, table, MoveRows(table, c.selected, +1));
    }
}

TEST(RowOperationsTest, MoveUpThenDownRestoresTheTable) {
    ChannelTable table = TableWith({1, 4, 5, 9, 40, 128, 129});
    const ChannelTable before = table;
    const RowOperationResult up = MoveRows(table, {4, 5, 40}, -1);
    ASSERT_TRUE(up.Done());
    EXPECT_NE(table, before);
    const RowOperationResult down = MoveRows(table, up.rows, +1);
    ASSERT_TRUE(down.Done());
    EXPECT_EQ(table, before);
    EXPECT_EQ(down.rows, (std::vector<int>{4, 5, 40}));
}

TEST(RowOperationsTest, InsertThenRemoveRestoresTheTable) {
    ChannelTable table = TableWith({1, 2, 3, 127, 129});
    const ChannelTable before = table;
    ASSERT_TRUE(InsertRow(table, 2).Done());
    EXPECT_TRUE(IsEmptyRow(table, 2));
    EXPECT_EQ(Cell(table, 128, kColName), "127");
    ASSERT_TRUE(RemoveRows(table, {2}).Done());
    EXPECT_EQ(table, before);
}
