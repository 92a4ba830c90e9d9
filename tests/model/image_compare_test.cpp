// Comparison by meaning: each change lands as the cell, the field or the byte
// run a user would look for, and nothing is listed twice or lost.

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/fields/settings_groups.h"
#include "model/image_compare.h"
#include "model/program_document.h"
#include "tests/texts/test_catalogues.h"
#include <gtest/gtest.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

using compare::Difference;
using compare::DifferenceKind;

class ImageCompare : public ::testing::Test {
protected:
    void SetUp() override {

        FillNewDocumentImage(base, kDefaultBandCode);
        SetChannel(base, 3,
                   {"438.00000", "438.00000", "67.0", "None", "ABC", "High", "Wide", "Yes", "Off"});
    }

    static void SetChannel(RadioImage& image, int row, const ChannelTexts& texts) {
        EncodeRecord(texts,
                     image.data() + layout::ChannelRecord(static_cast<std::size_t>(row - 1)));
    }

    static void SetField(RadioImage& image, const char* group, const char* field,
                         const char* input) {
        const fields::FieldSpec& spec = fields::Group(group).pages.front()->Field(field);
        spec.store(*fields::AcceptInput(spec, input), image);
    }

    RadioImage base;
};

struct Case {
    const char* what;
    std::function<void(RadioImage&)> change;
    // The one difference expected, by its place, and both texts.
    const char* place;
    const char* first;
    const char* second;
};

TEST_F(ImageCompare, EachChangeIsListedOnceWhereTheUserWouldLook) {
    const Case cases[] = {
        {"channel name",
         [](RadioImage& image) {
             SetChannel(
                 image, 3,
                 {"438.00000", "438.00000", "67.0", "None", "ABD", "High", "Wide", "Yes", "Off"});
         },
         "channel 3 Chnnel Name", "ABC", "ABD"},
        {"width bit of the flags byte",
         [](RadioImage& image) {
             SetChannel(
                 image, 3,
                 {"438.00000", "438.00000", "67.0", "None", "ABC", "High", "Narrow", "Yes", "Off"});
         },
         "channel 3 W/N", "Wide", "Narrow"},
        {"record byte 12, which no column shows",
         [](RadioImage& image) { image[layout::ChannelRecord(2) + 12] = 0x5A; }, "0x003C", "FF",
         "5A"},
        {"a settings field",
         [](RadioImage& image) { SetField(image, "optional", "password", "1234"); },
         "optional.password", "", "1234"},
        {"a list field shows its item", [](RadioImage& image) { image[layout::kSquelchLevel] = 2; },
         "optional.squelch_level", "4", "2"},
        {"band code",
         [](RadioImage& image) { SetImageBandCode(image, BandCode(144, 148, 430, 440)); },
         "product.band_code", "136-174, 400-480 MHz", "144-148, 430-440 MHz"},
        {"model index", [](RadioImage& image) { image[layout::kModelIndex] = 2; },
         "product.model_index", "0", "2"},
        {"spare row: one run of three bytes",
         [](RadioImage& image) {
             image[0x0C30] = 0x01;
             image[0x0C31] = 0x02;
             image[0x0C32] = 0x03;
         },
         "0x0C30..0x0C32", "FF FF FF", "01 02 03"},
        {"byte of row 129, after the records",
         [](RadioImage& image) { image[layout::kChannelsEnd] = 0x00; }, "0x0C18", "FF", "00"},
    };
    for (const Case& c : cases) {
        RadioImage changed = base;
        c.change(changed);
        const std::vector<Difference> found = compare::CompareImages(base, changed, SourceTexts());
        ASSERT_EQ(found.size(), 1u) << c.what;
        EXPECT_EQ(compare::DifferencePlace(found[0], SourceTexts()), c.place) << c.what;
        EXPECT_EQ(found[0].first, c.first) << c.what;
        EXPECT_EQ(found[0].second, c.second) << c.what;
        // The other way round the texts swap and the place stays.
        const std::vector<Difference> back = compare::CompareImages(changed, base, SourceTexts());
        ASSERT_EQ(back.size(), 1u) << c.what;
        EXPECT_EQ(back[0].first, c.second) << c.what;
        EXPECT_EQ(compare::DifferencePlace(back[0], SourceTexts()), c.place) << c.what;
    }
}

TEST_F(ImageCompare, EqualImagesHaveNoDifference) {
    EXPECT_TRUE(compare::CompareImages(base, base, SourceTexts()).empty());
    EXPECT_TRUE(compare::CompareImages(RadioImage(), RadioImage(), SourceTexts()).empty());
}

TEST_F(ImageCompare, AChannelFilledInListsItsCellsAndNoBytes) {
    RadioImage changed = base;
    SetChannel(changed, 1,
               {"145.50000", "145.50000", "None", "None", "", "Low", "Narrow", "No", "Off"});
    const std::vector<Difference> found = compare::CompareImages(base, changed, SourceTexts());
    ASSERT_FALSE(found.empty());
    for (const Difference& d : found) {
        EXPECT_EQ(d.kind, DifferenceKind::Channel) << compare::DescribeDifference(d, SourceTexts());
        EXPECT_EQ(d.row, 1);
        EXPECT_LT(d.offset, layout::kChannelRecordSize);
    }
    EXPECT_EQ(found.front().column, kColRx);
    EXPECT_EQ(found.front().second, "145.50000");
}

TEST_F(ImageCompare, RunsStopAtAnUnchangedByteAndAtAByteAFieldShows) {
    struct RunCase {
        std::vector<std::pair<std::size_t, std::uint8_t>> changes;
        std::vector<std::string> lines;
    };
    const RunCase cases[] = {
        // 0x1268..0x1269 belong to no field; 0x126A is after them, 0x1267 is
        // the display mode of the optional features.
        {{{0x1268, 0x11}, {0x1269, 0x22}, {0x126B, 0x33}},
         {"0x1268..0x1269: 00 00 -> 11 22", "0x126B: FF -> 33"}},
        // 0x17D0 belongs to no field, 0x17D1 is the model index: the run ends
        // before the field's byte, which is listed once, as the field.
        {{{0x17D0, 0x44}, {0x17D1, 0x02}},
         {"product.model_index: \"0\" -> \"2\"", "0x17D0: FF -> 44"}},
    };
    for (const RunCase& c : cases) {
        RadioImage changed = base;
        for (const auto& [offset, value] : c.changes) {
            changed[offset] = value;
        }
        std::vector<std::string> lines;
        for (const Difference& d : compare::CompareImages(base, changed, SourceTexts())) {
            lines.push_back(compare::DescribeDifference(d, SourceTexts()));
        }
        EXPECT_EQ(lines, c.lines);
    }
}

// A list's code that no item stores is named by its field with the code as
// it is, where the dialog would show an item (the first, for this list), so
// that a change into such a code, or between two of them, is never taken
// for no change or left to the byte's address.
TEST_F(ImageCompare, ACodeInNoListIsShownAsItIs) {
    struct CodeCase {
        std::uint8_t from;
        std::uint8_t to;
        const char* first;
        const char* second;
    };
    const CodeCase cases[] = {
        {0x01, 0x7F, "30", "127 (not in the list)"},
        {0x00, 0x7F, "Off", "127 (not in the list)"},
        {0x7F, 0x80, "127 (not in the list)", "128 (not in the list)"},
    };
    for (const CodeCase& c : cases) {
        RadioImage first = base;
        first[layout::kTot] = c.from;
        RadioImage second = base;
        second[layout::kTot] = c.to;
        const std::vector<Difference> found = compare::CompareImages(first, second, SourceTexts());
        ASSERT_EQ(found.size(), 1u) << int{c.to};
        EXPECT_EQ(compare::DifferencePlace(found[0], SourceTexts()), "optional.tot");
        EXPECT_EQ(found[0].first, c.first);
        EXPECT_EQ(found[0].second, c.second);
    }
    RadioImage changed = base;
    changed[layout::kTot] = 0x7F;
    EXPECT_EQ(compare::CompareImages(base, changed, ChineseTexts()).at(0).second,
              "127（不在列表中）");
}

TEST_F(ImageCompare, OrderIsChannelsThenFieldsThenBytes) {
    RadioImage changed = base;
    changed[0x0C40] = 0x00;
    SetField(changed, "optional", "password", "9");
    SetChannel(changed, 3,
               {"438.00000", "438.00000", "67.0", "None", "XYZ", "High", "Wide", "Yes", "Off"});
    const std::vector<Difference> found = compare::CompareImages(base, changed, SourceTexts());
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].kind, DifferenceKind::Channel);
    EXPECT_EQ(found[1].kind, DifferenceKind::Field);
    EXPECT_EQ(found[2].kind, DifferenceKind::Bytes);
    EXPECT_EQ(found[1].offset, layout::kPassword);
    EXPECT_EQ(compare::DescribeDifference(found[0], SourceTexts()),
              "channel 3 Chnnel Name: \"ABC\" -> \"XYZ\"");
}

TEST_F(ImageCompare, ChineseTextsFollowTheLanguage) {
    RadioImage changed = base;
    SetChannel(changed, 3,
               {"438.00000", "438.00000", "67.0", "None", "ABC", "Low", "Wide", "Yes", "Off"});
    const std::vector<Difference> found = compare::CompareImages(base, changed, ChineseTexts());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(compare::DifferencePlace(found[0], ChineseTexts()), "信道 3 功率");
    EXPECT_NE(found[0].first, "High");
}

TEST_F(ImageCompare, OpeningAndSavingRewritesOnlyFlagsBytesAndTheBandCode) {
    // A raw image as a radio or a kept read holds it: the default band code,
    // empty records with flag bytes the encode would rewrite, one full channel.
    RadioImage raw = base;
    RadioImage opened = raw;
    RoundTripAsOpened(opened);
    // What the encode rewrites shows in no cell: byte runs in the records'
    // flag bytes only, and the band code the decode leaves.
    ASSERT_FALSE(compare::CompareImages(raw, opened, SourceTexts()).empty());
    for (const Difference& d : compare::CompareImages(raw, opened, SourceTexts())) {
        if (d.kind == DifferenceKind::Field) {
            EXPECT_LT(d.offset - layout::kBandCode, layout::kBandCodeSize); // unsigned: below wraps
        } else {
            EXPECT_EQ(d.kind, DifferenceKind::Bytes);
            EXPECT_EQ(d.offset % layout::kChannelRecordSize, layout::kRecFlags);
        }
    }
    EXPECT_EQ(ImageBandCode(opened), kDecodedBandCode);
    // A second round trip changes nothing, and nothing else outside the records moves.
    RadioImage again = opened;
    RoundTripAsOpened(again);
    EXPECT_EQ(again, opened);
    for (std::size_t offset = layout::kChannelsEnd; offset < layout::kImageSize; ++offset) {
        if (offset < layout::kBandCode || offset >= layout::kBandCode + layout::kBandCodeSize) {
            ASSERT_EQ(opened[offset], raw[offset]) << offset;
        }
    }
}

} // namespace
