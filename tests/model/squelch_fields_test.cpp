#include "model/fields/squelch_fields.h"

#include "tests/model/changed_offsets.h"
#include "tests/model/page_values.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr const char* kNames[] = {"v_wide", "v_narrow", "u_wide", "u_narrow"};

std::array<std::string, 4> Shown(const RadioImage& image) {
    const PageValues values(squelch::Page(), image);
    std::array<std::string, 4> shown;
    for (std::size_t i = 0; i < 4; ++i) {
        shown[i] = values.Shown(kNames[i]);
    }
    return shown;
}

TEST(SquelchFields, ListsOfferMinus55To54) {
    for (const fields::FieldSpec& spec : squelch::Page().fields) {
        ASSERT_EQ(spec.items.size(), 110u);
        EXPECT_EQ(spec.items.front().english, "-55");
        EXPECT_EQ(spec.items[55].english, "0");
        EXPECT_EQ(spec.items.back().chinese, "54");
    }
}

struct ShowCase {
    std::uint8_t stored;
    std::array<std::string, 4> shown;
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
        EXPECT_EQ(Shown(image), c.shown) << int(c.stored);
    }
}

TEST(SquelchFields, StoreWritesValuePlus64AndDefaultsForNoSelection) {
    RadioImage image = RandomImage(11);
    const RadioImage before = image;
    PageValues values(squelch::Page(), image);
    const char* chosen[] = {"-55", "54", nullptr, "0"};
    for (std::size_t i = 0; i < 4; ++i) {
        const fields::FieldSpec& spec = squelch::Page().fields[i];
        values[kNames[i]] =
            chosen[i] ? *fields::AcceptInput(spec, chosen[i]) : fields::FieldValue{};
    }
    values.Store(image);
    EXPECT_EQ(image[0x17EE], 9);
    EXPECT_EQ(image[0x17EF], 118);
    EXPECT_EQ(image[0x17F0], 34);
    EXPECT_EQ(image[0x17F1], 64);
    EXPECT_TRUE(ChangesOnlyWithin(before, image, {0x17EE, 0x17EF, 0x17F0, 0x17F1}));

    // Stored 119 loads as no selection; storing that gives the defaults.
    RadioImage high;
    for (std::size_t i = 0; i < 4; ++i) {
        high[0x17EE + i] = 119;
    }
    PageValues(squelch::Page(), high).Store(high);
    EXPECT_EQ(high[0x17EE], 41);
    EXPECT_EQ(high[0x17EF], 39);
    EXPECT_EQ(high[0x17F0], 34);
    EXPECT_EQ(high[0x17F1], 30);
    EXPECT_FALSE(fields::AcceptInput(squelch::Page().fields[0], "55").has_value());
}

} // namespace
