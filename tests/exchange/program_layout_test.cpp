#include "exchange/channel_import.h"
#include "exchange/program_layout.h"
#include "model/string_table.h"
#include "tests/exchange/exchange_test_support.h"

namespace exchange {
namespace {

constexpr const char* kHeader =
    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Channel Name,Power,W/N,Scan Add,Busy Lock";
constexpr const char* kChineseHeader =
    "信道,接收频率,发射频率,QT/DQT解码,QT/DQT编码,信道名字,功率,宽/窄,扫描添加,繁忙锁定";

using ProgramLayoutTest = ExchangeTest;

TEST_F(ProgramLayoutTest, RowsInEitherLanguageBecomeTheGridsTexts) {
    struct Case {
        const char* name;
        const char* header;
        const char* row;
        ChannelTexts channel;
        int location;
    };
    const Case cases[] = {
        {"English", kHeader, "1,145.12500,145.12500,None,None,,High,Wide,Yes,Off",
         Channel("145.12500", "145.12500", "None", "None"), 1},
        {"Chinese words", kHeader, "2,438.00625,438.50000,67.0,D023N,AB,低,窄,否,载波",
         Channel("438.00625", "438.50000", "67.0", "D023N", "AB", "Low", "Narrow", "No", "Carrier"),
         2},
        {"Chinese header", kChineseHeader,
         "Fr,145.125,145.125,None,D754I,中文,High,Wide,Yes,QT/DQT",
         Channel("145.12500", "145.12500", "None", "D754I", "中文", "High", "Wide", "Yes",
                 "QT/DQT"),
         129},
        {"the grid's own header spellings",
         "ch, Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,"
         "Chnnel Name,Power, W/N ,Scan Add,Busy Lock",
         "128, 145.125 ,,,,  x ,,,,", Channel("145.12500", "145.12500", "None", "None", "  x "),
         128},
        {"list words with other case", kHeader,
         "3,145.125,145.125,none,none,,low,narrow,no,carrier",
         Channel("145.12500", "145.12500", "None", "None", "", "Low", "Narrow", "No", "Carrier"),
         3},
        {"columns in another order",
         "Busy Lock,W/N,Rx Frequency,CH,Tx Frequency,QT/DQT Dec,"
         "QT/DQT Enc,Channel Name,Power,Scan Add",
         "Carrier,Narrow,145.125,4,146.125,,,,,",
         Channel("145.12500", "146.12500", "None", "None", "", "High", "Narrow", "Yes", "Carrier"),
         4},
        {"CH that names no row", kHeader, "129,145.125,,,,,,,,",
         Channel("145.12500", "145.12500", "None", "None"), 0},
    };
    for (const Case& c : cases) {
        const ChannelImport import = ReadList(std::string(c.header) + "\n" + c.row + "\n");
        ASSERT_TRUE(import.ok) << c.name << ": " << import.error << NotesText(import.skipped);
        EXPECT_EQ(import.layout, CsvLayout::Program) << c.name;
        ASSERT_EQ(import.channels.size(), 1u) << c.name;
        EXPECT_EQ(import.channels[0].texts, c.channel) << c.name;
        EXPECT_EQ(import.channels[0].location, c.location) << c.name;
        EXPECT_EQ(import.warnings.size(), c.location == 0 ? 1u : 0u) << c.name;
    }
}

TEST_F(ProgramLayoutTest, RowsTheGridWouldRefuseAreSkippedWithItsMessage) {
    struct Case {
        const char* row;
        const char* reason; // part of the reason
        int messageId;
    };
    const Case cases[] = {
        {"1,145.0031,,,,,,,,", "step value", IDS_ERROR_STEP_VALUE},
        {"1,600,,,,,,,,", "Out of range", IDS_OUT_OF_RANGE},
        {"1,700,,,,,,,,", "Error Data Format", IDS_ERROR_DATA_FORMAT},
        {"1,abc,,,,,,,,", "digits", 0},
        {"1,,145.125,,,,,,,", "no Rx frequency", 0},
        {"1,145.125,300,,,,,,,", "outside the radio's bands", 0},
        {"1,145.125,,99.9,,,,,,", "QT/DQT Dec \"99.9\"", 0},
        {"1,145.125,,,D017N,,,,,", "QT/DQT Enc \"D017N\"", 0},
        {"1,145.125,,,,ABCDEFGH,,,,", "at most 7 bytes", 0},
        {"1,145.125,,,,,Medium,,,", "Power \"Medium\"", 0},
        {"1,145.125,,,,,,Auto,,", "W/N \"Auto\"", 0},
        {"1,145.125,,,,,,,Maybe,", "Scan Add \"Maybe\"", 0},
        {"1,145.125,,,,,,,,On", "Busy Lock \"On\"", 0},
    };
    for (const Case& c : cases) {
        const ChannelImport import =
            ReadList(std::string(kHeader) + "\n2,145.125,,,,,,,,\n" + c.row + "\n");
        ASSERT_TRUE(import.ok) << c.row;
        EXPECT_EQ(import.channels.size(), 1u) << c.row;
        ASSERT_EQ(import.skipped.size(), 1u) << c.row;
        EXPECT_EQ(import.skipped[0].line, 3) << c.row;
        EXPECT_NE(import.skipped[0].text.find(c.reason), std::string::npos)
            << c.row << ": " << import.skipped[0].text;
        EXPECT_EQ(import.skipped[0].messageId, c.messageId) << c.row;
    }
}

// A file is refused as a whole, with one line that says why, when it is no
// channel list or holds nothing to import.
TEST_F(ProgramLayoutTest, FilesRefusedAsAWhole) {
    struct Case {
        const char* name;
        std::string text;
        const char* error; // part of the one-line error
    };
    const Case cases[] = {
        {"empty", "", "empty"},
        {"blank lines", "\r\n\r\n", "empty"},
        {"only a header", std::string(kHeader) + "\r\n", "no channels"},
        {"not a channel list", "a,b,c\n1,2,3\n",
         "CH, Rx Frequency, Tx Frequency, QT/DQT Dec, QT/DQT Enc, Channel Name, Power, W/N, Scan "
         "Add, Busy Lock; the layout of other programming tools needs Frequency and may have "
         "Location, Name, Frequency, Duplex, Offset, Tone"},
        {"missing program columns", "CH,Rx Frequency,Power\n1,145.125,High\n",
         "Tx Frequency, QT/DQT Dec, QT/DQT Enc, Channel Name, W/N, Scan Add, Busy Lock"},
        {"duplicate column", "Frequency,Name,name\n145.5,a,b\n", "\"name\" appears twice"},
        {"duplicate program column", std::string(kHeader) + ",Power\n", "\"Power\" appears twice"},
        {"NUL bytes", std::string("Frequency\n145.5\0\n", 17), "NUL"},
        {"invalid UTF-8", "Frequency,Name\n145.5,\xff\xfe\n", "UTF-8"},
        {"unbalanced quote", "Frequency,Name\n145.5,\"open\n146.5,x\n", "quoted field"},
        {"a 1 MB field", "Frequency,Name\n145.5," + std::string(1 << 20, 'x') + "\n", "too long"},
        {"every row skipped", "Frequency\n300\n1e5\n", "No row"},
    };
    for (const Case& c : cases) {
        const ChannelImport import = ReadList(c.text);
        EXPECT_FALSE(import.ok) << c.name;
        EXPECT_TRUE(import.channels.empty()) << c.name;
        EXPECT_NE(import.error.find(c.error), std::string::npos) << c.name << ": " << import.error;
        EXPECT_EQ(import.error.find('\n'), std::string::npos) << c.name;
    }
    EXPECT_EQ(ReadList("Frequency\n300\n1e5\n").skipped.size(), 2u);
}

TEST_F(ProgramLayoutTest, HundredThousandRowsAreReadAndTheirLinesKept) {
    std::string text = "Frequency,Name\n";
    for (int i = 0; i < 100000; ++i)
        text += i % 2 ? "146.52,even\n" : "300,odd\n";
    const ChannelImport import = ReadList(text);
    ASSERT_TRUE(import.ok) << import.error;
    EXPECT_EQ(import.channels.size(), 50000u);
    EXPECT_EQ(import.skipped.size(), 50000u);
    EXPECT_EQ(import.channels.back().line, 100001);
    const PlacedChannels placed =
        PlaceChannels(ChannelTable(), import, Placement::Replace, SourceTexts());
    EXPECT_EQ(placed.placed, kChannelRows - 1);
    EXPECT_EQ(placed.unplaced.size(), 50000u - (kChannelRows - 1));
    EXPECT_EQ(placed.unplaced.front().line, 2 * kChannelRows + 1);
}

TEST_F(ProgramLayoutTest, RowsOfEmptyFieldsArePassedOver) {
    const ChannelImport import = ReadList("Frequency,Name\n,\n145.5,a\n , \n,,,\n");
    ASSERT_TRUE(import.ok) << import.error;
    EXPECT_EQ(import.channels.size(), 1u);
    EXPECT_TRUE(import.skipped.empty()) << NotesText(import.skipped);
    EXPECT_EQ(ReadList(std::string(kHeader) + "\n,,,,,,,,,\n").error,
              "The file holds a header line and no channels.");
}

TEST_F(ProgramLayoutTest, TabSeparatedTextIsReadLikeCsv) {
    const ChannelImport import =
        ReadList("CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tChannel Name\t"
                 "Power\tW/N\tScan Add\tBusy Lock\n5\t145.125\t\t\t\ta,b\t\t\t\t\n");
    ASSERT_TRUE(import.ok) << import.error;
    EXPECT_EQ(import.channels[0].texts[kColName - 1], "a,b");
    EXPECT_EQ(import.channels[0].location, 5);
}

// The clipboard carries a selection in the program layout; a paste takes the
// cells back out of it, and leaves any other block as it is.
TEST_F(ProgramLayoutTest, ClipboardBlocksCarryTheLayoutAndPasteWithoutIt) {
    ChannelTable table;
    table[1] = Channel("145.12500", "145.12500", "None", "67.0", "A,B");
    table[kChannelRows - 1] = Channel("438.50000", "438.50000", "None", "None");
    const std::vector<GridCell> selection{{2, kColRx}, {2, kColName}, {129, kColRx}, {129, kColName}};
    const CellBlock copied = ProgramLayoutBlock(table, selection, SourceTexts());
    const CellBlock expected{{"CH", "Rx Frequency", "Channel Name"},
                             {"2", "145.12500", "A,B"},
                             {"Fr", "438.50000", ""}};
    EXPECT_EQ(copied, expected);
    EXPECT_EQ(WithoutProgramLayout(copied), CopyCells(table, selection));

    struct Case {
        const char* name;
        CellBlock block;
        CellBlock cells;
    };
    const Case cases[] = {
        {"Chinese titles and the grid's spellings",
         {{"信道", "接收频率", " W/N "}, {"3", "145.125", "Wide"}},
         {{"145.125", "Wide"}}},
        {"a header alone", {{"CH", "Power"}}, {}},
        {"a row without its label cells", {{"ch", "Power"}, {"4"}}, {{}}},
        {"plain cells stay", {{"145.125", "Wide"}}, {{"145.125", "Wide"}}},
        {"CH with a title that is no column stays",
         {{"CH", "Comment"}, {"1", "x"}},
         {{"CH", "Comment"}, {"1", "x"}}},
        {"a second CH stays", {{"CH", "CH"}, {"1", "2"}}, {{"CH", "CH"}, {"1", "2"}}},
        {"the layout's header not first stays",
         {{"145.125"}, {"CH", "Power"}},
         {{"145.125"}, {"CH", "Power"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithoutProgramLayout(c.block), c.cells) << c.name;
    }
}

} // namespace
} // namespace exchange
