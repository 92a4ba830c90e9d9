#include "exchange/channel_import.h"
#include "model/string_table.h"
#include "tests/exchange/exchange_test_support.h"

#include <optional>

namespace exchange {
namespace {

constexpr const char* kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                                "RPT2CALL";
// The same with the columns of newer exports.
constexpr const char* kWideHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

using GenericLayoutTest = ExchangeTest;

struct Case {
    const char* name;
    const char* header;
    const char* row;
    std::optional<ChannelTexts> channel; // nullopt: the row is skipped
    const char* note = nullptr;          // part of the skip reason or of the one warning
    int messageId = 0;                   // the grid's message for a skipped row
};

TEST_F(GenericLayoutTest, EveryMappingRule) {
    const char* const simplex = "145.50000";
    const Case cases[] = {
        // Frequencies and duplex, in whole 10 Hz units.
        {"simplex", kHeader, "0,A,145.500000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,,,,",
         Channel(simplex, simplex, "None", "None", "A")},
        {"minus offset is exact", kHeader,
         "1,RPT,145.145000,-,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,,,,,",
         Channel("145.14500", "144.54500", "None", "88.5", "RPT")},
        {"plus offset", kHeader, "1,,442.100000,+,5.000000,,88.5,88.5,023,NN,FM,5.00,,,,,",
         Channel("442.10000", "447.10000", "None", "None")},
        {"split", kHeader, "1,,145.500000,split,438.000000,,88.5,88.5,023,NN,FM,5.00,,,,,",
         Channel(simplex, "438.00000", "None", "None")},
        {"duplex off", kHeader, "1,,145.500000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,,,,",
         std::nullopt, "off"},
        {"unknown duplex", kHeader, "1,,145.500000,x,0.6,,88.5,88.5,023,NN,FM,5.00,,,,,",
         std::nullopt, "Duplex \"x\""},
        {"offset below zero", kHeader, "1,,145.500000,-,146,,88.5,88.5,023,NN,FM,5.00,,,,,",
         std::nullopt, "Offset"},
        {"offset not a number", kHeader, "1,,145.500000,+,abc,,88.5,88.5,023,NN,FM,5.00,,,,,",
         std::nullopt, "Offset \"abc\""},
        {"no frequency", kHeader, "1,,,,,,,,,,,,,,,,", std::nullopt, "Frequency \"\""},
        {"frequency not a number", kHeader, "1,,1e2,,,,,,,,,,,,,,", std::nullopt,
         "Frequency \"1e2\""},
        // Tone modes.
        {"TSQL", kHeader, "1,,145.500000,,0,TSQL,88.5,100.0,023,NN,FM,5.00,,,,,",
         Channel(simplex, simplex, "100.0", "100.0")},
        {"DTCS normal", kHeader, "1,,145.500000,,0,DTCS,88.5,88.5,023,NN,FM,5.00,,,,,",
         Channel(simplex, simplex, "D023N", "D023N")},
        {"DTCS transmit inverted", kHeader, "1,,145.500000,,0,DTCS,88.5,88.5,754,RN,FM,,,,,,",
         Channel(simplex, simplex, "D754N", "D754I")},
        {"DTCS receive inverted, short code", kHeader,
         "1,,145.500000,,0,DTCS,88.5,88.5,23,NR,FM,,,,,,",
         Channel(simplex, simplex, "D023I", "D023N")},
        {"DTCS bad polarity", kHeader, "1,,145.500000,,0,DTCS,88.5,88.5,023,NX,FM,,,,,,",
         std::nullopt, "DtcsPolarity \"NX\""},
        {"DTCS code not in the list", kHeader, "1,,145.500000,,0,DTCS,88.5,88.5,017,NN,FM,,,,,,",
         std::nullopt, "DtcsCode \"017\""},
        {"tone not in the list", kHeader, "1,,145.500000,,0,Tone,99.9,88.5,023,NN,FM,,,,,,",
         std::nullopt, "rToneFreq \"99.9\""},
        {"tone never rounded", kHeader, "1,,145.500000,,0,TSQL,88.5,88.55,023,NN,FM,,,,,,",
         std::nullopt, "cToneFreq \"88.55\""},
        {"Tone with two decimals", kHeader, "1,,145.500000,,0,Tone,88.50,88.5,023,NN,FM,,,,,,",
         Channel(simplex, simplex, "None", "88.5")},
        {"TSQL-R", kHeader, "1,,145.500000,,0,TSQL-R,88.5,88.5,023,NN,FM,,,,,,", std::nullopt,
         "TSQL-R"},
        {"DTCS-R", kHeader, "1,,145.500000,,0,DTCS-R,88.5,88.5,023,NN,FM,,,,,,", std::nullopt,
         "DTCS-R"},
        {"Cross without CrossMode", kHeader, "1,,145.500000,,0,Cross,88.5,100.0,023,NN,FM,,,,,,",
         Channel(simplex, simplex, "100.0", "88.5"), "Tone->Tone"},
        {"Cross Tone->Tone", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,023,NN,023,Tone->Tone,FM,,,,,,,,",
         Channel(simplex, simplex, "100.0", "88.5")},
        {"Cross Tone->", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,023,NN,023,Tone->,FM,,,,,,,,",
         Channel(simplex, simplex, "None", "88.5")},
        {"Cross ->Tone", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,023,NN,023,->Tone,FM,,,,,,,,",
         Channel(simplex, simplex, "100.0", "None")},
        {"Cross DTCS->", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,RN,023,DTCS->,FM,,,,,,,,",
         Channel(simplex, simplex, "None", "D025I")},
        {"Cross ->DTCS from RxDtcsCode", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,NR,026,->DTCS,FM,,,,,,,,",
         Channel(simplex, simplex, "D026I", "None")},
        {"Cross ->DTCS without RxDtcsCode", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,NN,,->DTCS,FM,,,,,,,,",
         Channel(simplex, simplex, "D025N", "None")},
        {"Cross Tone->DTCS", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,NN,031,Tone->DTCS,FM,,,,,,,,",
         Channel(simplex, simplex, "D031N", "88.5")},
        {"Cross DTCS->Tone", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,NN,031,DTCS->Tone,FM,,,,,,,,",
         Channel(simplex, simplex, "100.0", "D025N")},
        {"Cross DTCS->DTCS", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,RN,031,DTCS->DTCS,FM,,,,,,,,",
         Channel(simplex, simplex, "D031N", "D025I")},
        {"Cross ->", kWideHeader, "1,,145.500000,,0,Cross,88.5,100.0,025,NN,031,->,FM,,,,,,,,",
         std::nullopt, "CrossMode \"->\""},
        {"Cross DV->Tone", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,100.0,025,NN,031,DV->Tone,FM,,,,,,,,", std::nullopt,
         "CrossMode"},
        {"Cross tone not listed", kWideHeader,
         "1,,145.500000,,0,Cross,88.5,99.9,025,NN,031,Tone->Tone,FM,,,,,,,,", std::nullopt,
         "cToneFreq \"99.9\""},
        // Mode, Skip, Power.
        {"NFM", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,NFM,,S,,,,",
         Channel(simplex, simplex, "None", "None", "", "High", "Narrow", "No")},
        {"skip P is scanned", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,FM,,P,,,,",
         Channel(simplex, simplex, "None", "None")},
        {"AM", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,AM,,,,,,", std::nullopt, "AM"},
        {"WFM", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,WFM,,,,,,", std::nullopt, "WFM"},
        {"DV", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,DV,,,,,,", std::nullopt, "DV"},
        {"DMR", kHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,DMR,,,,,,", std::nullopt, "DMR"},
        {"power below 2 W", kWideHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,,,FM,,,1.5W,,,,,",
         Channel(simplex, simplex, "None", "None", "", "Low")},
        {"power 2 W", kWideHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,,,FM,,,2.0W,,,,,",
         Channel(simplex, simplex, "None", "None")},
        {"power word Low", kWideHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,,,FM,,,low,,,,,",
         Channel(simplex, simplex, "None", "None", "", "Low")},
        {"power word High", kWideHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,,,FM,,,High,,,,,",
         Channel(simplex, simplex, "None", "None")},
        {"power empty", kWideHeader, "1,,145.500000,,0,,88.5,88.5,023,NN,,,FM,,,,,,,,",
         Channel(simplex, simplex, "None", "None")},
        // Names cut to seven GBK bytes between characters.
        {"long name", kHeader, "1,LongRepeater,145.500000,,0,,88.5,88.5,023,NN,FM,,,,,,",
         Channel(simplex, simplex, "None", "None", "LongRep"), "\"LongRep\""},
        {"Chinese name", kHeader, "1,中文名字,145.500000,,0,,88.5,88.5,023,NN,FM,,,,,,",
         Channel(simplex, simplex, "None", "None", "中文名"), "\"中文名\""},
        {"name outside GBK", kHeader, "1,😀,145.500000,,0,,88.5,88.5,023,NN,FM,,,,,,", std::nullopt,
         "GBK"},
        {"name with a line break", kHeader, "1,\"a\nb\",145.500000,,0,,88.5,88.5,023,NN,FM,,,,,,",
         std::nullopt, "control"},
        // The grid's commit rules.
        {"off the channel steps", kHeader, "1,,145.003100,,0,,88.5,88.5,023,NN,FM,,,,,,",
         std::nullopt, "step value", IDS_ERROR_STEP_VALUE},
        {"outside the bands", kHeader, "1,,300.000000,,0,,88.5,88.5,023,NN,FM,,,,,,", std::nullopt,
         "Out of range", IDS_OUT_OF_RANGE},
        {"outside 67..600 MHz", kHeader, "1,,50.000000,,0,,88.5,88.5,023,NN,FM,,,,,,", std::nullopt,
         "Error Data Format", IDS_ERROR_DATA_FORMAT},
        {"Tx outside the bands", kHeader, "1,,173.900000,+,5.000000,,88.5,88.5,023,NN,FM,,,,,,",
         std::nullopt, "178.90000"},
        // Only the Frequency column: neutral values for the rest.
        {"Frequency alone", "Frequency", "146.52",
         Channel("146.52000", "146.52000", "None", "None")},
        {"columns in another order and case", "mode, FREQUENCY ,name", "NFM,146.52,x",
         Channel("146.52000", "146.52000", "None", "None", "x", "High", "Narrow")},
        {"row shorter than the header", kHeader, "1,B,145.5",
         Channel(simplex, simplex, "None", "None", "B")},
    };
    for (const Case& c : cases) {
        const ChannelImport import = ReadList(std::string(c.header) + "\r\n" + c.row + "\r\n");
        EXPECT_EQ(import.layout, CsvLayout::Generic) << c.name;
        if (c.channel) {
            ASSERT_TRUE(import.ok) << c.name << ": " << import.error << NotesText(import.skipped);
            ASSERT_EQ(import.channels.size(), 1u) << c.name;
            EXPECT_EQ(import.channels[0].texts, *c.channel) << c.name;
            EXPECT_EQ(import.channels[0].line, 2) << c.name;
            if (c.note) {
                ASSERT_EQ(import.warnings.size(), 1u) << c.name;
                EXPECT_NE(import.warnings[0].text.find(c.note), std::string::npos)
                    << c.name << ": " << import.warnings[0].text;
                EXPECT_EQ(import.warnings[0].line, 2) << c.name;
            } else {
                EXPECT_TRUE(import.warnings.empty()) << c.name << NotesText(import.warnings);
            }
        } else {
            EXPECT_FALSE(import.ok) << c.name;
            ASSERT_EQ(import.skipped.size(), 1u) << c.name;
            EXPECT_NE(import.skipped[0].text.find(c.note), std::string::npos)
                << c.name << ": " << import.skipped[0].text;
            EXPECT_EQ(import.skipped[0].messageId, c.messageId) << c.name;
            EXPECT_EQ(import.skipped[0].line, 2) << c.name;
        }
    }
}

// Only a file this program wrote (it has a BusyLock column) names rows by
// Location; another tool's numbering is left aside.
TEST_F(GenericLayoutTest, LocationNamesTheRowInThisProgramsFilesOnly) {
    const std::string rows =
        "0,145.5\n127,145.5\n128,145.5\n129,145.5\n-1,145.5\n1.5,145.5\n,145.5\n";
    struct Case {
        std::string header;
        std::vector<int> locations;
        std::size_t warnings; // 129, -1 and 1.5 name no row
    };
    const Case cases[] = {
        {"Location,Frequency,BusyLock\n", {1, 128, 129, 0, 0, 0, 0}, 3},
        {"Location,Frequency\n", {0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        const ChannelImport import = ReadList(c.header + rows);
        ASSERT_TRUE(import.ok) << import.error;
        std::vector<int> locations;
        for (const ImportedChannel& channel : import.channels)
            locations.push_back(channel.location);
        EXPECT_EQ(locations, c.locations) << c.header;
        EXPECT_EQ(import.warnings.size(), c.warnings) << c.header << NotesText(import.warnings);
    }
}

TEST_F(GenericLayoutTest, ChineseWordsWhenChineseIsInUse) {
    const ChannelImport import =
        ReadList(std::string(kWideHeader) + "\n" +
                     "1,,145.500000,,0,Tone,88.5,88.5,023,NN,,,NFM,,S,Low,,,,,\n",
                 ChineseTexts());
    ASSERT_TRUE(import.ok) << import.error;
    EXPECT_EQ(import.channels[0].texts,
              (ChannelTexts{"145.50000", "145.50000", "无", "88.5", "", "低", "窄", "否", "关"}));
}

} // namespace
} // namespace exchange
