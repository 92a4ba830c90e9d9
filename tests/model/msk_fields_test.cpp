#include "model/fields/msk_fields.h"

#include "tests/model/changed_offsets.h"

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

TEST(MskFields, NewDocumentIsEmptyAndStoresAllPadding) {
    RadioImage image;
    const msk::Values values = msk::Load(image);
    EXPECT_EQ(values.idCode, "");
    for (const std::string& entry : values.callList) {
        EXPECT_EQ(entry, "");
    }
    RadioImage written = RandomImage(7);
    msk::Store(values, written);
    for (const std::size_t at : MskOwned()) {
        EXPECT_EQ(written[at], 0xFF) << at;
    }
}

TEST(MskFields, EntriesSkipTheLastEightBytesOfEachRow) {
    const std::size_t expected[] = {0x12C4, 0x12C8, 0x12CC, 0x12D8, 0x12DC,
                                    0x12E0, 0x12E4, 0x12F0, 0x12F4};
    for (int r = 1; r <= msk::kCallListEntries; ++r) {
        EXPECT_EQ(msk::CallListEntryOffset(r), expected[r - 1]) << "entry " << r;
        RadioImage image;
        msk::Values values;
        values.callList[r - 1] = "AB12";
        msk::Store(values, image);
        EXPECT_EQ(image[expected[r - 1]], 'A');
        EXPECT_EQ(image[expected[r - 1] + 3], '2');
        EXPECT_EQ(msk::Load(image).callList[r - 1], "AB12");
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
        EXPECT_EQ(msk::Load(image).idCode, c.text);
    }
    RadioImage image;
    msk::Values values;
    values.idCode = "12";
    values.callList[8] = "ABCDE"; // only four characters fit
    msk::Store(values, image);
    EXPECT_EQ(image[0x12C0], '1');
    EXPECT_EQ(image[0x12C1], '2');
    EXPECT_EQ(image[0x12C2], 0xFF);
    EXPECT_EQ(image[0x12C3], 0xFF);
    EXPECT_EQ(msk::Load(image).callList[8], "ABCD");
}

TEST(MskFields, StoreWritesExactlyItsBytes) {
    msk::Values values;
    values.idCode = "1A";
    for (int r = 0; r < msk::kCallListEntries; ++r) {
        values.callList[r] = std::string(static_cast<std::size_t>(r % 5), 'C');
    }
    RadioImage first = RandomImage(3);
    RadioImage second = RandomImage(4);
    const RadioImage firstBefore = first;
    msk::Store(values, first);
    msk::Store(values, second);
    EXPECT_TRUE(ChangesOnlyWithin(firstBefore, first, MskOwned()));
    for (const std::size_t at : MskOwned()) {
        EXPECT_EQ(first[at], second[at]) << at;
    }
    EXPECT_EQ(msk::Load(first), values);
}

TEST(MskFields, IdEditTakesUpToFourHexDigits) {
    const std::pair<const char*, const char*> accepted[] = {
        {"", ""}, {"1a2B", "1A2B"}, {"0", "0"}, {"FFFF", "FFFF"}};
    for (const auto& [text, result] : accepted) {
        EXPECT_EQ(msk::AcceptIdText(text), std::optional<std::string>(result)) << text;
    }
    for (const char* text : {"12345", "G1", "1 2", "-1", "1.5"}) {
        EXPECT_EQ(msk::AcceptIdText(text), std::nullopt) << text;
    }
}

} // namespace
