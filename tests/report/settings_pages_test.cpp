// The DTMF, MSK, Optional and 2-Tone pages: positions, and values as the
// editors show them for the same image.

#include "model/fields/field_codec.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using report::Section;
using report_test::FindText;
using report_test::SectionAlone;
using report_test::TextAt;
using report_test::ValueBeside;

constexpr int W = 163;
constexpr int L = 404;
constexpr int Lb = 323;

RadioImage NewImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    return image;
}

void Put(RadioImage& image, std::size_t at, const char* bytes) {
    std::memcpy(image.data() + at, bytes, std::strlen(bytes));
}

TEST(MskPage, LaysOutIdAndCallList) {
    RadioImage image;
    Put(image, layout::kMskIds, "12AB");
    Put(image, layout::MskCallListEntry(1), "0001");
    Put(image, layout::MskCallListEntry(4), "0004"); // first entry of the second row
    const report::ReportPage page = SectionAlone(image, Section::Msk);
    const report::TextItem* title = FindText(page, "MSK");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 6 * W);
    EXPECT_EQ(title->y, -L);
    EXPECT_EQ(title->font, report_test::Scale().title);
    EXPECT_EQ(TextAt(page, 6 * W, -4 * Lb), "ID Code:");
    EXPECT_EQ(TextAt(page, 15 * W, -4 * Lb), "12AB");
    EXPECT_EQ(FindText(page, "12AB")->font, report_test::Scale().body);
    EXPECT_EQ(TextAt(page, 16 * W, -7 * Lb), "CallList");
    EXPECT_EQ(TextAt(page, 10 * W, -8 * Lb - 25), "1");
    EXPECT_EQ(TextAt(page, 17 * W, -8 * Lb - 25), "0001");
    EXPECT_EQ(TextAt(page, 17 * W, -11 * Lb - 25), "0004");
    // An entry of FF FF FF FF prints an empty value beside its number.
    EXPECT_EQ(TextAt(page, 10 * W, -16 * Lb - 25), "9");
    EXPECT_EQ(TextAt(page, 17 * W, -16 * Lb - 25), "");
    const std::vector<report::RuleItem> rules(page.rules.begin() + 3, page.rules.end());
    EXPECT_EQ(rules, (std::vector<report::RuleItem>{
                         {8 * W, -8 * Lb + 25, 25 * W, -8 * Lb + 25},
                         {14 * W, 25 - 7 * Lb, 14 * W, -17 * Lb - 50}}));
}

struct ValueCase {
    const char* what;
    std::function<void(RadioImage&)> change;
    const char* label;
    const char* value;
};

void CheckValues(Section section, int valueX, const std::vector<ValueCase>& cases,
                 bool chinese = false) {
    for (const ValueCase& c : cases) {
        RadioImage image = NewImage();
        c.change(image);
        const report::ReportPage page = SectionAlone(image, section, chinese);
        EXPECT_EQ(ValueBeside(page, c.label, valueX), c.value) << c.what;
    }
}

TEST(DtmfPage, PrintsWhatTheDtmfDialogShows) {
    CheckValues(Section::Dtmf, 40 * W, {
        {"speed code 3", [](RadioImage& i) { i[0x1308] = 3; }, "DTMF Speed:", "15"},
        {"speed code 2", [](RadioImage& i) { i[0x1308] = 2; }, "DTMF Speed:", "10"},
        {"speed byte 0x06: bits 1..0 only", [](RadioImage& i) { i[0x1308] = 0x06; }, "DTMF Speed:", "10"},
        {"speed byte 0xFC", [](RadioImage& i) { i[0x1308] = 0xFC; }, "DTMF Speed:", "6"},
        {"delay 4", [](RadioImage& i) { i[0x1309] = 4; }, "First Digit Delay Time(ms):", "200"},
        {"delay through 0x1F", [](RadioImage& i) { i[0x1309] = 0xE2; }, "First Digit Delay Time(ms):", "100"},
        {"digit time 0xFF", [](RadioImage& i) { i[0x130A] = 0xFF; }, "First Digit Time(ms):", "1550"},
        {"star time 10", [](RadioImage& i) { i[0x130B] = 10; }, "* and # Digit Time(ms):", "500"},
        {"side tone", [](RadioImage& i) { i[0x12A8] = 0x40; }, "Side Tone:", "√"},
        {"no side tone", [](RadioImage& i) { i[0x12A8] = 0xBF; }, "Side Tone:", "×"},
        {"ID of 11 bytes prints 10", [](RadioImage& i) { Put(i, 0x1320, "12345678901"); }, "ID Code:", "1234567890"},
        {"group code off", [](RadioImage& i) { i[0x132F] = 0xFF; }, "Group Code:", "Off"},
        {"group code", [](RadioImage& i) { i[0x132F] = 'B'; }, "Group Code:", "B"},
        {"stun on", [](RadioImage& i) { i[0x12A8] = 0x10; }, "Stun Activation:", "On"},
        {"stun off", [](RadioImage& i) { i[0x12A8] = 0xEF; }, "Stun Activation:", "Off"},
        {"stun code", [](RadioImage& i) { Put(i, 0x1338, "ABCD*#0123X"); }, "Stun Code:", "ABCD*#0123"},
        {"transmit inhibit", [](RadioImage& i) { i[0x12A8] = 0x20; }, "Stun Code Response:", "Tx inbibit"},
        {"transceiver inhibit", [](RadioImage& i) { i[0x12A8] = 0x00; }, "Stun Code Response:", "Transceiver inhibit"},
    });
}

TEST(DtmfPage, CallListRowsAndRules) {
    RadioImage image = NewImage();
    Put(image, layout::DtmfCallEntry(1), "0123456789ABCD*#");
    Put(image, layout::DtmfCallEntry(9), "99");
    const report::ReportPage page = SectionAlone(image, Section::Dtmf);
    EXPECT_EQ(TextAt(page, 10 * W, -20 * Lb - 50), "1");
    EXPECT_EQ(TextAt(page, 18 * W, -20 * Lb - 50), "0123456789ABCD*#");
    EXPECT_EQ(TextAt(page, 10 * W, -28 * Lb - 50), "9");
    EXPECT_EQ(TextAt(page, 18 * W, -28 * Lb - 50), "99");
    EXPECT_EQ(TextAt(page, 21 * W, -19 * Lb), "FastCallList");
    const std::vector<report::RuleItem> rules(page.rules.begin() + 3, page.rules.end());
    EXPECT_EQ(rules, (std::vector<report::RuleItem>{{8 * W, 25 - 20 * Lb, 40 * W, 25 - 20 * Lb},
                                                    {15 * W, 50 - 19 * Lb, 15 * W, -29 * Lb}}));
}

TEST(DtmfPage, ChineseWords) {
    CheckValues(Section::Dtmf, 40 * W, {
        {"stun on", [](RadioImage& i) { i[0x12A8] = 0x10; }, "遥毙激活:", "开"},
        {"group code off", [](RadioImage& i) { i[0x132F] = 0xFF; }, "组呼码:", "Off"},
        {"transceiver inhibit", [](RadioImage& i) { i[0x12A8] = 0x00; }, "遥毙码回应:", "禁止收发"},
    }, true);
}

TEST(OptionalPage, PrintsTheBitsTheOptionalDialogEdits) {
    CheckValues(Section::Optional, 30 * W, {
        // Back light from bits 5..4 of 0x1266, not of 0x1265.
        {"back light auto", [](RadioImage& i) { i[0x1266] = 0x10; i[0x1265] = 0x00; }, "Back Light:", "Auto"},
        {"back light on", [](RadioImage& i) { i[0x1266] = 0x20; i[0x1265] = 0x00; }, "Back Light:", "On"},
        {"back light code 3", [](RadioImage& i) { i[0x1266] = 0x30; }, "Back Light:", "Off"},
        {"colour from 0x1266", [](RadioImage& i) { i[0x1266] = 0x80; i[0x1265] = 0x00; }, "Back Light Color:", "Light 3"},
        {"colour code 0", [](RadioImage& i) { i[0x1266] = 0x00; i[0x1265] = 0xC0; }, "Back Light Color:", "Light 1"},
        // Display mode from bits 1..0 of 0x1267, four items.
        {"display mode 3", [](RadioImage& i) { i[0x1267] = 0xFF; i[0x1266] = 0x00; }, "Display mode:", "FREQ"},
        {"display mode 1", [](RadioImage& i) { i[0x1267] = 0x01; i[0x1266] = 0x07; }, "Display mode:", "NAME"},
        // Scan mode from bits 6..5 of 0x1265.
        {"scan carrier", [](RadioImage& i) { i[0x1265] = 0x20; i[0x1264] = 0x00; }, "Scan mode:", "CO"},
        {"scan code 3", [](RadioImage& i) { i[0x1265] = 0x60; i[0x1264] = 0x40; }, "Scan mode:", "TO"},
        // Beep from bit 3 of 0x1265.
        {"beep on", [](RadioImage& i) { i[0x1265] = 0x08; i[0x1264] = 0x00; }, "Beep tone:", "On"},
        {"beep off", [](RadioImage& i) { i[0x1265] = 0x00; i[0x1264] = 0x08; }, "Beep tone:", "Off"},
        // MSK-I is a set bit 0 of 0x12AB.
        {"msk-i", [](RadioImage& i) { i[0x12AB] = 0x01; }, "MSK Type:", "MSK-I"},
        {"msk-ii", [](RadioImage& i) { i[0x12AB] = 0xFE; }, "MSK Type:", "MSK-II"},
        {"key lock manual", [](RadioImage& i) { i[0x1265] = 0x04; }, "Key lock:", "Manual"},
        {"key lock auto", [](RadioImage& i) { i[0x1265] = 0xFB; }, "Key lock:", "Auto"},
        {"battery saver on", [](RadioImage& i) { i[0x12A8] = 0x01; }, "Battery saver:", "On"},
        {"keypad lock clear bit", [](RadioImage& i) { i[0x12A8] = 0x7F; }, "Keypad Lock:", "On"},
        {"keypad lock set bit", [](RadioImage& i) { i[0x12A8] = 0x80; }, "Keypad Lock:", "Off"},
    });
}

TEST(OptionalPage, ByteValuesBeyondTheListPrintTheFirstItem) {
    CheckValues(Section::Optional, 30 * W, {
        {"priority 17", [](RadioImage& i) { i[0x12A9] = 17; }, "Priority channel:", "17"},
        {"priority unset", [](RadioImage& i) { i[0x12A9] = 0xFF; }, "Priority channel:", "0"},
        {"squelch 9", [](RadioImage& i) { i[0x1261] = 9; }, "Squelch level:", "9"},
        {"squelch 0x13", [](RadioImage& i) { i[0x1261] = 0x13; }, "Squelch level:", "0"},
        {"step 12.5", [](RadioImage& i) { i[0x1263] = 3; }, "Step:", "12.5k"},
        {"step 25", [](RadioImage& i) { i[0x1263] = 4; }, "Step:", "25k"},
        {"step unset", [](RadioImage& i) { i[0x1263] = 0xFF; }, "Step:", "5k"},
        {"step 5 (beyond)", [](RadioImage& i) { i[0x1263] = 5; }, "Step:", "5k"},
        {"tot 3", [](RadioImage& i) { i[0x1260] = 3; }, "Time-out Timer:", "90"},
        {"tot 9", [](RadioImage& i) { i[0x1260] = 9; }, "Time-out Timer:", "270"},
        {"tot unset", [](RadioImage& i) { i[0x1260] = 0xFF; }, "Time-out Timer:", "Off"},
        {"tot 10 (beyond)", [](RadioImage& i) { i[0x1260] = 10; }, "Time-out Timer:", "Off"},
        {"vox 5", [](RadioImage& i) { i[0x1262] = 5; }, "Vox Gain Level:", "5"},
        {"vox unset", [](RadioImage& i) { i[0x1262] = 0xFF; }, "Vox Gain Level:", "Off"},
    });
}

TEST(OptionalPage, BytesNoEditorOwnsKeepTheirBits) {
    CheckValues(Section::Optional, 30 * W, {
        {"voice off", [](RadioImage& i) { i[0x1264] = 0x00; i[0x12A8] = 0x00; }, "Voice annunciation:", "Off"},
        {"voice english", [](RadioImage& i) { i[0x1264] = 0x04; i[0x12A8] = 0x00; }, "Voice annunciation:", "English"},
        {"voice chinese", [](RadioImage& i) { i[0x1264] = 0x04; i[0x12A8] = 0x02; }, "Voice annunciation:", "Chinese"},
        {"voice fourth combination", [](RadioImage& i) { i[0x1264] = 0x00; i[0x12A8] = 0x02; }, "Voice annunciation:", "Off"},
        {"frequency mode", [](RadioImage& i) { i[0x12A8] = 0x08; }, "Frequency Mode:", "On"},
        {"scrambler", [](RadioImage& i) { i[0x1264] = 0x10; }, "Scrambler:", "On"},
        {"display ptt id", [](RadioImage& i) { i[0x1264] = 0x7F; }, "Display PTT ID:", "Off"},
        {"ptt id dtmf", [](RadioImage& i) { i[0x12A8] = 0x04; }, "PTT ID type:", "DTMF"},
        {"ptt id msk", [](RadioImage& i) { i[0x12A8] = 0xFB; }, "PTT ID type:", "MSK"},
        {"beginning", [](RadioImage& i) { Put(i, 0x1278, "0123456789ABCDEFX"); }, "Beginning of Trasmit:", "0123456789ABCDEF"},
        {"end", [](RadioImage& i) { Put(i, 0x1290, "#12"); }, "End of transmit:", "#12"},
    });
}

TEST(OptionalPage, ChineseWords) {
    CheckValues(Section::Optional, 30 * W, {
        {"tot off", [](RadioImage& i) { i[0x1260] = 0; }, "超时定时器:", "无"},
        {"vox off", [](RadioImage& i) { i[0x1262] = 0; }, "声控增益电平:", "关"},
        {"voice off", [](RadioImage& i) { i[0x1264] = 0; }, "语音报号:", "无"},
        {"voice chinese", [](RadioImage& i) { i[0x1264] = 0x04; i[0x12A8] = 0x02; }, "语音报号:", "中文"},
        {"back light", [](RadioImage& i) { i[0x1266] = 0x10; }, "背光灯:", "自动"},
        {"scan mode", [](RadioImage& i) { i[0x1265] = 0x40; }, "扫描模式:", "搜索"},
        {"key lock", [](RadioImage& i) { i[0x1265] = 0x04; }, "键盘锁定:", "手动"},
    }, true);
}

TEST(OptionalPage, LinesStandWhereThePageSays) {
    const report::ReportPage page = SectionAlone(NewImage(), Section::Optional);
    EXPECT_EQ(TextAt(page, 6 * W, -L), "Optional");
    EXPECT_EQ(TextAt(page, 6 * W, -4 * Lb), "Function");
    EXPECT_EQ(TextAt(page, 9 * W, -5 * Lb), "Back Light:");
    EXPECT_EQ(TextAt(page, 9 * W, -21 * Lb), "Keypad Lock:");
    EXPECT_EQ(TextAt(page, 6 * W, -23 * Lb), "PTT ID");
    EXPECT_EQ(TextAt(page, 9 * W, -27 * Lb), "End of transmit:");
}

TEST(TwoTonePages, DecodeSetsInTwoColumns) {
    RadioImage image = NewImage();
    const std::size_t set4 = layout::TwoToneDecodeSet(4);
    const std::uint8_t bytes[] = {0x02, 0x9E, 0x03, 0xE8, 0x0A, 0x14, 0x05, 0x1E};
    std::memcpy(image.data() + set4, bytes, sizeof bytes); // 67.0, 100.0, 1.0, 2.0, 0.5, 3.0
    const report::ReportPage page = SectionAlone(image, Section::TwoTone);
    EXPECT_EQ(TextAt(page, 6 * W, -L), "2-Tone Decode");
    // Set 4 (g = 3): right column, second block.
    const int right = 32 * W;
    EXPECT_EQ(TextAt(page, 3 * W + right, -(4 + 9) * Lb), "2-Tone 4:");
    const std::vector<std::pair<int, std::string>> lines = {
        {5, "67.0"}, {6, "100.0"}, {7, "1.0"}, {8, "2.0"}, {9, "3.0"}, {10, "0.5"}};
    for (const auto& [k, value] : lines) {
        EXPECT_EQ(TextAt(page, 26 * W + right, -(k + 9) * Lb), value) << k;
    }
    EXPECT_EQ(TextAt(page, 3 * W, -(9 + 27) * Lb), "Long tone delay time (s):");
}

TEST(TwoTonePages, EncodeTimingAndTonePairs) {
    RadioImage image = NewImage();
    const std::uint8_t timing[] = {10, 20, 30, 0x00, 0x0A, 0x00, 0x05, 0x01};
    std::memcpy(image.data() + layout::kTwoToneTimingShown, timing, sizeof timing);
    const std::uint8_t entry1[] = {0x02, 0x9E, 0x03, 0xE8};
    std::memcpy(image.data() + layout::TwoToneEncodeEntry(0), entry1, 4);
    // First tone FF 12: only the number and the second tone print.
    const std::uint8_t entry18[] = {0xFF, 0x12, 0x07, 0xD0};
    std::memcpy(image.data() + layout::TwoToneEncodeEntry(17), entry18, 4);
    const report::ReportPage page = SectionAlone(image, Section::TwoTone, false, 2);
    EXPECT_EQ(TextAt(page, 6 * W, -L), "2-Tone Encode");
    const std::vector<std::pair<int, std::string>> lines = {
        {4, "1.0"}, {5, "2.0"}, {6, "3.0"}, {7, "0.5"}, {8, "0.25"}, {9, "ON"}};
    for (const auto& [k, value] : lines) {
        EXPECT_EQ(TextAt(page, 30 * W, -k * Lb), value) << k;
    }
    const int row0 = -13 * Lb - 25;
    EXPECT_EQ(TextAt(page, 7 * W, row0), "1");
    EXPECT_EQ(TextAt(page, 13 * W, row0), "67.0");
    EXPECT_EQ(TextAt(page, 23 * W, row0), "100.0");
    const int row1 = -14 * Lb - 25;
    EXPECT_EQ(TextAt(page, 35 * W, row1), "18");
    EXPECT_EQ(TextAt(page, 41 * W, row1), "<none>");
    EXPECT_EQ(TextAt(page, 51 * W, row1), "200.0");
    EXPECT_EQ(TextAt(page, 35 * W, -28 * Lb - 25), "32");
    EXPECT_EQ(TextAt(page, 40 * W, -12 * Lb), "Tone Fre1");
    const std::vector<report::RuleItem> rules(page.rules.begin() + 3, page.rules.end());
    EXPECT_EQ(rules, (std::vector<report::RuleItem>{
                         {6 * W - 25, 15 - 13 * Lb, 30 * W, 15 - 13 * Lb},
                         {11 * W, 25 - 12 * Lb, 11 * W, -29 * Lb - 25},
                         {34 * W - 25, 15 - 13 * Lb, 58 * W, 15 - 13 * Lb},
                         {39 * W, 25 - 12 * Lb, 39 * W, -29 * Lb - 25}}));
}

} // namespace
