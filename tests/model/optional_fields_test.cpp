// Optional features: what each control shows for the image's codes and what
// OK writes back, including the codes no item stores and the shared bytes.

#include "model/fields/optional_fields.h"
#include "model/program_document.h"
#include "tests/model/field_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using fields::FieldValues;
using optional_features::Page;

std::map<std::string, std::string> Shown(const RadioImage& image) {
    std::map<std::string, std::string> shown;
    const FieldValues values = fields::LoadFields(Page().fields, image, false);
    for (std::size_t i = 0; i < Page().fields.size(); ++i) {
        shown[Page().fields[i].name] = fields::ShownText(Page().fields[i], values[i]);
    }
    return shown;
}

// Open and OK without changes.
void OpenAndOk(RadioImage& image) {
    fields::StoreFields(Page().fields, fields::LoadFields(Page().fields, image, false), image);
}

RadioImage NewImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    return image;
}

TEST(OptionalFields, NewDocumentShowsItsDefaults) {
    const std::map<std::string, std::string> expected = {
        {"back_light", "Auto"},
        {"back_light_color", "Light 1"},
        {"power_on_style", "Off"},
        {"key_lock", "Manual"},
        {"priority_channel", "None"},
        {"vox_gain", "Off"},
        {"display_mode", "FREQ.CH"},
        {"battery_saver", "On"},
        {"beep", "On"},
        {"tail", "On"},
        {"scan_mode", "CO"},
        {"squelch_level", "4"},
        {"step", "5"},
        {"tot", "30"},
        {"tot_pre_alert", "Off"},
        {"password", ""},
        {"stopwatch", "On"},
        {"short_press_orange_key", "Emergency Call"},
        {"str_set", "Manual"},
        {"allow_reset", "Disable"},
        {"msk_type", "MSK-I"},
        {"keypad_lock", "false"},
        {"repeater_msk_invert", "false"},
    };
    EXPECT_EQ(Shown(NewImage()), expected);

    RadioImage image = NewImage();
    const RadioImage before = image;
    OpenAndOk(image);
    EXPECT_EQ(image, before) << "OK without changes rewrites the defaults unchanged";
}

TEST(OptionalFields, CodesNoItemStoresShowTheNamedItemAndStoreItsCode) {
    struct Case {
        std::size_t offset;
        std::uint8_t stored;
        std::string field;
        std::string shows;
        std::uint8_t afterOk;
    };
    const Case cases[] = {
        {0x1260, 0xFF, "tot", "Off", 0x00},
        {0x1261, 0xFF, "squelch_level", "0", 0x00},
        {0x1262, 0xFF, "vox_gain", "Off", 0x00},
        {0x1263, 0xFF, "step", "5", 0x00},
        {0x1264, 0xFF, "tot_pre_alert", "Off", 0x00},
        {0x12A9, 0xFF, "priority_channel", "None", 0x00},
        {0x12A9, 0x81, "priority_channel", "None", 0x00},
        {0x12A9, 0x80, "priority_channel", "128", 0x80},
        {0x1260, 0x09, "tot", "270", 0x09},
        {0x1260, 0x0A, "tot", "Off", 0x00},
        {0x1263, 0x04, "step", "25", 0x04},
        // Bits 1..0 = 3 of 0x1265 is Emergency Call, stored back as 2.
        {0x1265, 0xBF, "short_press_orange_key", "Emergency Call", 0xBE},
        {0x1265, 0xBD, "short_press_orange_key", "Send 1750 Singal", 0xBD},
        {0x1265, 0xBC, "short_press_orange_key", "Off", 0xBC},
        // Scan mode 3 shows TO and stores 0.
        {0x1265, 0x7E, "scan_mode", "TO", 0x1E},
        {0x1265, 0xDE, "scan_mode", "SE", 0xDE},
        {0x1267, 0x7B, "display_mode", "FREQ", 0x7B},
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        image[c.offset] = c.stored;
        EXPECT_EQ(Shown(image)[c.field], c.shows) << c.field << " from " << int(c.stored);
        OpenAndOk(image);
        EXPECT_EQ(image[c.offset], c.afterOk) << c.field << " from " << int(c.stored);
    }
}

TEST(OptionalFields, DisplayByteAllSetOpensAsOffAndStoresOwnedBitsOnly) {
    RadioImage image = NewImage();
    image[0x1266] = 0xFF;
    auto shown = Shown(image);
    EXPECT_EQ(shown["back_light"], "Off");
    EXPECT_EQ(shown["back_light_color"], "Light 1");
    EXPECT_EQ(shown["power_on_style"], "Off");
    EXPECT_EQ(shown["str_set"], "Manual");
    OpenAndOk(image);
    // Bits 7..2 become zero, bit 0 stays set, bit 1 (nobody's) stays as it was.
    EXPECT_EQ(image[0x1266], 0x03);
    image[0x1266] = 0xFD;
    OpenAndOk(image);
    EXPECT_EQ(image[0x1266], 0x01);
}

TEST(OptionalFields, PasswordStoresTypedCharactersAndShowsLeadingDigits) {
    struct Case {
        std::string typed;
        std::array<std::uint8_t, 6> stored;
        std::string nextOpening;
    };
    const Case cases[] = {
        {"12A4", {0x31, 0x32, 0x41, 0x34, 0xFF, 0xFF}, "12"},
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"123456", {0x31, 0x32, 0x33, 0x34, 0x35, 0x36}, "123456"},
        {"12345678", {0x31, 0x32, 0x33, 0x34, 0x35, 0x36}, "123456"},
        {"A1", {0x41, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
    };
    const fields::FieldSpec& password = *fields::FindField(Page().fields, "password");
    for (const Case& c : cases) {
        RadioImage image = field_test::PatternImage(3);
        optional_features::StorePassword("98ZZ65", image); // shows "98"
        const auto value = fields::AcceptInput(password, c.typed);
        ASSERT_TRUE(value.has_value()) << c.typed;
        password.store(*value, image);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(image[0x17D2 + i], c.stored[i]) << c.typed << " byte " << i;
        }
        EXPECT_EQ(password.load(image).text, c.nextOpening) << c.typed;
    }
}

TEST(OptionalFields, PasswordLeftAsShownKeepsAllSixBytes) {
    // The edit shows "98" of "98ZZ65"; OK without typing must not cut the
    // password the radio compares in full.
    const fields::FieldSpec& password = *fields::FindField(Page().fields, "password");
    for (const std::string stored : {"98ZZ65", "A1", "", "123456"}) {
        RadioImage image = field_test::PatternImage(4);
        optional_features::StorePassword(stored, image);
        const RadioImage before = image;
        password.store(password.load(image), image);
        EXPECT_EQ(image, before) << stored;
    }
    // Typed, the shown digits are the new password: "98ZZ65" becomes "98".
    RadioImage image = field_test::PatternImage(5);
    optional_features::StorePassword("98ZZ65", image);
    fields::FieldValue typed = password.load(image);
    ASSERT_EQ(typed.text, "98");
    typed.edited = true;
    password.store(typed, image);
    const std::uint8_t expected[6] = {0x39, 0x38, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(image[0x17D2 + i], expected[i]) << i;
    }
}

TEST(OptionalFields, HiddenAndSharedBitsPassThroughOk) {
    // Whatever the image holds, open and OK keeps the bits of 0x1267, 0x12A8
    // and 0x12AB that belong to nobody here, and the hidden controls' bits.
    for (unsigned seed = 0; seed < 64; ++seed) {
        RadioImage image = field_test::PatternImage(seed);
        const RadioImage before = image;
        OpenAndOk(image);
        EXPECT_EQ(image[0x1267] & 0xFC, before[0x1267] & 0xFC) << seed;
        EXPECT_EQ(image[0x12A8] & 0xFE, before[0x12A8] & 0xFE) << seed;
        EXPECT_EQ(image[0x12AB] & 0xEF, before[0x12AB] & 0xEF) << seed;
    }
}

TEST(OptionalFields, EveryItemRoundTripsThroughItsCode) {
    for (const fields::FieldSpec& spec : Page().fields) {
        if (spec.kind != fields::FieldKind::List) {
            continue;
        }
        for (int index = 0; index < static_cast<int>(spec.items.size()); ++index) {
            RadioImage image = field_test::PatternImage(7);
            fields::FieldValue value;
            value.index = index;
            spec.store(value, image);
            EXPECT_EQ(spec.load(image).index, index) << spec.name;
        }
    }
}

TEST(OptionalFields, OkEditsExactlyTheDialogsBytes) {
    field_test::OwnedBits owned;
    field_test::OwnBytes(owned, 0x1260, 7);
    owned[0x1267] = 0x03;
    owned[0x12A8] = 0x81;
    owned[0x12A9] = 0xFF;
    owned[0x12AB] = 0x13;
    field_test::OwnBytes(owned, 0x17D2, 6);
    for (unsigned seed = 0; seed < 8; ++seed) {
        RadioImage image = field_test::PatternImage(seed);
        const RadioImage before = image;
        FieldValues values = fields::LoadFields(Page().fields, image, false);
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = field_test::OtherValue(Page().fields[i], values[i]);
        }
        fields::StoreFields(Page().fields, values, image);
        EXPECT_EQ(field_test::ChangedOutside(before, image, owned), std::vector<std::size_t>{});
        EXPECT_EQ(fields::LoadFields(Page().fields, image, false), values)
            << "every change is stored";
    }
}

TEST(OptionalFields, InputTakesItemsOfEitherLanguage) {
    struct Case {
        std::string field;
        std::string input;
        int index; // -1: refused
    };
    const Case cases[] = {
        {"tot", "Off", 0},
        {"tot", "关闭", 0},
        {"tot", "270", 9},
        {"tot", "31", -1},
        {"back_light", "打开", 2},
        {"back_light", "on", -1},
        {"priority_channel", "无", 0},
        {"priority_channel", "128", 128},
        {"priority_channel", "129", -1},
        {"step", "6.25", 1},
        {"msk_type", "MSK-II", 1},
        {"short_press_orange_key", "发射报警信号", 1},
    };
    for (const Case& c : cases) {
        const auto value = fields::AcceptInput(*fields::FindField(Page().fields, c.field), c.input);
        EXPECT_EQ(value ? value->index : -1, c.index) << c.field << "=" << c.input;
    }
}

} // namespace
