// The registry of settings groups: names the command line and the dialogs
// look up, and the Product Information page, whose band limits store as one
// step after their order is checked.

#include "model/fields/product_fields.h"
#include "model/fields/settings_groups.h"
#include "model/image_layout.h"
#include "tests/model/decoded_bands.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <string>

namespace {

TEST(SettingsGroups, FieldNamesAreUniqueInEachGroupAndLabelsHaveAContext) {
    // "set" and the dialogs find a field by its name in the whole group: a
    // second field of the same name could never be reached.
    for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
        std::set<std::string> names;
        for (const fields::FieldPage* page : group.pages) {
            for (const fields::FieldSpec& spec : page->fields) {
                EXPECT_TRUE(names.insert(spec.name).second) << group.name << "." << spec.name;
                // A label without its context would be looked up in no
                // translation set.
                EXPECT_EQ(std::string(spec.label.source).empty(),
                          std::string(spec.label.context).empty())
                    << group.name << "." << spec.name;
            }
        }
    }
}

TEST(SettingsGroups, MissingNamesThrowInsteadOfFindingAnotherField) {
    const fields::SettingsGroup& dtmf = fields::Group("dtmf");
    EXPECT_STREQ(dtmf.Page("decode").Field("stun_code").label.source, "Stun Code");
    EXPECT_EQ(fields::FindGroup("dtmf"), &dtmf);
    EXPECT_EQ(fields::FindGroup("channels"), nullptr);
    EXPECT_THROW(fields::Group("channels"), std::out_of_range);
    EXPECT_THROW(dtmf.Page("stun"), std::out_of_range);
    EXPECT_THROW(dtmf.Page("decode").Field("stun"), std::out_of_range);
    // A name of another page of the same group is not this page's.
    EXPECT_THROW(dtmf.Page("encode").Field("stun_code"), std::out_of_range);
}

class ProductFields : public ::testing::Test {};

fields::FieldValues Values(const std::string& a, const std::string& b, const std::string& c,
                           const std::string& d) {
    fields::FieldValues values = fields::LoadFields(product::Page().fields, RadioImage(), false);
    const std::string texts[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) {
        values[static_cast<std::size_t>(1 + i)].text = texts[i];
    }
    return values;
}

TEST_F(ProductFields, ModelIndexShowsTheByteAndNoSelectionStores0xFF) {
    const fields::FieldSpec& model = product::Page().Field("model");
    for (const int index : {0, 2, 18, 200}) {
        RadioImage image;
        image[layout::kModelIndex] = static_cast<std::uint8_t>(index);
        EXPECT_EQ(model.load(image).index, index);
        fields::FieldValue chosen;
        chosen.index = index == 200 ? -1 : index;
        model.store(chosen, image);
        EXPECT_EQ(image[layout::kModelIndex], index == 200 ? 0xFF : index);
    }
}

TEST_F(ProductFields, BandLimitsShowThePlansLimitsAndStoreOnlyInOrder) {
    const std::array<std::string, 4> shown = product::BandLimitTexts(DecodedBands());
    EXPECT_EQ(shown, (std::array<std::string, 4>{"136", "174", "400", "520"}));

    struct Case {
        fields::FieldValues values;
        bool stored;
        BandLimitsMhz limits;
    };
    const Case cases[] = {
        {Values("136", "174", "400", "520"), true, {136, 174, 400, 520}},
        {Values("150", "150", "400", "400"), true, {150, 150, 400, 400}}, // equal ends
        {Values("175", "174", "400", "520"), false, {136, 174, 400, 520}},
        {Values("136", "174", "521", "520"), false, {136, 174, 400, 520}},
        {Values("136MHz", "174.9", "400", "480"), true, {136, 174, 400, 480}}, // read as atoi
    };
    for (const Case& c : cases) {
        BandPlan bands = DecodedBands();
        bands.bandCode = kDefaultBandCode;
        RadioImage image;
        const RadioImage before = image;
        // The edits store nothing of their own; StoreBandLimits does.
        fields::StoreFields(product::Page().fields, c.values, image);
        EXPECT_EQ(image, before);

        EXPECT_EQ(product::StoreBandLimits(c.values, image, bands), c.stored) << c.values[1].text;
        EXPECT_EQ(bands.LimitsMhz(), c.limits);
        const BandCodeBytes code = c.stored ? BandCode(c.limits.band1Low, c.limits.band1High,
                                                       c.limits.band2Low, c.limits.band2High)
                                            : kDefaultBandCode;
        EXPECT_EQ(bands.bandCode, code);
        EXPECT_EQ(ImageBandCode(image), c.stored ? code : ImageBandCode(before));
        for (std::size_t i = 0; i < RadioImage::size(); ++i) {
            if (i < 0x17E8 || i > 0x17ED) {
                EXPECT_EQ(image[i], before[i]) << std::hex << i;
            }
        }
    }
}

} // namespace
