// The shared field codec: row runs, text fields, bit fields, the numbers of
// an edit's text.

#include "model/fields/field_codec.h"
#include "model/image_layout.h"
#include "tests/model/field_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;

TEST(FieldCodec, RowRunSkipsBytes16To23OfEachRow) {
    struct Case {
        std::size_t start;
        std::size_t index;
        std::size_t offset;
    };
    const Case cases[] = {
        {0x12C0, 0, 0x12C0},  {0x12C0, 15, 0x12CF}, {0x12C0, 16, 0x12D8}, {0x12C0, 31, 0x12E7},
        {0x12C0, 32, 0x12F0}, {0x12C0, 39, 0x12F7}, {0x12C4, 12, 0x12D8}, {0x12CC, 4, 0x12D8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout::RowRunOffset(c.start, c.index), c.offset) << c.start << "+" << c.index;
    }
}

TEST(FieldCodec, TextReadsToTheFirstStopByteAndWritesPaddedWith0xFF) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string text;
    };
    const Case cases[] = {
        {{'1', '2', 0xFF, '3'}, "12"},
        {{'1', 0x00, '2', '3'}, "1"},
        {{'A', 'B', 'C', 'D'}, "ABCD"},
        {{0xFF, 'A', 'B', 'C'}, ""},
    };
    for (const Case& c : cases) {
        RadioImage image;
        std::copy(c.bytes.begin(), c.bytes.end(), image.data() + 0x100);
        EXPECT_EQ(ReadText(image, {0x100, 4}), c.text);
    }

    RadioImage image = field_test::PatternImage(1);
    const RadioImage before = image;
    WriteText(image, {0x12C0 + 12, 8, true}, "ABCDEF");
    const std::uint8_t expected[8] = {'A', 'B', 'C', 'D', 'E', 'F', 0xFF, 0xFF};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(image[layout::RowRunOffset(0x12CC, i)], expected[i]) << i;
    }
    for (std::size_t i = 0x12D0; i < 0x12D8; ++i) {
        EXPECT_EQ(image[i], before[i]) << "row tail " << i;
    }
    WriteText(image, {0x200, 3}, "TOOLONG");
    EXPECT_EQ(ReadText(image, {0x200, 3}), "TOO");
    EXPECT_EQ(image[0x203], before[0x203]);
}

TEST(FieldCodec, BitsAreReadAndWrittenInPlace) {
    struct Case {
        std::uint8_t before;
        BitField field;
        int value;
        int read;
        std::uint8_t after;
    };
    const Case cases[] =
        {
            {0xFF, {0, 4, 2}, 1, 3, 0xDF}, {0x00, {0, 6, 2}, 2, 0, 0x80},
            {0xA5, {0, 0, 1}, 0, 1, 0xA4}, {0x5A, {0, 7, 1}, 1, 0, 0xDA},
            {0x0F, {0, 2, 2}, 7, 3, 0x0F}, // the value is cut to the field's width
        };
    for (const Case& c : cases) {
        RadioImage image;
        image[0] = c.before;
        EXPECT_EQ(ReadBits(image, c.field), c.read);
        WriteBits(image, c.field, c.value);
        EXPECT_EQ(image[0], c.after) << int(c.before);
    }
}

TEST(FieldCodec, LeadingDigitsAndBigEndianNumbers) {
    EXPECT_EQ(ParseLeadingDigits(""), 0);
    EXPECT_EQ(ParseLeadingDigits("x12"), 0);
    EXPECT_EQ(ParseLeadingDigits(" 12"), 0);
    EXPECT_EQ(ParseLeadingDigits("-5"), 0);
    EXPECT_EQ(ParseLeadingDigits("075ms"), 75);
    EXPECT_EQ(ParseLeadingDigits("123456789012345"), 999999999);

    RadioImage image;
    WriteBE16(image, 0x10, 0x4E20);
    EXPECT_EQ(image[0x10], 0x4E);
    EXPECT_EQ(image[0x11], 0x20);
    EXPECT_EQ(ReadBE16(image, 0x10), 0x4E20);
    WriteBE16(image, 0x10, 0x12345);
    EXPECT_EQ(ReadBE16(image, 0x10), 0x2345) << "each byte is cut";
}

} // namespace
