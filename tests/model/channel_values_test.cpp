// The channel codec's values: frequency texts to units and to packed BCD
// and back, and the tone texts and their codes.

#include "model/band.h"
#include "model/channel_codec.h"
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <vector>

namespace {

using CodecTest = ::testing::Test;

TEST(FrequencyToUnits, ReadsTextLikeAtofAndScalesExactly) {
    struct Case {
        const char* text;
        std::int32_t units;
    };
    const Case cases[] = {
        {"438.00625", 43800625},
        {"145.125", 14512500},
        {"145.12500", 14512500},
        {"137.00625", 13700625},
        {"137.0025", 13700250},
        {"  145.125xyz", 14512500},
        {"+67", 6700000},
        {"-145.125", -14512500},
        {"145,125", 14500000},
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"0.00001", 1},
        {"0.000009", 0},
        {"600", 60000000},
        {"1e2", 10000000},
        {"1e30", std::numeric_limits<std::int32_t>::max()},
        {"-1e30", std::numeric_limits<std::int32_t>::min()},
        {"21474.83647", 2147483647},
        {"21474.83648", std::numeric_limits<std::int32_t>::max()},
        {"nan", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrequencyToUnits(c.text), c.units) << c.text;
    }
}

TEST(FrequencyToUnits, IgnoresTheProcessLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"};
    std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            EXPECT_EQ(FrequencyToUnits("438.00625"), 43800625) << name;
            EXPECT_EQ(FormatMhz(145.125), "145.12500") << name;
        }
    }
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(FrequencyBytes, TextToPackedBcdAndBack) {
    struct Case {
        const char* text;
        FrequencyBytes bytes;
        const char* decoded;
    };
    const Case cases[] = {
        {"438.00625", {0x25, 0x06, 0x80, 0x43}, "438.00625"},
        {"145.125", {0x00, 0x25, 0x51, 0x14}, "145.12500"},
        {"520", {0x00, 0x00, 0x00, 0x52}, "520.00000"},
        {"67", {0x00, 0x00, 0x70, 0x06}, "67.00000"},
        {"0.00001", {0x01, 0x00, 0x00, 0x00}, ""}, // top byte 0x00 reads as not set
        {"", {0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"0", {0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"None", {0xFF, 0xFF, 0xFF, 0xFF}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrequencyTextToBytes(c.text), c.bytes) << c.text;
        EXPECT_EQ(FrequencyBytesToText(c.bytes), c.decoded) << c.text;
    }
}

TEST(FrequencyBytes, InvalidBcdDecodesDigitByDigit) {
    EXPECT_EQ(FrequencyBytesToText({0x00, 0x00, 0x00, 0x1A}), "200.00000"); // 1·10 + 10
    EXPECT_EQ(FrequencyBytesToText({0xFF, 0xFF, 0xFF, 0xFE}), "1656.66665");
    EXPECT_EQ(FrequencyBytesToText({0x12, 0x34, 0x56, 0x00}), "");
}

TEST_F(CodecTest, ToneTextsEncodeToTheirCodes) {
    struct Case {
        const char* text;
        ToneCode code; // low, high
    };
    const Case cases[] = {
        {"67.0", {0x70, 0x06}},  {"254.1", {0x41, 0x25}}, {"100.0", {0x00, 0x10}},
        {"D023N", {0x23, 0x80}}, {"D754I", {0x54, 0xC7}}, {"D754N", {0x54, 0x87}},
        {"D023I", {0x23, 0xC0}}, {"D05N", {0x05, 0x80}},  {"None", {0xFF, 0xFF}},
        {"无", {0xFF, 0xFF}},    {"", {0xFF, 0xFF}},      {"0.01", {0x01, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneTextToCode(c.text), c.code) << c.text;
    }
}

TEST_F(CodecTest, ToneCodesDecodeToTheirTexts) {
    struct Case {
        ToneCode code;
        const char* english;
        const char* chinese;
        const char* emptyChannel;
    };
    const Case cases[] = {
        {{0x70, 0x06}, "67.0", "67.0", "67.0"},    {{0x41, 0x25}, "254.1", "254.1", "254.1"},
        {{0x23, 0xC0}, "D023I", "D023I", "D023I"}, {{0x54, 0xC7}, "D754I", "D754I", "D754I"},
        {{0x54, 0x87}, "D754N", "D754N", "D754N"}, {{0x05, 0x80}, "D05N", "D05N", "D05N"},
        {{0x00, 0x81}, "D100N", "D100N", "D100N"}, {{0x12, 0xFF}, "None", "无", ""},
        {{0x12, 0x00}, "None", "无", ""},          {{0x00, 0x01}, "10.0", "10.0", "10.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneCodeToText(c.code, false), c.english);
        EXPECT_EQ(ToneCodeToText(c.code, false, true), c.emptyChannel);
        EXPECT_EQ(ToneCodeToText(c.code, true), c.chinese);
    }
}

TEST_F(CodecTest, ToneListHasEveryTextOnceAndEachRoundTrips) {
    for (const bool chinese : {false, true}) {
        const std::vector<std::string> list = ToneList(chinese);
        ASSERT_EQ(list.size(), 261u);
        EXPECT_EQ(list[0], chinese ? "无" : "None");
        EXPECT_EQ(list[1], "67.0");
        EXPECT_EQ(list[50], "254.1");
        EXPECT_EQ(list[51], "D023N");
        EXPECT_EQ(list[155], "D754N");
        EXPECT_EQ(list[156], "D023I");
        EXPECT_EQ(list[260], "D754I");
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(ToneCodeToText(ToneTextToCode(list[i]), chinese), list[i]) << i;
            for (std::size_t j = 0; j < i; ++j) {
                ASSERT_NE(list[i], list[j]);
            }
        }
    }
}

} // namespace
