#include "exchange/channel_import.h"
#include "model/cell_commit.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "tests/exchange/exchange_test_support.h"

#include <random>

namespace exchange {
namespace {

using PlacementTest = ExchangeTest;

// An import of channels on the given lines, each naming the given row.
ChannelImport ImportOf(const std::vector<std::pair<int, int>>& lineAndLocation) {
    ChannelImport import;
    import.ok = true;
    for (const auto& [line, location] : lineAndLocation)
        import.channels.push_back(
            {line, location,
             Channel(("14" + std::to_string(line % 10) + ".00000").c_str(), "145.00000", "None",
                     "None", std::to_string(line).c_str())});
    return import;
}

ChannelTable TableWith(const std::vector<int>& rows) {
    ChannelTable table;
    for (const int row : rows)
        table[row - 1] = Channel("150.00000", "150.00000", "None", "None", "old");
    return table;
}

// Which line of the file (by its name cell) or "old" each given row holds; "" when empty.
std::vector<std::string> Names(const ChannelTable& table, const std::vector<int>& rows) {
    std::vector<std::string> names;
    for (const int row : rows)
        names.push_back(table[row - 1][kColRx - 1].empty() ? "" : table[row - 1][kColName - 1]);
    return names;
}

TEST_F(PlacementTest, WhereTheChannelsGo) {
    struct Case {
        const char* name;
        std::vector<int> filled; // rows holding a channel before
        std::vector<std::pair<int, int>> channels;
        Placement placement;
        std::vector<std::string> rows1to5AndFr;
        std::vector<int> unplacedLines;
    };
    const Case cases[] = {
        {"each in the row it names",
         {1, 2, 129},
         {{2, 3}, {3, 129}},
         Placement::Replace,
         {"", "", "2", "", "", "3"},
         {}},
        {"file order from row 1, Fr kept",
         {4, 129},
         {{2, 3}, {3, 0}, {4, 1}},
         Placement::Replace,
         {"2", "3", "4", "", "", "old"},
         {}},
        {"rows named twice: file order",
         {},
         {{2, 5}, {3, 5}},
         Placement::Replace,
         {"2", "3", "", "", "", ""},
         {}},
        {"file order, Fr only by a channel naming it",
         {129},
         {{2, 129}, {3, 0}},
         Placement::Replace,
         {"3", "", "", "", "", "2"},
         {}},
        {"into empty rows",
         {1, 3, 129},
         {{2, 1}, {3, 2}, {4, 129}},
         Placement::IntoEmpty,
         {"old", "2", "old", "3", "", "old"},
         {4}},
        {"into an empty Fr row",
         {1},
         {{2, 129}, {3, 0}},
         Placement::IntoEmpty,
         {"old", "3", "", "", "", "2"},
         {}},
    };
    for (const Case& c : cases) {
        const PlacedChannels placed =
            PlaceChannels(TableWith(c.filled), ImportOf(c.channels), c.placement, SourceTexts());
        EXPECT_EQ(Names(placed.table, {1, 2, 3, 4, 5, 129}), c.rows1to5AndFr) << c.name;
        std::vector<int> unplaced;
        for (const ImportNote& note : placed.unplaced)
            unplaced.push_back(note.line);
        EXPECT_EQ(unplaced, c.unplacedLines) << c.name;
        EXPECT_EQ(placed.placed, static_cast<int>(c.channels.size() - unplaced.size())) << c.name;
    }
}

TEST_F(PlacementTest, MoreChannelsThanRowsAreReportedNotDropped) {
    std::vector<std::pair<int, int>> channels;
    for (int line = 2; line < 2 + 130; ++line)
        channels.push_back({line, 0});
    for (const Placement placement : {Placement::Replace, Placement::IntoEmpty}) {
        const PlacedChannels placed =
            PlaceChannels(TableWith({7}), ImportOf(channels), placement, SourceTexts());
        const int rows = placement == Placement::Replace ? 128 : 127;
        EXPECT_EQ(placed.placed, rows);
        ASSERT_EQ(placed.unplaced.size(), 130u - static_cast<std::size_t>(rows));
        EXPECT_EQ(placed.unplaced[0].line, 2 + rows);
        EXPECT_TRUE(placed.table[kChannelRows - 1][kColRx - 1].empty()); // never the Fr row
    }
}

// A random channel table as the grid makes it: each channel typed in through
// the commit rules, with empty rows between.
ChannelTable RandomTable(std::mt19937& random, const BandPlan& bands, bool bChinese) {
    const auto pick = [&random](int n) {
        return static_cast<int>(random() % static_cast<unsigned>(n));
    };
    const std::vector<std::string> tones = ToneList(bChinese);
    const char* const nameParts[] = {"A", "z", "0", " ", "-", ",", "\"", "中", "文"};
    ChannelTable table;
    for (int row = 1; row <= kChannelRows; ++row) {
        if (pick(3) == 0)
            continue;
        const bool band2 = pick(2) == 1;
        const int low = band2 ? 40000000 : 13600000;
        const int high = band2 ? 52000000 : 17400000;
        const int step = pick(2) == 0 ? 500 : 625;
        const int rx = low + step * pick((high - low) / step + 1);
        const int tx = pick(3) == 0 ? rx : low + 10 * pick((high - low) / 10 + 1);
        std::string name;
        for (int k = pick(6); k > 0; --k) {
            const std::string part = nameParts[pick(std::size(nameParts))];
            if (EditorInputFor(kColName, name + part, false).ok)
                name += part;
        }
        const std::string texts[] = {
            FormatMhz(rx / 100000.0),
            FormatMhz(tx / 100000.0),
            tones[static_cast<std::size_t>(pick(kToneListSize))],
            tones[static_cast<std::size_t>(pick(kToneListSize))],
            name,
            EditorListItems(CellEditor::PowerList, bChinese)[static_cast<std::size_t>(pick(2))],
            EditorListItems(CellEditor::WidthList, bChinese)[static_cast<std::size_t>(pick(2))],
            EditorListItems(CellEditor::ScanList, bChinese)[static_cast<std::size_t>(pick(2))],
            EditorListItems(CellEditor::BusyList, bChinese)[static_cast<std::size_t>(pick(3))],
        };
        for (int col = 1; col <= kChannelColumns; ++col) {
            const CommitResult r = CommitCellEdit(table, bands, row, col, texts[col - 1], bChinese);
            EXPECT_FALSE(r.Refused()) << row << ":" << col << " " << texts[col - 1];
        }
    }
    return table;
}

RadioImage SavedImage(const ChannelTable& table, const BandPlan& bands) {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    EncodeChannels(table, image, bands);
    return image;
}

using RoundTripTest = ExchangeTest;

TEST_F(RoundTripTest, ExportThenImportGivesTheSameTableByteForByte) {
    std::mt19937 random(2024);
    for (const CsvLayout layout : {CsvLayout::Program, CsvLayout::Generic}) {
        for (const bool chinese : {false, true}) {
            const TextCatalogue& texts = chinese ? ChineseTexts() : SourceTexts();
            for (int trial = 0; trial < 10; ++trial) {
                const ChannelTable table = RandomTable(random, bands, chinese);
                const std::string text = WriteChannelCsv(table, layout, texts);
                EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
                const ChannelImport import = ReadList(text, texts);
                ASSERT_TRUE(import.ok) << import.error;
                EXPECT_EQ(import.layout, layout);
                EXPECT_TRUE(import.skipped.empty()) << NotesText(import.skipped);
                EXPECT_TRUE(import.warnings.empty()) << NotesText(import.warnings);
                // Into a new document, whose rows are all empty.
                const PlacedChannels placed =
                    PlaceChannels(ChannelTable(), import, Placement::Replace, SourceTexts());
                EXPECT_TRUE(placed.unplaced.empty());
                for (int row = 1; row <= kChannelRows; ++row)
                    EXPECT_EQ(placed.table[row - 1], table[row - 1])
                        << "row " << row << " layout " << static_cast<int>(layout);
                EXPECT_TRUE(SavedImage(placed.table, bands) == SavedImage(table, bands));
            }
        }
    }
}

TEST_F(RoundTripTest, ProgramLayoutHeaderAndWordsFollowTheLanguage) {
    ChannelTable table;
    table[kChannelRows - 1] = Channel("145.12500", "144.52500", "None", "D023I", "a,b", "Low");
    EXPECT_EQ(WriteChannelCsv(table, CsvLayout::Program, SourceTexts()),
              "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Channel Name,Power,W/N,Scan Add,"
              "Busy Lock\r\nFr,145.12500,144.52500,None,D023I,\"a,b\",Low,Wide,Yes,Off\r\n");
    EXPECT_EQ(WriteChannelCsv(table, CsvLayout::Generic, SourceTexts()),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE,BusyLock\r\n"
              "128,\"a,b\",145.125000,-,0.600000,Cross,88.5,88.5,023,RN,023,DTCS->,FM,5.00,,"
              "Low,,,,,,Off\r\n");
    EXPECT_EQ(
        WriteChannelCsv(ChannelTable(), CsvLayout::Program, ChineseTexts()),
        "信道,接收频率,发射频率,QT/DQT解码,QT/DQT编码,信道名字,功率,宽/窄,扫描添加,繁忙锁定\r\n");
}

} // namespace
} // namespace exchange
