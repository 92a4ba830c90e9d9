// DTMF pages: the texts each page shows, the normalising and spin rules of the
// encode edits, the group code and stun type, strings, and which bytes each
// page's store may change.

#include "model/fields/dtmf_fields.h"
#include "model/gbk.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "tests/model/field_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using fields::FieldPage;
using fields::FieldValues;

const FieldPage& Page(const std::string& name) {
    for (const FieldPage& page : dtmf::Pages()) {
        if (page.name == name) {
            return page;
        }
    }
    throw std::runtime_error("no page " + name);
}

std::map<std::string, std::string> Shown(const RadioImage& image, bool bChinese = false) {
    std::map<std::string, std::string> shown;
    for (const FieldPage& page : dtmf::Pages()) {
        const FieldValues values = fields::LoadFields(page.fields, image, bChinese);
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            shown[page.fields[i].name] = fields::ShownText(page.fields[i], values[i]);
        }
    }
    return shown;
}

// Shows the page, sets one field as the user would, hides the page.
void SetAndHide(RadioImage& image, const std::string& pageName, const std::string& field,
                const std::string& input) {
    const FieldPage& page = Page(pageName);
    FieldValues values = fields::LoadFields(page.fields, image, false);
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        if (page.fields[i].name == field) {
            const auto value = fields::AcceptInput(page.fields[i], input);
            ASSERT_TRUE(value.has_value()) << field << "=" << input;
            values[i] = *value;
        }
    }
    fields::StoreFields(page.fields, values, image);
}

RadioImage NewImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    return image;
}

TEST(DtmfFields, NewDocumentShowsItsDefaults) {
    std::map<std::string, std::string> expected = {
        {"speed", "6"},
        {"first_digit_delay", "200"},
        {"first_digit_time", "0"},
        {"star_hash_time", "0"},
        {"side_tone", "true"},
        {"id_code", ""},
        {"group_code", "A"},
        {"stun_activation", "true"},
        {"stun_code", ""},
        {"stun_type", "Tx inhibit"},
    };
    for (int r = 1; r <= 9; ++r) {
        expected["call_list." + std::to_string(r)] = "";
    }
    EXPECT_EQ(Shown(NewImage()), expected);
}

TEST(DtmfFields, EncodeEditsNormaliseWhenLeft) {
    struct Case {
        std::string (*normalise)(std::string_view);
        std::string typed;
        std::string result;
    };
    const Case cases[] = {
        {dtmf::NormaliseSpeed, "", "6"},
        {dtmf::NormaliseSpeed, "7", "6"},
        {dtmf::NormaliseSpeed, "8", "8"},
        {dtmf::NormaliseSpeed, "9", "8"},
        {dtmf::NormaliseSpeed, "10", "10"},
        {dtmf::NormaliseSpeed, "14", "10"},
        {dtmf::NormaliseSpeed, "15", "15"},
        {dtmf::NormaliseSpeed, "99", "15"},
        {dtmf::NormaliseDelay, "0", "0"},
        {dtmf::NormaliseDelay, "49", "0"},
        {dtmf::NormaliseDelay, "75", "50"},
        {dtmf::NormaliseDelay, "1000", "1000"},
        {dtmf::NormaliseDelay, "1001", "1000"},
        {dtmf::NormaliseDelay, "1550", "1000"},
        {dtmf::NormaliseDelay, "99999999999", "1000"},
        {dtmf::NormaliseDigitTime, "99", "0"},
        {dtmf::NormaliseDigitTime, "100", "100"},
        {dtmf::NormaliseDigitTime, "499", "100"},
        {dtmf::NormaliseDigitTime, "500", "500"},
        {dtmf::NormaliseDigitTime, "999", "500"},
        {dtmf::NormaliseDigitTime, "1000", "1000"},
        {dtmf::NormaliseDigitTime, "9999", "1000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.normalise(c.typed), c.result) << c.typed;
    }
}

TEST(DtmfFields, SpinButtonsStepOnTheTextAndWrap) {
    struct Case {
        std::string (*spin)(std::string_view, int);
        std::string text;
        int delta;
        std::string result;
    };
    const Case cases[] = {
        {dtmf::SpinSpeed, "3", 1, "6"},          {dtmf::SpinSpeed, "6", 1, "8"},
        {dtmf::SpinSpeed, "12", 1, "15"},        {dtmf::SpinSpeed, "15", 1, "6"},
        {dtmf::SpinSpeed, "20", 1, "6"},         {dtmf::SpinSpeed, "20", -1, "15"},
        {dtmf::SpinSpeed, "9", -1, "8"},         {dtmf::SpinSpeed, "6", -1, "15"},
        {dtmf::SpinSpeed, "9", 2, "9"},          {dtmf::SpinDelay, "1000", 1, "0"},
        {dtmf::SpinDelay, "0", -1, "1000"},      {dtmf::SpinDelay, "75", 1, "100"},
        {dtmf::SpinDelay, "75", -1, "50"},       {dtmf::SpinDelay, "200", 1, "250"},
        {dtmf::SpinDelay, "200", -1, "150"},     {dtmf::SpinDelay, "200", 3, "350"},
        {dtmf::SpinDelay, "75", 3, "50"},        {dtmf::SpinDelay, "950", 3, "0"},
        {dtmf::SpinDelay, "1550", 1, "0"},       {dtmf::SpinDigitTime, "0", -1, "1000"},
        {dtmf::SpinDigitTime, "1000", 1, "0"},   {dtmf::SpinDigitTime, "0", 1, "100"},
        {dtmf::SpinDigitTime, "100", 1, "500"},  {dtmf::SpinDigitTime, "499", 1, "500"},
        {dtmf::SpinDigitTime, "499", -1, "100"}, {dtmf::SpinDigitTime, "1200", -1, "1000"},
        {dtmf::SpinDigitTime, "50", -1, "0"},    {dtmf::SpinDigitTime, "500", -2, "500"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.spin(c.text, c.delta), c.result) << c.text << " delta " << c.delta;
    }
}

TEST(DtmfFields, EncodePageStoresNormalisedValues) {
    struct Case {
        std::string field;
        std::string typed;
        std::size_t offset;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"speed", "7", 0x1308, 0x00},
        {"speed", "12", 0x1308, 0x02},
        {"speed", "8", 0x1308, 0x01},
        {"speed", "16", 0x1308, 0x03},
        {"first_digit_delay", "1234", 0x1309, 20},
        {"first_digit_delay", "75", 0x1309, 1},
        {"first_digit_time", "499", 0x130A, 2},
        {"star_hash_time", "1000", 0x130B, 20},
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        SetAndHide(image, "encode", c.field, c.typed);
        EXPECT_EQ(image[c.offset], c.stored) << c.field << "=" << c.typed;
    }

    // Bits 7..2 of the speed byte are kept.
    RadioImage image = NewImage();
    image[0x1308] = 0xA8;
    SetAndHide(image, "encode", "speed", "10");
    EXPECT_EQ(image[0x1308], 0xAA);
}

TEST(DtmfFields, UnprogrammedDelayShowsItsMaskedValueAndStoresTheLimit) {
    RadioImage image = NewImage();
    image[0x1309] = 0xFF;
    image[0x130A] = 0xE2; // low five bits 2: 100 ms
    EXPECT_EQ(Shown(image)["first_digit_delay"], "1550");
    EXPECT_EQ(Shown(image)["first_digit_time"], "100");
    SetAndHide(image, "encode", "side_tone", "true");
    EXPECT_EQ(image[0x1309], 20);
    EXPECT_EQ(image[0x130A], 2);
}

TEST(DtmfFields, GroupCodeAndStunType) {
    struct Case {
        std::uint8_t groupByte;
        std::string shows;
    };
    // A byte above 0x7F shows as the character of the same code point.
    const Case cases[] = {{0x23, "#"},      {0xFF, "Off"},    {0x41, "A"},     {0x2A, "*"},
                          {0x31, "1"},      {0x00, ""},       {0x7F, "\x7F"},  {0x80, "\u0080"},
                          {0xC3, "\u00C3"}, {0xEF, "\u00EF"}, {0xFE, "\u00FE"}};
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        image[0x132F] = c.groupByte;
        EXPECT_EQ(Shown(image)["group_code"], c.shows) << int(c.groupByte);
        // Storing what was shown keeps the byte, also for codes no item offers.
        SetAndHide(image, "decode", "stun_code", "1");
        EXPECT_EQ(image[0x132F], c.groupByte);
    }
    // Viewing the page and leaving it keeps every byte: the text shown is
    // UTF-8, as the edit holds it, and stores back as the same byte.
    for (int byte = 0x00; byte <= 0xFF; ++byte) {
        RadioImage image = NewImage();
        image[0x132F] = static_cast<std::uint8_t>(byte);
        EXPECT_TRUE(IsValidUtf8(Shown(image)["group_code"])) << byte;
        SetAndHide(image, "decode", "stun_code", "1");
        EXPECT_EQ(image[0x132F], byte);
    }
    struct Choice {
        std::string input;
        std::uint8_t stored;
    };
    for (const Choice& c :
         {Choice{"Off", 0xFF}, Choice{"关", 0xFF}, Choice{"D", 0x44}, Choice{"#", 0x23}}) {
        RadioImage image = NewImage();
        SetAndHide(image, "decode", "group_code", c.input);
        EXPECT_EQ(image[0x132F], c.stored) << c.input;
    }
    const fields::FieldSpec& group = *fields::FindField(Page("decode").fields, "group_code");
    EXPECT_FALSE(fields::AcceptInput(group, "1").has_value()) << "the list offers no digit";

    RadioImage image = NewImage();
    image[0x12A8] = 0xDF;
    EXPECT_EQ(Shown(image)["stun_type"], "Transceiver inhibit");
    SetAndHide(image, "decode", "stun_type", "禁止发射");
    EXPECT_EQ(image[0x12A8], 0xFF);
    SetAndHide(image, "decode", "stun_type", "Transceiver inhibit");
    EXPECT_EQ(image[0x12A8], 0xDF);

    // In Chinese the picked items show in Chinese and store back unchanged.
    image[0x132F] = 0xFF;
    EXPECT_EQ(Shown(image, true)["group_code"], "关");
    EXPECT_EQ(Shown(image, true)["stun_type"], "禁止收发");
    const RadioImage before = image;
    const FieldPage& decode = Page("decode");
    fields::StoreFields(decode.fields, fields::LoadFields(decode.fields, image, true), image);
    EXPECT_EQ(image, before);
}

TEST(DtmfFields, UncheckingStunActivationClearsOnlyBit4) {
    for (const std::uint8_t flags : {std::uint8_t{0xFD}, std::uint8_t{0x10}, std::uint8_t{0xF1}}) {
        RadioImage image = NewImage();
        image[0x12A8] = flags;
        SetAndHide(image, "decode", "stun_activation", "false");
        EXPECT_EQ(image[0x12A8], flags & 0xEF) << int(flags);
    }
}

TEST(DtmfFields, CodeStringsAndCallEntries) {
    RadioImage image = NewImage();
    SetAndHide(image, "decode", "id_code", "12ab");
    const std::uint8_t id[10] = {0x31, 0x32, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(image[0x1320 + i], id[i]) << i;
    }
    EXPECT_EQ(Shown(image)["id_code"], "12AB");

    image = field_test::PatternImage(5);
    const RadioImage before = image;
    SetAndHide(image, "call_list", "call_list.4", "0123456789ABCD*#");
    SetAndHide(image, "call_list", "call_list.9", "");
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(image[0x13C8 + i], std::string("0123456789ABCD*#")[i]) << i;
        EXPECT_EQ(image[0x1440 + i], 0xFF) << i;
    }
    for (std::size_t i = 16; i < 24; ++i) {
        EXPECT_EQ(image[0x13C8 + i], before[0x13C8 + i]) << "byte after entry 4: " << i;
    }
    EXPECT_EQ(layout::DtmfCallEntry(9), 0x1440u);
}

TEST(DtmfFields, InputRulesOfTheCodeEdits) {
    struct Case {
        std::string field;
        std::string input;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"stun_code", "12ab*#", "12AB*#"},
        {"stun_code", "12E", std::nullopt},
        {"stun_code", "12345678901", std::nullopt},
        {"id_code", "x-1", "X-1"},
        {"call_list.1", "0123456789ABCD*#", "0123456789ABCD*#"},
        {"call_list.1", "0123456789ABCD*#0", std::nullopt},
        {"speed", "100", std::nullopt},
        {"speed", "7", "6"},
        {"first_digit_delay", "1234", "1000"},
        {"speed", "x", std::nullopt},
        {"first_digit_time", "12345", std::nullopt},
    };
    for (const Case& c : cases) {
        const fields::FieldSpec* spec = nullptr;
        for (const FieldPage& page : dtmf::Pages()) {
            spec = spec ? spec : fields::FindField(page.fields, c.field);
        }
        ASSERT_NE(spec, nullptr) << c.field;
        const auto value = fields::AcceptInput(*spec, c.input);
        EXPECT_EQ(value ? std::optional<std::string>(value->text) : std::nullopt, c.result)
            << c.field << "=" << c.input;
    }
}

TEST(DtmfFields, DropDownSelectsTheFirstItemBeginningWithTheText) {
    const std::vector<std::string> group = {"Off", "A", "B", "C", "D", "*", "#"};
    const std::vector<std::string> stun = {"Tx inhibit", "Transceiver inhibit"};
    struct Case {
        const std::vector<std::string>* items;
        std::string text;
        int selected;
    };
    const Case cases[] = {
        {&group, "", 1},  {&group, "off", 0},       {&group, "b", 2},
        {&group, "#", 6}, {&group, "1", -1},        {&stun, "T", 1},
        {&stun, "tx", 0}, {&stun, "Tx inhibit", 0}, {&stun, "Transceiver inhibit", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dtmf::ItemStartingWith(*c.items, c.text), c.selected) << c.text;
    }
}

TEST(DtmfFields, EachPageStoresExactlyItsBytes) {
    std::map<std::string, field_test::OwnedBits> owned;
    owned["encode"] = {
        {0x1308, 0x03}, {0x1309, 0xFF}, {0x130A, 0xFF}, {0x130B, 0xFF}, {0x12A8, 0x40}};
    field_test::OwnBytes(owned["decode"], 0x1320, 10);
    field_test::OwnBytes(owned["decode"], 0x1338, 10);
    owned["decode"][0x132F] = 0xFF;
    owned["decode"][0x12A8] = 0x30;
    for (int r = 1; r <= 9; ++r) {
        field_test::OwnBytes(owned["call_list"], layout::DtmfCallEntry(r), 16);
    }
    for (const FieldPage& page : dtmf::Pages()) {
        for (unsigned seed = 0; seed < 8; ++seed) {
            RadioImage image = field_test::PatternImage(seed);
            const RadioImage before = image;
            FieldValues values = fields::LoadFields(page.fields, image, false);
            for (std::size_t i = 0; i < values.size(); ++i) {
                values[i] = field_test::OtherValue(page.fields[i], values[i]);
            }
            fields::StoreFields(page.fields, values, image);
            EXPECT_EQ(field_test::ChangedOutside(before, image, owned[page.name]),
                      std::vector<std::size_t>{})
                << page.name;
            EXPECT_EQ(fields::LoadFields(page.fields, image, false), values) << page.name;
        }
    }
}

} // namespace
