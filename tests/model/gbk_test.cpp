#include "model/gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(Gbk, ConvertsBothWaysExactly) {
    struct Case {
        const char* utf8;
        const char* gbk;
    };
    const Case cases[] = {
        {"", ""},
        {"ABC 123", "ABC 123"},
        {"中文", "\xD6\xD0\xCE\xC4"},
        {"信道信息", "\xD0\xC5\xB5\xC0\xD0\xC5\xCF\xA2"},
        {"A中B", "A\xD6\xD0"
                 "B"},
        {"€", "\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
        EXPECT_EQ(Utf8ToGbkExact(c.utf8), std::optional<std::string>(c.gbk));
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    }
}

TEST(Gbk, BytesThatAreNoCharacterSurviveARoundTrip) {
    const std::string cases[] = {
        "\x81",        "\xFF",         "\xA1",     "\xAA\xA1", // user-defined area: no character
        "ABCDEFG\xB0", "\xB0\x20\xB0", "\x81\x7F", "\xFE\xFE\xD6\xD0",
    };
    for (const std::string& bytes : cases) {
        const std::string utf8 = GbkToUtf8(bytes);
        EXPECT_TRUE(IsValidUtf8(utf8));
        EXPECT_EQ(Utf8ToGbk(utf8), bytes);
        EXPECT_EQ(GbkByteLength(utf8), bytes.size());
    }
}

TEST(Gbk, EveryTwoByteSequenceRoundTrips) {
    int characters = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = GbkToUtf8(bytes);
            ASSERT_TRUE(IsValidUtf8(utf8)) << lead << ' ' << trail;
            ASSERT_EQ(Utf8ToGbk(utf8), bytes) << lead << ' ' << trail;
            characters += Utf8ToGbkExact(utf8).has_value() && utf8.size() <= 3 &&
                          static_cast<unsigned char>(utf8[0]) >= 0xE0;
        }
    }
    // GBK holds well over twenty thousand double-byte characters.
    EXPECT_GT(characters, 20000);
}

TEST(Gbk, CharactersOutsideGbkAndBadUtf8AreRefusedOrReplaced) {
    struct Case {
        std::string utf8;
        std::string replaced;
    };
    const Case cases[] = {
        {"A\xF0\x9F\x98\x80"
         "B",
         "A?B"},                      // emoji
        {"\xC0\x80", "??"},           // overlong
        {"\xED\xA0\x80", "???"},      // surrogate
        {"\xE4\xB8", "??"},           // cut short
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Utf8ToGbkExact(c.utf8).has_value());
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.replaced);
    }
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
    EXPECT_TRUE(IsValidUtf8("中文€A"));
}

TEST(Gbk, LengthsAndCutsCountGbkBytes) {
    struct Case {
        const char* utf8;
        std::size_t length;
        std::size_t limit;
        const char* cut;
    };
    const Case cases[] = {
        {"ABCDEFG", 7, 7, "ABCDEFG"},     {"中文", 4, 7, "中文"},
        {"中文ABC", 7, 7, "中文ABC"},     {"中文中文", 8, 7, "中文中"},
        {"ABCDEFG中", 9, 8, "ABCDEFG"},   {"ABCDEFGH", 8, 8, "ABCDEFGH"},
        {"A\xF0\x9F\x98\x80", 2, 1, "A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GbkByteLength(c.utf8), c.length) << c.utf8;
        EXPECT_EQ(TruncateToGbkBytes(c.utf8, c.limit), c.cut) << c.utf8;
    }
}

} // namespace
