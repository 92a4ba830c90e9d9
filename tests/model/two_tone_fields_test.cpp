#include "model/fields/two_tone_fields.h"

#include "model/image_layout.h"
#include "tests/model/changed_offsets.h"
#include "tests/model/page_values.h"

#include <gtest/gtest.h>

namespace {

using two_tone::ValueKind;

// The 2-Tone bytes of a new document: shown forms only.
RadioImage NewDocumentTwoTone() {
    RadioImage image;
    for (int w = 0; w < layout::kTwoToneEncodeCount; ++w) {
        const std::size_t at = 0x1500 + 24 * (w / 4) + 4 * (w % 4);
        const std::uint8_t bytes[] = {0x4E, 0x20, 0x27, 0x10};
        for (std::size_t i = 0; i < 4; ++i) {
            image[at + i] = bytes[i];
        }
    }
    for (int k = 0; k < layout::kTwoToneDecodeCount; ++k) {
        const std::size_t at = 0x15C0 + 24 * (k / 2) + 8 * (k % 2);
        const std::uint8_t bytes[] = {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05};
        for (std::size_t i = 0; i < 8; ++i) {
            image[at + i] = bytes[i];
        }
    }
    const std::uint8_t timing[] = {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00};
    for (std::size_t i = 0; i < 8; ++i) {
        image[0x1620 + i] = timing[i];
    }
    return image;
}

unsigned BE16(const RadioImage& image, std::size_t at) {
    return image[at] * 256u + image[at + 1];
}

// Every byte the 2-Tone pages own: both forms of the encode list (bytes 0..15
// of its rows), the decode sets and the timing.
std::set<std::size_t> EncodeOwned() {
    std::set<std::size_t> owned;
    for (std::size_t row = 0; row < 8; ++row) {
        for (std::size_t b = 0; b < 16; ++b) {
            owned.insert(0x1500 + 24 * row + b);
            owned.insert(0x1680 + 24 * row + b);
        }
    }
    for (std::size_t i = 0; i < 8; ++i) {
        owned.insert(0x1620 + i);
    }
    for (std::size_t i = 0; i < 7; ++i) {
        owned.insert(0x17A0 + i);
    }
    return owned;
}

TEST(TwoToneFields, NewDocumentShowsItsDefaults) {
    const RadioImage image = NewDocumentTwoTone();
    const PageValues page(two_tone::EncodePage(), image);
    EXPECT_EQ(page.Shown("first_delay"), "0.5");
    EXPECT_EQ(page.Shown("second_delay"), "0.5");
    EXPECT_EQ(page.Shown("long_tone_delay"), "1.0");
    EXPECT_EQ(page.Shown("tone_interval"), "1.0");
    EXPECT_EQ(page.Shown("tx_rise_delay"), "0.10");
    EXPECT_EQ(page.Shown("short_beep"), "false");
    for (int n = 1; n <= layout::kTwoToneEncodeCount; ++n) {
        EXPECT_EQ(page.Shown(two_tone::EncodeCellName(n, 1)), "2000.0");
        EXPECT_EQ(page.Shown(two_tone::EncodeCellName(n, 2)), "1000.0");
    }
    const char* expected[] = {"2000.0", "1000.0", "0.5", "0.5", "1.0", "0.5"};
    for (int k = 1; k <= layout::kTwoToneDecodeCount; ++k) {
        const PageValues set(two_tone::DecodePage(k), image);
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string name = two_tone::DecodeFieldName(k, two_tone::kDecodeFieldNames[i]);
            EXPECT_EQ(set.Shown(name), expected[i]) << name;
        }
    }
}

struct ToneCase {
    const char* text;
    unsigned shown;
    unsigned decodeDivisor;
    unsigned encodeDivisor;
};

TEST(TwoToneFields, TonesStoreBothForms) {
    const ToneCase cases[] = {
        {"2000.0", 0x4E20, 448, 56},
        {"1000.0", 0x2710, 896, 112},
        {"288.5", 0x0B45, 3105, 388},
        {"3106.0", 0x7954, 288, 36},
        // An unprogrammed tone reads as 6553.5 and goes back as read.
        {"6553.5", 0xFFFF, 137, 17},
    };
    for (const ToneCase& c : cases) {
        RadioImage image = NewDocumentTwoTone();
        PageValues set(two_tone::DecodePage(3), image);
        set.SetText("decode.3.a", c.text);
        set.Store(image);
        EXPECT_EQ(BE16(image, 0x15D8), c.shown) << c.text;
        EXPECT_EQ(BE16(image, 0x1758), c.decodeDivisor) << c.text;

        PageValues page(two_tone::EncodePage(), image);
        page.SetText("encode.6.tone2", c.text);
        page.Store(image);
        EXPECT_EQ(BE16(image, 0x151C + 2), c.shown) << c.text;
        EXPECT_EQ(BE16(image, 0x169C + 2), c.encodeDivisor) << c.text;
    }
}

TEST(TwoToneFields, ToneThatIsNotPositiveGivesNoDivisor) {
    EXPECT_EQ(two_tone::DecodeDivisor(0.0), 0);
    EXPECT_EQ(two_tone::EncodeDivisor(0.0), 0);
    RadioImage image;
    image[0x15C0] = 0x00;
    image[0x15C1] = 0x00;
    PageValues(two_tone::DecodePage(1), image).Store(image);
    EXPECT_EQ(BE16(image, 0x1740), 0u);
}

struct SpinCase {
    ValueKind kind;
    const char* text;
    int delta;
    const char* expected;
};

TEST(TwoToneFields, SpinsWrapAtBothEndsAndSnapTheRiseDelay) {
    const SpinCase table[] = {
        {ValueKind::Tone, "3106.0", +1, "288.5"},
        {ValueKind::Tone, "288.5", -1, "3106.0"},
        {ValueKind::Tone, "1000.0", +1, "1000.1"},
        {ValueKind::Tone, "3105.9", +1, "3106.0"},
        {ValueKind::Duration, "10.0", +1, "0.5"},
        {ValueKind::Duration, "0.5", -1, "10.0"},
        {ValueKind::Duration, "0.6", -1, "0.5"},
        {ValueKind::Duration, "9.9", +1, "10.0"},
        {ValueKind::Interval, "2.0", +1, "0.0"},
        {ValueKind::Interval, "0.0", -1, "2.0"},
        {ValueKind::Interval, "0.1", -1, "0.0"},
        {ValueKind::RiseDelay, "0.37", +1, "0.40"},
        {ValueKind::RiseDelay, "0.37", -1, "0.35"},
        {ValueKind::RiseDelay, "1.00", +1, "0.10"},
        {ValueKind::RiseDelay, "0.10", -1, "1.00"},
        {ValueKind::RiseDelay, "0.95", +1, "1.00"},
        {ValueKind::RiseDelay, "0.15", -1, "0.10"},
        // Text that is no number counts as 0, and 0 + step is still below.
        {ValueKind::Duration, "", +1, "10.0"},
        {ValueKind::Tone, "", +1, "3106.0"},
    };
    for (const SpinCase& c : table) {
        EXPECT_EQ(two_tone::SpinText(c.kind, c.text, c.delta), c.expected)
            << c.text << " delta " << c.delta;
    }
}

struct NormaliseCase {
    ValueKind kind;
    const char* text;
    const char* expected;
};

TEST(TwoToneFields, LeavingAnEditClampsAndReformats) {
    const NormaliseCase table[] = {
        {ValueKind::RiseDelay, "0.37", "0.35"}, {ValueKind::RiseDelay, "0.4", "0.40"},
        {ValueKind::RiseDelay, "0.05", "0.10"}, {ValueKind::RiseDelay, "0.09", "0.10"},
        {ValueKind::RiseDelay, "1.5", "1.00"},  {ValueKind::RiseDelay, "1.04", "1.00"},
        {ValueKind::Tone, "5000", "3106.0"},    {ValueKind::Tone, "100", "288.5"},
        {ValueKind::Tone, "1234.5", "1234.5"},  {ValueKind::Tone, "", "288.5"},
        {ValueKind::Duration, "11", "10.0"},    {ValueKind::Duration, "0.2", "0.5"},
        {ValueKind::Duration, "3", "3.0"},      {ValueKind::Duration, "3.x", "3.0"},
        {ValueKind::Interval, "3", "2.0"},      {ValueKind::Interval, "1.2", "1.2"},
        {ValueKind::Interval, ".5", "0.5"},
    };
    for (const NormaliseCase& c : table) {
        EXPECT_EQ(two_tone::NormaliseText(c.kind, c.text), c.expected) << c.text;
    }
}

TEST(TwoToneFields, GridCellCommitClampsButKeepsEmpty) {
    const std::pair<const char*, const char*> table[] = {
        {"", ""}, {"5000", "3106.0"}, {"1", "288.5"}, {"1500", "1500.0"}, {"300.25", "300.2"},
    };
    for (const auto& [text, expected] : table) {
        EXPECT_EQ(two_tone::CommitToneCell(text), expected) << text;
    }
}

TEST(TwoToneFields, EmptyEncodeToneStoresNoValueInBothForms) {
    RadioImage image = NewDocumentTwoTone();
    PageValues page(two_tone::EncodePage(), image);
    page.SetText("encode.32.tone1", "");
    page.Store(image);
    const std::size_t at = 0x1500 + 24 * 7 + 12;
    EXPECT_EQ(BE16(image, at), 0xFFFFu);
    EXPECT_EQ(BE16(image, at + 0x180), 0u);
    const PageValues reloaded(two_tone::EncodePage(), image);
    EXPECT_EQ(reloaded.Shown("encode.32.tone1"), "");
    EXPECT_EQ(reloaded.Shown("encode.32.tone2"), "1000.0");
}

TEST(TwoToneFields, EncodeTimingStoresShownAndRadioForms) {
    RadioImage image = NewDocumentTwoTone();
    PageValues page(two_tone::EncodePage(), image);
    page.SetText("first_delay", "10.0");
    page.SetText("second_delay", "0.5");
    page.SetText("long_tone_delay", "2.3");
    page.SetText("tone_interval", "2.0");
    page.SetText("tx_rise_delay", "0.35");
    page["short_beep"].checked = true;
    page.Store(image);
    const std::uint8_t shown[] = {100, 5, 23, 0x00, 0x28, 0x00, 0x07, 1};
    const std::uint8_t radio[] = {200, 10, 46, 0x00, 0x28, 0x00, 0x07};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(image[0x1620 + i], shown[i]) << i;
    }
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(image[0x17A0 + i], radio[i]) << i;
    }
    const PageValues reloaded(two_tone::EncodePage(), image);
    for (const char* name : {"first_delay", "second_delay", "long_tone_delay", "tone_interval"}) {
        EXPECT_EQ(reloaded.Shown(name), page.Shown(name)) << name;
    }
    EXPECT_EQ(reloaded.Shown("short_beep"), "true");
}

TEST(TwoToneFields, DecodeSetsLieTwoToARow) {
    const std::size_t shown[] = {0x15C0, 0x15C8, 0x15D8, 0x15E0, 0x15F0, 0x15F8, 0x1608, 0x1610};
    for (int k = 1; k <= layout::kTwoToneDecodeCount; ++k) {
        EXPECT_EQ(layout::TwoToneDecodeSet(k), shown[k - 1]);
        RadioImage image = NewDocumentTwoTone();
        const RadioImage before = image;
        PageValues set(two_tone::DecodePage(k), image);
        const char* texts[] = {"300.0", "400.0", "10.0", "0.7", "2.0", "1.5"};
        for (std::size_t i = 0; i < 6; ++i) {
            set.SetText(two_tone::DecodeFieldName(k, two_tone::kDecodeFieldNames[i]), texts[i]);
        }
        set.Store(image);
        std::set<std::size_t> owned;
        for (std::size_t i = 0; i < 8; ++i) {
            owned.insert(shown[k - 1] + i);
            owned.insert(shown[k - 1] + 0x180 + i);
        }
        EXPECT_TRUE(ChangesOnlyWithin(before, image, owned)) << "set " << k;
        const std::size_t r = shown[k - 1] + 0x180;
        EXPECT_EQ(BE16(image, r), 2986u); // 895658 / 300 = 2985.53
        EXPECT_EQ(BE16(image, r + 2), 2239u);
        const std::uint8_t times[] = {100, 7, 20, 15, 200, 14, 40, 30};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(image[shown[k - 1] + 4 + i], times[i]);
            EXPECT_EQ(image[r + 4 + i], times[4 + i]);
        }
    }
}

TEST(TwoToneFields, UnprogrammedImageGoesBackAsRead) {
    RadioImage image; // all 0xFF
    const PageValues set(two_tone::DecodePage(8), image);
    const char* expected[] = {"6553.5", "6553.5", "25.5", "25.5", "25.5", "25.5"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(set.Shown(two_tone::DecodeFieldName(8, two_tone::kDecodeFieldNames[i])),
                  expected[i]);
    }
    const PageValues page(two_tone::EncodePage(), image);
    EXPECT_EQ(page.Shown("encode.1.tone1"), "");
    EXPECT_EQ(page.Shown("first_delay"), "25.5");
    EXPECT_EQ(page.Shown("tone_interval"), "3276.8"); // 0xFFFF / 20
    set.Store(image);
    EXPECT_EQ(BE16(image, 0x1610), 0xFFFFu);
    EXPECT_EQ(image[0x1617], 0xFF);
    EXPECT_EQ(BE16(image, 0x1790), 137u);
}

TEST(TwoToneFields, EncodeStoreWritesExactlyItsBytes) {
    PageValues page(two_tone::EncodePage(), NewDocumentTwoTone());
    page.SetText("encode.4.tone1", "");
    page.SetText("encode.4.tone2", "450.5");
    page.SetText("encode.5.tone1", "3106.0");
    page.SetText("encode.5.tone2", "");
    RadioImage first = RandomImage(1);
    RadioImage second = RandomImage(2);
    const RadioImage firstBefore = first;
    const RadioImage secondBefore = second;
    page.Store(first);
    page.Store(second);
    const std::set<std::size_t> owned = EncodeOwned();
    EXPECT_TRUE(ChangesOnlyWithin(firstBefore, first, owned));
    EXPECT_TRUE(ChangesOnlyWithin(secondBefore, second, owned));
    for (const std::size_t at : owned) {
        EXPECT_EQ(first[at], second[at]) << "offset " << at << " not written";
    }
    // Entry 4 starts the second row of the list.
    EXPECT_EQ(layout::TwoToneEncodeEntry(4), 0x1518u);
    EXPECT_EQ(BE16(first, 0x1518), 0x7954u);
    EXPECT_EQ(BE16(first, 0x1698), 36u);
}

} // namespace

namespace {

TEST(TwoToneFields, FieldsTakeInputAsTheirEditsDo) {
    struct Case {
        int page;
        const char* field;
        const char* input;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {0, "tx_rise_delay", "0.37", "0.35"},
        {0, "first_delay", "12", "10.0"},
        {0, "tone_interval", "1.5", "1.5"},
        {0, "tone_interval", "1.55", std::nullopt}, // longer than 3 characters
        {0, "encode.7.tone1", "5000", "3106.0"},
        {0, "encode.7.tone1", "", ""},
        {0, "encode.7.tone2", "-5", std::nullopt},
        {2, "decode.2.a", "100", "288.5"},
        {2, "decode.2.long", "1,5", std::nullopt},
    };
    for (const Case& c : cases) {
        const fields::FieldSpec* spec =
            fields::FindField(two_tone::Pages()[static_cast<std::size_t>(c.page)].fields, c.field);
        ASSERT_NE(spec, nullptr) << c.field;
        const auto value = fields::AcceptInput(*spec, c.input);
        EXPECT_EQ(value ? std::optional<std::string>(value->text) : std::nullopt, c.result)
            << c.field << "=" << c.input;
    }
    const fields::FieldSpec* beep = fields::FindField(two_tone::EncodePage().fields, "short_beep");
    ASSERT_NE(beep, nullptr);
    EXPECT_TRUE(fields::AcceptInput(*beep, "true")->checked);
    const fields::FieldSpec* duration =
        fields::FindField(two_tone::EncodePage().fields, "first_delay");
    EXPECT_EQ(duration->edit.spin("10.0", 1), "0.5");
}

} // namespace
