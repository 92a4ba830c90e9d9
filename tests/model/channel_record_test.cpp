// The channel codec's records: empty records and records with only some
// fields, names and their byte limit, the flag bits in the words of either
// language, the shift direction, and whole tables round-tripping.

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/image_layout.h"
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Record = std::array<std::uint8_t, 24>;

Record EmptyRecord() {
    Record r;
    r.fill(0xFF);
    return r;
}

ChannelTexts Decode(const Record& r, bool bChinese = false) {
    return DecodeRecord(r.data(), bChinese);
}

Record Encode(const ChannelTexts& texts, Record r) {
    EncodeRecord(texts, r.data());
    return r;
}

using CodecTest = ::testing::Test;

TEST_F(CodecTest, EmptyRecordDecodesEmptyAndEncodesWithBusyLockBitsOnly) {
    Record r = EmptyRecord();
    EXPECT_EQ(Decode(r), ChannelTexts{});
    const Record out = Encode(Decode(r), r);
    Record expected = EmptyRecord();
    expected[13] = 0x05;
    EXPECT_EQ(out, expected);

    // Bytes 12, 14, 15 and bit 0 of byte 13 are carried.
    r[12] = 0x12;
    r[13] = 0xFE;
    r[14] = 0x34;
    r[15] = 0x56;
    const Record kept = Encode(Decode(r), r);
    EXPECT_EQ(kept[12], 0x12);
    EXPECT_EQ(kept[13], 0x04);
    EXPECT_EQ(kept[14], 0x34);
    EXPECT_EQ(kept[15], 0x56);
}

TEST_F(CodecTest, RecordWithOnlyRxShowsOnlyRxAndEncodesTxBelowRx) {
    Record r = EmptyRecord();
    r[0] = 0x00;
    r[1] = 0x25;
    r[2] = 0x51;
    r[3] = 0x14;
    r[13] = 0x3C; // power, wide, scan set: not shown for an empty channel
    const ChannelTexts texts = Decode(r);
    EXPECT_EQ(texts, (ChannelTexts{"145.12500", "", "", "", "", "", "", "", ""}));
    const Record out = Encode(texts, r);
    for (int i : {4, 5, 6, 7, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21, 22, 23}) {
        EXPECT_EQ(out[i], 0xFF) << i;
    }
    EXPECT_EQ(out[13], 0x44); // bits 7..6 = 01, busy lock 10, the rest clear
}

TEST_F(CodecTest, TonesOfAnEmptyChannelShowAndAreStoredBack) {
    Record r = EmptyRecord();
    r[3] = 0x14; // Rx set, Tx not set
    r[8] = 0x70;
    r[9] = 0x06;
    r[10] = 0x23;
    r[11] = 0xC0;
    const ChannelTexts texts = Decode(r);
    EXPECT_EQ(texts[kColDecodeTone - 1], "67.0");
    EXPECT_EQ(texts[kColEncodeTone - 1], "D023I");
    EXPECT_EQ(texts[kColName - 1], "");
    const Record out = Encode(texts, r);
    EXPECT_EQ(out[8], 0x70);
    EXPECT_EQ(out[9], 0x06);
    EXPECT_EQ(out[10], 0x23);
    EXPECT_EQ(out[11], 0xC0);
}

// A set channel at 145.125 MHz both ways with the given name bytes and flags.
Record SetRecord(const std::vector<std::uint8_t>& name, std::uint8_t flags) {
    Record r = EmptyRecord();
    const std::uint8_t freq[] = {0x00, 0x25, 0x51, 0x14};
    for (int i = 0; i < 4; ++i) {
        r[i] = freq[i];
        r[4 + i] = freq[i];
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        r[16 + i] = name[i];
    }
    r[13] = flags;
    return r;
}

TEST_F(CodecTest, NamesDecodeUpToTheFirstFfOrZeroAndEncodeFfPadded) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* text;
        std::vector<std::uint8_t> encoded; // bytes 16..23
    };
    const Case cases[] = {
        {{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'},
         "ABCDEFGH",
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
        {{'A', 'B', 'C'}, "ABC", {'A', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {{0xFF, 'A', 'B'}, "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {{'A', 0x00, 'B'}, "A", {'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {{0xD6, 0xD0, 0xCE, 0xC4, 'X'}, "中文X", {0xD6, 0xD0, 0xCE, 0xC4, 'X', 0xFF, 0xFF, 0xFF}},
        // Bytes that are no GBK character survive the round trip.
        {{'A', 'B', 'C', 'D', 'E', 'F', 'G', 0xB0},
         nullptr,
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0xB0}},
    };
    for (const Case& c : cases) {
        const Record r = SetRecord(c.bytes, 0x28);
        const ChannelTexts texts = Decode(r);
        if (c.text != nullptr) {
            EXPECT_EQ(texts[kColName - 1], c.text);
        }
        const Record out = Encode(texts, r);
        EXPECT_EQ(std::vector<std::uint8_t>(out.begin() + 16, out.end()), c.encoded);
    }
}

TEST_F(CodecTest, LongNamesAreCutBetweenCharactersAtEightBytes) {
    ChannelTexts texts = Decode(SetRecord({}, 0));
    texts[kColName - 1] = "ABCDEFG中"; // 9 GBK bytes: the double-byte character does not fit
    const Record out = Encode(texts, EmptyRecord());
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin() + 16, out.end()),
              (std::vector<std::uint8_t>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 0xFF}));
    texts[kColName - 1] = "ABCDEFGHIJ";
    const Record ascii = Encode(texts, EmptyRecord());
    EXPECT_EQ(std::vector<std::uint8_t>(ascii.begin() + 16, ascii.end()),
              (std::vector<std::uint8_t>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
}

TEST_F(CodecTest, FlagBitsDecodeToTheWordsOfTheLanguageInUse) {
    struct Case {
        std::uint8_t flags;
        std::array<const char*, 4> english; // power, width, scan, busy
        std::array<const char*, 4> chinese;
    };
    const Case cases[] = {
        {0x00, {"Low", "Narrow", "No", "Off"}, {"低", "窄", "否", "关"}},
        {0x3A, {"High", "Wide", "Yes", "Carrier"}, {"高", "宽", "是", "载波"}},
        {0x04, {"Low", "Narrow", "No", "QT/DQT"}, {"低", "窄", "否", "QT/DQT"}},
        {0x06, {"Low", "Narrow", "No", "QT/DQT"}, {"低", "窄", "否", "QT/DQT"}},
        {0xC1, {"Low", "Narrow", "No", "Off"}, {"低", "窄", "否", "关"}},
    };
    for (const Case& c : cases) {
        for (bool chinese : {false, true}) {
            const ChannelTexts texts = Decode(SetRecord({}, c.flags), chinese);
            const auto& words = chinese ? c.chinese : c.english;
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(texts[kColPower - 1 + i], words[i]) << int(c.flags) << ' ' << i;
            }
        }
    }
}

TEST_F(CodecTest, FlagWordsOfEitherLanguageEncodeAndAreMatchedExactly) {
    struct Case {
        std::array<const char*, 4> words; // power, width, scan, busy
        std::uint8_t flags;               // bits 5..1 of byte 13
    };
    const Case cases[] = {
        {{"High", "Wide", "Yes", "Off"}, 0x38},
        {{"高", "宽", "是", "关"}, 0x38},
        {{"Low", "Narrow", "No", "Carrier"}, 0x02},
        {{"低", "窄", "否", "载波"}, 0x02},
        {{"high", "wide", "yes", "off"}, 0x04},
        {{"", "", "", "QT/DQT"}, 0x04},
        {{"", "", "", ""}, 0x04},
        {{"High ", "Wide", "Yes", "carrier"}, 0x1C},
    };
    for (const Case& c : cases) {
        ChannelTexts texts = Decode(SetRecord({}, 0));
        for (int i = 0; i < 4; ++i) {
            texts[kColPower - 1 + i] = c.words[i];
        }
        const Record out = Encode(texts, EmptyRecord());
        EXPECT_EQ(out[13] & 0x3E, c.flags) << c.words[0] << c.words[3];
    }
}

TEST_F(CodecTest, ShiftDirectionComesFromTxAgainstRx) {
    struct Case {
        const char* rx;
        const char* tx;
        std::uint8_t bits;
    };
    const Case cases[] = {
        {"145.00000", "145.60000", 0x80}, {"145.60000", "145.00000", 0x40},
        {"145.00000", "145.00000", 0x00}, {"", "", 0x00},
        {"145.00000", "", 0x40},          {"", "145.00000", 0x80},
    };
    for (const Case& c : cases) {
        ChannelTexts texts{};
        texts[0] = c.rx;
        texts[1] = c.tx;
        EXPECT_EQ(Encode(texts, EmptyRecord())[13] & 0xC0, c.bits) << c.rx << '/' << c.tx;
    }
}

TEST_F(CodecTest, DecodeRefreshesTheBandAndKeepsTheCodeRead) {
    RadioImage image;
    SetImageBandCode(image, kDefaultBandCode); // 136..174, 400..480
    ChannelTable table;
    BandPlan bands;
    DecodeChannels(image, table, bands, false);
    EXPECT_EQ(bands.bandCode, kDefaultBandCode);
    EXPECT_EQ(ImageBandCode(image), kDecodedBandCode);
    EXPECT_TRUE(bands.InBands(51000000));
    EXPECT_TRUE(bands.InBands(52000000));
    EXPECT_FALSE(bands.InBands(52000625));
}

TEST_F(CodecTest, WholeTableRoundTripsAndLeavesOtherBytesAlone) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    // A valid channel in record 5 and record 128 ("Fr").
    for (std::size_t n : {5u, 128u}) {
        std::uint8_t* rec = image.data() + layout::ChannelRecord(n);
        const std::uint8_t bytes[] = {0x25, 0x06, 0x80, 0x43, 0x00, 0x25, 0x51, 0x14,
                                      0x70, 0x06, 0x54, 0xC7, 0x01, 0x2B, 0x02, 0x03,
                                      0xD6, 0xD0, 'A',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        std::copy(std::begin(bytes), std::end(bytes), rec);
    }
    const RadioImage original = image;
    ChannelTable table;
    BandPlan bands;
    DecodeChannels(image, table, bands, false);
    EXPECT_EQ(table[5], (ChannelTexts{"438.00625", "145.12500", "67.0", "D754I", "中A", "High",
                                      "Narrow", "Yes", "Carrier"}));
    EXPECT_EQ(table[128], table[5]);
    EncodeChannels(table, image, bands);
    for (std::size_t n : {5u, 128u}) {
        const std::size_t at = layout::ChannelRecord(n);
        for (std::size_t i = 0; i < 24; ++i) {
            const std::uint8_t expected = i == 13 ? 0x6B : original[at + i]; // Tx below Rx
            EXPECT_EQ(image[at + i], expected) << n << ':' << i;
        }
    }
    for (std::size_t i = layout::kChannelsEnd; i < RadioImage::size(); ++i) {
        if (i < layout::kBandCode || i >= layout::kBandCode + 6) {
            ASSERT_EQ(image[i], original[i]) << i;
        }
    }
}

TEST_F(CodecTest, DecodeWritesChineseWordsWhenChinese) {
    RadioImage image;
    const std::uint8_t bytes[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14};
    std::copy(std::begin(bytes), std::end(bytes), image.data());
    image[13] = 0x38;
    ChannelTable table;
    BandPlan bands;
    DecodeChannels(image, table, bands, true);
    EXPECT_EQ(table[0],
              (ChannelTexts{"145.12500", "145.12500", "无", "无", "", "高", "宽", "是", "关"}));
}

} // namespace
