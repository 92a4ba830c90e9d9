#include "model/cell_block.h"
#include "model/string_table.h"
#include "tests/model/decoded_bands.h"
#include "tests/model/random_channels.h"
#include <gtest/gtest.h>

namespace {

const ChannelTexts kFilled{"438.00625", "438.50000", "67.0", "D023N",  "AB",
                           "Low",       "Narrow",    "No",   "Carrier"};

// Every cell of rows first..last.
std::vector<GridCell> WholeRows(int first, int last) {
    std::vector<GridCell> cells;
    for (int row = first; row <= last; ++row) {
        for (int col = 1; col <= kChannelColumns; ++col) {
            cells.push_back({row, col});
        }
    }
    return cells;
}

class CellBlockTest : public ::testing::Test {
protected:
    void SetUp() override {

        table[9] = kFilled; // row 10
    }
    ChannelTable table;
    BandPlan bands = DecodedBands();
};

} // namespace

TEST_F(CellBlockTest, CopyTakesEverySelectedRowByEverySelectedColumn) {
    table[11] = kFilled;
    Cell(table, 12, kColName) = "CD";
    // Scattered cells give the block of their rows and columns, in grid order.
    const CellBlock block = CopyCells(table, {{12, kColName}, {10, kColRx}, {10, kColName}});
    EXPECT_EQ(block, (CellBlock{{"438.00625", "AB"}, {"438.00625", "CD"}}));
    EXPECT_EQ(CopyCells(table, WholeRows(10, 10)).front(),
              std::vector<std::string>(kFilled.begin(), kFilled.end()));
    EXPECT_TRUE(CopyCells(table, {{0, 1}, {130, 1}, {5, 10}}).empty());
}

TEST_F(CellBlockTest, PasteRefusesWhatTheCellsRefuse) {
    struct Case {
        const char* what;
        int row;
        int col;
        std::string text;
        int messageId;   // the grid's message, or 0
        bool withReason; // a reason of the paste itself
        ChannelTexts rowAfter;
    };
    ChannelTexts rx145 = kFilled;
    rx145[0] = "145.12500";
    ChannelTexts named = kFilled;
    named[4] = "中继";
    ChannelTexts narrowHigh = kFilled;
    narrowHigh[5] = "High";
    const Case cases[] = {
        {"a frequency on a step", 10, kColRx, "145.125", 0, false, rx145},
        {"spaces around a number are dropped", 10, kColRx, " 145.125 ", 0, false, rx145},
        {"outside 67..600 MHz", 10, kColRx, "66.99375", IDS_ERROR_DATA_FORMAT, false, kFilled},
        {"off the step: only this cell is refused, the row stays", 10, kColRx, "145.0031",
         IDS_ERROR_STEP_VALUE, false, kFilled},
        {"outside the bands", 10, kColRx, "600", IDS_OUT_OF_RANGE, false, kFilled},
        {"letters in a frequency", 10, kColRx, "145 MHz", 0, true, kFilled},
        {"a frequency longer than the edit holds", 10, kColRx, "145.1250000", 0, true, kFilled},
        {"a list word of the other language, any case", 10, kColPower, "高", 0, false, narrowHigh},
        {"a word not in the list", 10, kColPower, "Medium", 0, true, kFilled},
        {"a tone not in the list is not rounded", 10, kColDecodeTone, "99.9", 0, true, kFilled},
        {"a name of GBK characters", 10, kColName, "中继", 0, false, named},
        {"a name longer than 7 bytes", 10, kColName, "ABCDEFGH", 0, true, kFilled},
        {"a setting for a row without a channel", 11, kColPower, "High", 0, true, ChannelTexts{}},
        {"an empty text for a row without a channel", 11, kColPower, "", 0, false, ChannelTexts{}},
        {"beyond the last column", 10, kChannelColumns + 1, "High", 0, true, kFilled},
        {"beyond the Fr row", kChannelRows + 1, kColRx, "145.125", 0, true, ChannelTexts{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        table[9] = kFilled;
        table[10] = {};
        const PasteResult r = PasteCells(table, bands, c.row, c.col, {{c.text}}, false);
        const bool refused = c.messageId != 0 || c.withReason;
        ASSERT_EQ(r.refused.size(), refused ? 1U : 0U);
        EXPECT_EQ(r.accepted, refused ? 0 : 1);
        if (refused) {
            EXPECT_EQ(r.refused[0].row, c.row);
            EXPECT_EQ(r.refused[0].col, c.col);
            EXPECT_EQ(r.refused[0].messageId, c.messageId);
            EXPECT_EQ(std::string(r.refused[0].reason.source).empty(), !c.withReason);
        }
        const int shown = c.row <= kChannelRows ? c.row : 10;
        EXPECT_EQ(table[static_cast<std::size_t>(shown - 1)],
                  c.row <= kChannelRows ? c.rowAfter : kFilled);
    }
}

TEST_F(CellBlockTest, PasteGoesOnPastRefusedCellsAndAcrossRows) {
    // Row 1 becomes a channel and its later cells land on it; row 2's bad
    // frequency leaves row 2 empty, so its settings are refused too.
    const CellBlock block{{"145.125", "146.5", "67.0", "None", "R1", "Low"},
                          {"145.0031", "", "", "", "", "High"},
                          {"438.5"}};
    const PasteResult r = PasteCells(table, bands, 1, kColRx, block, false);
    EXPECT_EQ(table[0], (ChannelTexts{"145.12500", "146.50000", "67.0", "None", "R1", "Low", "Wide",
                                      "Yes", "Off"}));
    EXPECT_EQ(table[1], ChannelTexts{});
    EXPECT_EQ(Cell(table, 3, kColRx), "438.50000");
    ASSERT_EQ(r.refused.size(), 2U);
    EXPECT_EQ(r.refused[0].messageId, IDS_ERROR_STEP_VALUE);
    EXPECT_EQ((GridCell{r.refused[1].row, r.refused[1].col}), (GridCell{2, kColPower}));
    EXPECT_EQ(r.accepted, 6 + 4 + 1);
}

TEST_F(CellBlockTest, EmptyCellsDeletesChannelsAndClearsNames) {
    table[11] = kFilled;
    table[12] = kFilled;
    // Rx of row 10 deletes it; the name of row 12 is cleared; the power of
    // row 13 cannot be empty and stays; a cell of an empty row changes nothing.
    const int changed =
        EmptyCells(table, bands,
                   {{10, kColRx}, {10, kColPower}, {12, kColName}, {13, kColPower}, {20, kColRx}});
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(table[9], ChannelTexts{});
    ChannelTexts unnamed = kFilled;
    unnamed[4] = "";
    EXPECT_EQ(table[11], unnamed);
    EXPECT_EQ(table[12], kFilled);
    // Whole rows, the Fr row included, are emptied in their places.
    table[128] = kFilled;
    EXPECT_EQ(EmptyCells(table, bands, WholeRows(12, 129)), 3);
    EXPECT_EQ(table, ChannelTable());
}

TEST_F(CellBlockTest, CopyPasteRoundTripOfRandomTables) {
    for (const bool chinese : {false, true}) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(seed);
            const ChannelTable source = RandomChannelTable(seed, chinese);
            const CellBlock block = CopyCells(source, WholeRows(1, kChannelRows));
            ChannelTable target;
            const PasteResult r = PasteCells(target, bands, 1, 1, block, chinese);
            EXPECT_TRUE(r.refused.empty());
            EXPECT_EQ(target, source);
            // Pasting over a different table gives the same result: empty
            // source rows delete the channels under them.
            ChannelTable over = RandomChannelTable(seed + 100, chinese);
            PasteCells(over, bands, 1, 1, block, chinese);
            EXPECT_EQ(over, source);
        }
    }
}
