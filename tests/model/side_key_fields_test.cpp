// Side key: the button each code selects and the code OK writes, with the
// upper six bits of the byte kept.

#include "model/fields/side_key_fields.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

namespace {

const fields::FieldSpec& SideKey() {
    return side_key::Page().fields.front();
}

TEST(SideKeyFields, ButtonPositionIsThreeMinusTheCode) {
    struct Case {
        std::uint8_t stored;
        std::string shows;
        int choose;
        std::uint8_t afterOk;
    };
    const Case cases[] = {
        {0xFF, "Option Singalling Call", 0, 0xFF}, {0x80, "Squelch Off Momentary", 1, 0x82},
        {0x80, "Squelch Off Momentary", 3, 0x80},  {0x02, "Emergency Call", 2, 0x01},
        {0x7D, "Send 1750Hz Singal", 0, 0x7F},     {0xFC, "Squelch Off Momentary", 0, 0xFF},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image[layout::kSideKey] = c.stored;
        const fields::FieldValue shown = SideKey().load(image);
        EXPECT_EQ(fields::ShownText(SideKey(), shown), c.shows) << int(c.stored);
        fields::FieldValue chosen;
        chosen.index = c.choose;
        SideKey().store(chosen, image);
        EXPECT_EQ(image[layout::kSideKey], c.afterOk) << int(c.stored);
        RadioImage other;
        other[layout::kSideKey] = 0;
        SideKey().store(chosen, other);
        EXPECT_EQ(other, [&] {
            RadioImage expected;
            expected[layout::kSideKey] = static_cast<std::uint8_t>(3 - c.choose);
            return expected;
        }()) << "nothing but bits 1..0 of 0x12AA changes";
    }
}

TEST(SideKeyFields, TakesTheButtonTextInEitherLanguage) {
    EXPECT_EQ(fields::AcceptInput(SideKey(), "Emergency Call")->index, 1);
    EXPECT_EQ(fields::AcceptInput(SideKey(), "瞬间静噪关闭")->index, 3);
    EXPECT_FALSE(fields::AcceptInput(SideKey(), "Emergency").has_value());
}

} // namespace
