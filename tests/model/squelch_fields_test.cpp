#include "model/fields/squelch_fields.h"

#include "tests/model/changed_offsets.h"

#include <gtest/gtest.h>

namespace {

TEST(SquelchFields, ListsOfferMinus55To54) {
    const auto& items = squelch::LevelItems();
    ASSERT_EQ(items.size(), 110u);
    EXPECT_EQ(items.front(), "-55");
    EXPECT_EQ(items[55], "0");
    EXPECT_EQ(items.back(), "54");
    EXPECT_EQ(squelch::ItemIndex("-23"), 32);
    EXPECT_EQ(squelch::ItemIndex("55"), -1);
}

struct ShowCase {
    std::uint8_t stored;
    squelch::Levels shown;
};

TEST(SquelchFields, StoredLevelsShowAsValueMinus64OrTheDefault) {
    const ShowCase cases[] = {
        {0xFF, {"-23", "-25", "-30", "-34"}}, // not set: the defaults
        {0x00, {"-23", "-25", "-30", "-34"}},
        {8, {"-23", "-25", "-30", "-34"}},
        {120, {"-23", "-25", "-30", "-34"}},
        {9, {"-55", "-55", "-55", "-55"}},
        {118, {"54", "54", "54", "54"}},
        {119, {"", "", "", ""}}, // valid but not offered: no selection
        {64, {"0", "0", "0", "0"}},
    };
    for (const ShowCase& c : cases) {
        RadioImage image;
        for (std::size_t i = 0; i < 4; ++i) {
            image[0x17EE + i] = c.stored;
        }
        EXPECT_EQ(squelch::Load(image), c.shown) << int(c.stored);
    }
}

TEST(SquelchFields, StoreWritesValuePlus64AndDefaultsForNoSelection) {
    RadioImage image = RandomImage(11);
    const RadioImage before = image;
    squelch::Store({"-55", "54", "", "0"}, image);
    EXPECT_EQ(image[0x17EE], 9);
    EXPECT_EQ(image[0x17EF], 118);
    EXPECT_EQ(image[0x17F0], 34);
    EXPECT_EQ(image[0x17F1], 64);
    EXPECT_TRUE(ChangesOnlyWithin(before, image, {0x17EE, 0x17EF, 0x17F0, 0x17F1}));

    // Stored 119 loads as no selection; storing that gives the default.
    RadioImage high;
    for (std::size_t i = 0; i < 4; ++i) {
        high[0x17EE + i] = 119;
    }
    squelch::Store(squelch::Load(high), high);
    EXPECT_EQ(high[0x17EE], 41);
    EXPECT_EQ(high[0x17EF], 39);
    EXPECT_EQ(high[0x17F0], 34);
    EXPECT_EQ(high[0x17F1], 30);
}

} // namespace
