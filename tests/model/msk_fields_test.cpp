#include "model/fields/msk_fields.h"

#include "model/image_layout.h"
#include "tests/model/changed_offsets.h"
#include "tests/model/page_values.h"

#include <gtest/gtest.h>

namespace {

std::set<std::size_t> MskOwned() {
    std::set<std::size_t> owned;
    // 40 bytes: 16 of each of the first two rows, 8 of the third.
    for (std::size_t i = 0; i < 40; ++i) {
        owned.insert(0x12C0 + 24 * (i / 16) + i % 16);
    }
    return owned;
}

std::string Entry(int r) {
    return "call_list." + std::to_string(r);
}

TEST(MskFields, NewDocumentIsEmptyAndStoresAllPadding) {
    const RadioImage image;
    const PageValues values(msk::Page(), image);
    EXPECT_EQ(values.Shown("id_code"), "");
    for (int r = 1; r <= layout::kMskCallListCount; ++r) {
        EXPECT_EQ(values.Shown(Entry(r)), "");
    }
    RadioImage written = RandomImage(7);
    values.Store(written);
    for (const std::size_t at : MskOwned()) {
        EXPECT_EQ(written[at], 0xFF) << at;
    }
}

TEST(MskFields, EntriesSkipTheLastEightBytesOfEachRow) {
    const std::size_t expected[] = {0x12C4, 0x12C8, 0x12CC, 0x12D8, 0x12DC,
                                    0x12E0, 0x12E4, 0x12F0, 0x12F4};
    for (int r = 1; r <= layout::kMskCallListCount; ++r) {
        EXPECT_EQ(layout::MskCallListEntry(r), expected[r - 1]) << "entry " << r;
        RadioImage image;
        PageValues values(msk::Page(), image);
        values.SetText(Entry(r), "AB12");
        values.Store(image);
        EXPECT_EQ(image[expected[r - 1]], 'A');
        EXPECT_EQ(image[expected[r - 1] + 3], '2');
        EXPECT_EQ(PageValues(msk::Page(), image).Shown(Entry(r)), "AB12");
    }
}

TEST(MskFields, TextsArePaddedAndReadUpToTheEnd) {
    struct Case {
        std::uint8_t bytes[4];
        const char* text;
    };
    const Case cases[] = {
        {{'1', '2', 0xFF, 0xFF}, "12"},
        {{'1', 0x00, '3', '4'}, "1"},
        {{'F', 'F', 'F', 'F'}, "FFFF"},
        {{0xFF, '2', '3', '4'}, ""},
    };
    for (const Case& c : cases) {
        RadioImage image;
        for (std::size_t i = 0; i < 4; ++i) {
            image[0x12C0 + i] = c.bytes[i];
        }
        EXPECT_EQ(PageValues(msk::Page(), image).Shown("id_code"), c.text);
    }
    RadioImage image;
    PageValues values(msk::Page(), image);
    values.SetText("id_code", "12");
    values.Store(image);
    EXPECT_EQ(image[0x12C0], '1');
    EXPECT_EQ(image[0x12C1], '2');
    EXPECT_EQ(image[0x12C2], 0xFF);
    EXPECT_EQ(image[0x12C3], 0xFF);
}

TEST(MskFields, StoreWritesExactlyItsBytes) {
    RadioImage first = RandomImage(3);
    RadioImage second = RandomImage(4);
    const RadioImage firstBefore = first;
    PageValues values(msk::Page(), RadioImage());
    values.SetText("id_code", "1A");
    for (int r = 1; r <= layout::kMskCallListCount; ++r) {
        values.SetText(Entry(r), std::string(static_cast<std::size_t>(r % 5), 'C'));
    }
    values.Store(first);
    values.Store(second);
    EXPECT_TRUE(ChangesOnlyWithin(firstBefore, first, MskOwned()));
    for (const std::size_t at : MskOwned()) {
        EXPECT_EQ(first[at], second[at]) << at;
    }
    EXPECT_EQ(PageValues(msk::Page(), first).Shown(Entry(4)), "CCCC");
}

TEST(MskFields, IdsTakeUpToFourHexDigitsInCapitals) {
    const std::pair<const char*, const char*> accepted[] = {
        {"", ""}, {"1a2B", "1A2B"}, {"0", "0"}, {"ffff", "FFFF"}};
    for (const char* name : {"id_code", "call_list.9"}) {
        const fields::FieldSpec* spec = fields::FindField(msk::Page().fields, name);
        ASSERT_NE(spec, nullptr);
        for (const auto& [text, result] : accepted) {
            const auto value = fields::AcceptInput(*spec, text);
            ASSERT_TRUE(value.has_value()) << text;
            EXPECT_EQ(value->text, result) << text;
        }
        for (const char* text : {"12345", "G1", "1 2", "-1", "1.5"}) {
            EXPECT_FALSE(fields::AcceptInput(*spec, text).has_value()) << text;
        }
    }
}

} // namespace
