#include "model/cell_commit.h"
#include "model/channel_codec.h"
#include "model/string_table.h"
#include "tests/model/decoded_bands.h"
#include <gtest/gtest.h>

namespace {

const ChannelTexts kEnglishNew{"145.12500", "145.12500", "None", "None", "",
                               "High",      "Wide",      "Yes",  "Off"};
const ChannelTexts kFilled{"438.00625", "438.50000", "67.0", "D023N",  "AB",
                           "Low",       "Narrow",    "No",   "Carrier"};

class CellCommitTest : public ::testing::Test {
protected:
    void SetUp() override {

        table[9] = kFilled; // row 10
    }
    ChannelTable table;
    BandPlan bands = DecodedBands();
};

TEST_F(CellCommitTest, NewChannelGetsTheDefaultsInTheLanguageInUse) {
    const CommitResult r = CommitCellEdit(table, bands, 1, kColRx, "145.125", false);
    EXPECT_EQ(r.effect, CommitEffect::NewChannel);
    EXPECT_FALSE(r.Refused());
    EXPECT_FALSE(r.editorVisible);
    EXPECT_EQ(table[0], kEnglishNew);

    CommitCellEdit(table, bands, 129, kColRx, "145.125", true);
    EXPECT_EQ(table[128],
              (ChannelTexts{"145.12500", "145.12500", "无", "无", "", "高", "宽", "是", "关"}));
}

TEST_F(CellCommitTest, RxOfAnExistingChannelChangesOnlyThatCell) {
    const CommitResult r = CommitCellEdit(table, bands, 10, kColRx, "145.125", false);
    EXPECT_EQ(r.effect, CommitEffect::CellSet);
    ChannelTexts expected = kFilled;
    expected[0] = "145.12500";
    EXPECT_EQ(table[9], expected);
}

TEST_F(CellCommitTest, RxRefusalsOnLeavingTheCell) {
    struct Case {
        const char* text;
        int message;
        CellMessageIcon icon;
        bool editKept; // else the edit is dropped and the grid moves on
    };
    const Case cases[] = {
        {"66.99375", IDS_ERROR_DATA_FORMAT, CellMessageIcon::Stop, true},
        {"600.00625", IDS_ERROR_DATA_FORMAT, CellMessageIcon::Stop, true},
        {"abc", IDS_ERROR_DATA_FORMAT, CellMessageIcon::Stop, true},
        {"145.0031", IDS_ERROR_STEP_VALUE, CellMessageIcon::Exclamation, false},
        {"137.0025", IDS_ERROR_STEP_VALUE, CellMessageIcon::Exclamation, false},
        {"600", IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, true},
        {"67", IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, true},
        {"520.00625", IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, true},
        {"300", IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, true},
    };
    for (const Case& c : cases) {
        table[9] = kFilled;
        const CommitResult r = CommitCellEdit(table, bands, 10, kColRx, c.text, false);
        EXPECT_EQ(r.messageId, c.message) << c.text;
        EXPECT_EQ(r.captionId, IDS_CAUTION);
        EXPECT_EQ(r.icon, c.icon) << c.text;
        EXPECT_FALSE(r.clearEditText);
        EXPECT_EQ(r.editorVisible, c.editKept) << c.text;
        // A typo never costs the channel: the row stays as it was.
        EXPECT_EQ(table[9], kFilled) << c.text;
        EXPECT_EQ(r.effect, CommitEffect::None);
    }
}

TEST_F(CellCommitTest, RxRefusalsWithEnterClearTheEditAndKeepTheRow) {
    for (const char* text : {"66.99375", "145.0031", "600"}) {
        table[9] = kFilled;
        const CommitResult r =
            CommitCellEdit(table, bands, 10, kColRx, text, false, CommitTrigger::Enter);
        EXPECT_TRUE(r.Refused()) << text;
        EXPECT_TRUE(r.editorVisible);
        EXPECT_TRUE(r.clearEditText);
        EXPECT_EQ(r.effect, CommitEffect::None);
        EXPECT_EQ(table[9], kFilled) << text;
    }
    const CommitResult ok =
        CommitCellEdit(table, bands, 1, kColRx, "145.125", false, CommitTrigger::Enter);
    EXPECT_FALSE(ok.editorVisible);
    EXPECT_EQ(table[0], kEnglishNew);
}

TEST_F(CellCommitTest, RxAcceptsStepsAndBandEnds) {
    struct Case {
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        {"137.00625", "137.00625"}, {"136", "136.00000"},       {"174", "174.00000"},
        {"400", "400.00000"},       {"520", "520.00000"},       {"438.00625", "438.00625"},
        {"145.005", "145.00500"},   {" 145.125x", "145.12500"},
    };
    for (const Case& c : cases) {
        table[0] = {};
        const CommitResult r = CommitCellEdit(table, bands, 1, kColRx, c.text, false);
        EXPECT_FALSE(r.Refused()) << c.text;
        EXPECT_EQ(table[0][0], c.stored);
        EXPECT_EQ(table[0][1], c.stored);
    }
}

TEST_F(CellCommitTest, EmptyRxDeletesTheChannel) {
    const CommitResult r = CommitCellEdit(table, bands, 10, kColRx, "", false);
    EXPECT_EQ(r.effect, CommitEffect::RowCleared);
    EXPECT_FALSE(r.Refused());
    EXPECT_EQ(table[9], ChannelTexts{});
    // The next encode stores an empty record.
    RadioImage image;
    image[24 * 9 + 13] = 0xFF;
    EncodeChannels(table, image, bands);
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(image[24 * 9 + i], i == 13 ? 0x05 : 0xFF) << i;
    }
}

TEST_F(CellCommitTest, TxOutsideTheBandsIsRefusedAndTheCellKept) {
    struct Case {
        const char* text;
        const char* stored; // nullptr: refused, the cell keeps its value
    };
    const Case cases[] = {
        {"480", "480.00000"}, {"145.0031", "145.00310"}, {"174", "174.00000"},   {"300", nullptr},
        {"", nullptr},        {"abc", nullptr},          {"174.00001", nullptr},
    };
    for (const Case& c : cases) {
        for (const CommitTrigger trigger : {CommitTrigger::LeaveCell, CommitTrigger::Enter}) {
            const bool enter = trigger == CommitTrigger::Enter;
            table[9] = kFilled;
            const CommitResult r = CommitCellEdit(table, bands, 10, kColTx, c.text, false, trigger);
            EXPECT_EQ(table[9][1], c.stored ? c.stored : kFilled[1]) << c.text;
            EXPECT_EQ(table[9][0], kFilled[0]);
            if (c.stored) {
                EXPECT_FALSE(r.Refused()) << c.text;
                EXPECT_FALSE(r.editorVisible);
                continue;
            }
            EXPECT_EQ(r.messageId, IDS_OUT_OF_RANGE) << c.text;
            EXPECT_EQ(r.icon, CellMessageIcon::Exclamation);
            EXPECT_EQ(r.effect, CommitEffect::None);
            // Leaving the cell drops the edit; Enter clears it and keeps it open.
            EXPECT_EQ(r.editorVisible, enter) << c.text;
            EXPECT_EQ(r.clearEditText, enter) << c.text;
        }
        // Without a receive frequency nothing typed is dropped unasked: the
        // band message, or the row's own when the value is in a band; an
        // emptied edit empties the cell.
        table[0] = {};
        table[0][1] = "145.00000";
        const CommitResult r = CommitCellEdit(table, bands, 1, kColTx, c.text, false);
        const bool typed = *c.text != '\0';
        EXPECT_EQ(r.messageId, !typed ? 0 : (c.stored ? IDS_RX_FREQUENCY_FIRST : IDS_OUT_OF_RANGE))
            << c.text;
        EXPECT_EQ(table[0][1], typed ? "145.00000" : "") << c.text;
        EXPECT_FALSE(r.editorVisible) << c.text;
    }
}

TEST_F(CellCommitTest, SettingsNeedAFrequency) {
    struct Case {
        int col;
        const char* text;
    };
    const Case cases[] = {{kColDecodeTone, "D023N"}, {kColEncodeTone, "67.0"}, {kColName, "ABC"},
                          {kColPower, "Low"},        {kColWidth, "Narrow"},    {kColScan, "No"},
                          {kColBusy, "Carrier"}};
    for (const Case& c : cases) {
        table[0] = {};
        CommitCellEdit(table, bands, 1, c.col, c.text, false);
        EXPECT_EQ(table[0], ChannelTexts{}) << c.col;

        table[1] = {"", "145.00000", "", "", "", "", "", "", ""};
        CommitCellEdit(table, bands, 2, c.col, c.text, false);
        EXPECT_EQ(table[1][c.col - 1], c.text) << c.col;

        table[9] = kFilled;
        const CommitResult r = CommitCellEdit(table, bands, 10, c.col, c.text, false);
        EXPECT_EQ(r.effect, CommitEffect::CellSet);
        EXPECT_EQ(table[9][c.col - 1], c.text);
    }
}

TEST_F(CellCommitTest, CellsOutsideTheGridChangeNothing) {
    const ChannelTable before = table;
    for (auto [row, col] : {std::pair{0, 1}, {130, 1}, {1, 0}, {1, 10}, {-1, -1}}) {
        EXPECT_EQ(CommitCellEdit(table, bands, row, col, "145.125", false).effect,
                  CommitEffect::None);
    }
    EXPECT_EQ(table, before);
}

TEST_F(CellCommitTest, ListSelectsTheFirstItemBeginningWithTheText) {
    struct Case {
        int col;
        const char* text;
        int index;
    };
    const Case cases[] = {
        {kColDecodeTone, "", 0},
        {kColDecodeTone, "None", 0},
        {kColDecodeTone, "6", 1},
        {kColDecodeTone, "d023i", 156},
        {kColDecodeTone, "D754N", 155},
        {kColDecodeTone, "xyz", 0},
        {kColPower, "high", 1},
        {kColPower, "L", 0},
        {kColWidth, "n", 1},
        {kColScan, "No", 1},
        {kColBusy, "q", 2},
        {kColBusy, "Carrierx", 0},
    };
    for (const Case& c : cases) {
        const auto items = EditorListItems(EditorOfColumn(c.col), false);
        EXPECT_EQ(ListSelectionForText(items, c.text), c.index) << c.text;
    }
    EXPECT_EQ(ListSelectionForText(EditorListItems(CellEditor::BusyList, true), "载波"), 1);
}

TEST_F(CellCommitTest, EditorInputFollowsTheEditorsLimits) {
    struct Case {
        int col;
        const char* typed;
        bool ok;
        const char* held;
    };
    const Case cases[] = {
        {kColRx, "145.125", true, "145.125"},
        {kColTx, "123456789", true, "123456789"},
        {kColRx, "1234567890", false, ""},
        {kColRx, "14a", false, ""},
        {kColRx, "-145", false, ""},
        {kColRx, "", true, ""},
        {kColName, "ABCDEFG", true, "ABCDEFG"},
        {kColName, "ABCDEFGH", false, ""},
        {kColName, "中文中", true, "中文中"},
        {kColName, "中文中文", false, ""},
        {kColName, "A\xF0\x9F\x98\x80", false, ""},
        {kColName, "\xFF", false, ""},
        {kColPower, "high", true, "High"},
        {kColPower, "高", true, "High"},
        {kColPower, "Hihg", false, ""},
        {kColDecodeTone, "d023n", true, "D023N"},
        {kColEncodeTone, "无", true, "None"},
        {kColEncodeTone, "67", false, ""},
        {kColBusy, "qt/dqt", true, "QT/DQT"},
        {kColScan, "否", true, "No"},
    };
    for (const Case& c : cases) {
        const EditorInput in = EditorInputFor(c.col, c.typed, false);
        EXPECT_EQ(in.ok, c.ok) << c.typed;
        if (c.ok) {
            EXPECT_EQ(in.text, c.held);
        } else {
            EXPECT_NE(std::string(in.reason.source), "");
        }
    }
}

} // namespace
