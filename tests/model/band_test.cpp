#include "model/band.h"
#include "model/image_layout.h"
#include "model/radio_image.h"
#include "tests/model/decoded_bands.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(BandTest, BandCodeEncodesAndDecodesTheFourLimits) {
    struct Case {
        BandLimitsMhz mhz;
        BandCodeBytes code;
    };
    const Case cases[] = {
        {{136, 174, 400, 480}, {0x13, 0x17, 0x64, 0x40, 0x48, 0x00}},
        {{136, 174, 400, 520}, {0x13, 0x17, 0x64, 0x40, 0x52, 0x00}},
        {{0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {{999, 999, 999, 999}, {0x99, 0x99, 0x99, 0x99, 0x99, 0x99}},
        {{150, 150, 450, 450}, {0x15, 0x15, 0x00, 0x45, 0x45, 0x00}},
        {{137, 173, 401, 479}, {0x13, 0x17, 0x73, 0x40, 0x47, 0x19}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BandCode(c.mhz.band1Low, c.mhz.band1High, c.mhz.band2Low, c.mhz.band2High),
                  c.code);
        EXPECT_EQ(DecodeBandCode(c.code), c.mhz);
    }
}

TEST(BandTest, BandCodeNibblesAboveNineDecodeDigitByDigit) {
    const BandLimitsMhz limits = DecodeBandCode({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(limits, (BandLimitsMhz{1665, 1665, 1665, 1665}));
}

TEST(BandTest, NormalizeReplacesOnlyAllZeroAndAllFf) {
    const std::map<BandCodeBytes, BandCodeBytes> cases = {
        {{0, 0, 0, 0, 0, 0}, kDefaultBandCode},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, kDefaultBandCode},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
        {{0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}},
        {kDecodedBandCode, kDecodedBandCode},
    };
    for (const auto& [in, expected] : cases) {
        BandCodeBytes code = in;
        NormalizeBandCode(code);
        EXPECT_EQ(code, expected);
    }
}

TEST(BandTest, InBandsIncludesBothEndsOfBothBands) {
    struct Case {
        std::int32_t f;
        bool initial;
        bool afterDecode;
    };
    const Case cases[] = {
        {13599999, false, false}, {13600000, true, true},   {17400000, true, true},
        {17400001, false, false}, {39999999, false, false}, {40000000, true, true},
        {48000000, true, true},   {48000001, false, true},  {51000000, false, true},
        {52000000, false, true},  {52000625, false, false}, {0, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BandPlan().InBands(c.f), c.initial) << c.f;
        EXPECT_EQ(DecodedBands().InBands(c.f), c.afterDecode) << c.f;
    }
}

TEST(BandTest, RefreshAfterDecodeKeepsTheCodeReadAndWidensTheLimits) {
    struct Case {
        BandCodeBytes inImage;
        BandCodeBytes expectedInPlan;
    };
    const Case cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, kDefaultBandCode},
        {{0, 0, 0, 0, 0, 0}, kDefaultBandCode},
        {kDefaultBandCode, kDefaultBandCode},
        {{0x14, 0x17, 0x44, 0x43, 0x47, 0x00}, {0x14, 0x17, 0x44, 0x43, 0x47, 0x00}},
    };
    for (const Case& c : cases) {
        BandPlan plan;
        RadioImage image;
        SetImageBandCode(image, c.inImage);
        RefreshBandAfterDecode(image, plan);
        EXPECT_EQ(plan.bandCode, c.expectedInPlan);
        EXPECT_EQ(ImageBandCode(image), kDecodedBandCode);
        EXPECT_EQ(plan.LimitsMhz(), (BandLimitsMhz{136, 174, 400, 520}));
        EXPECT_EQ(plan.band2High, 52000000);
    }
}

// Each running program has its own plan: what one decodes or sets never
// reaches another.
TEST(BandTest, TwoPlansKeepTheirOwnCodeAndLimits) {
    BandPlan decoding;
    BandPlan other;
    other.SetLimitsMhz({144, 146, 430, 440});
    other.bandCode = BandCode(144, 146, 430, 440);
    const BandPlan otherBefore = other;

    RadioImage image;
    SetImageBandCode(image, {0x14, 0x17, 0x44, 0x43, 0x47, 0x00});
    RefreshBandAfterDecode(image, decoding);
    EXPECT_EQ(other, otherBefore);
    EXPECT_TRUE(decoding.InBands(51000000));
    EXPECT_FALSE(other.InBands(51000000));

    // The encode writes each plan's own limits.
    RadioImage fromOther;
    WriteBandBeforeEncode(fromOther, other);
    EXPECT_EQ(ImageBandCode(fromOther), BandCode(144, 146, 430, 440));
    WriteBandBeforeEncode(image, decoding);
    EXPECT_EQ(ImageBandCode(image), kDecodedBandCode);
}

TEST(BandTest, WriteBeforeEncodeUsesWholeMegahertzOfTheLimits) {
    RadioImage image;
    EXPECT_EQ((ImageBandCode(image)), (BandCodeBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    BandPlan plan;
    WriteBandBeforeEncode(image, plan); // initial limits 136/174/400/480
    EXPECT_EQ(ImageBandCode(image), kDefaultBandCode);
    plan.band1Low = 13699999; // 136.99999 MHz counts as 136
    plan.band2High = 52099999;
    WriteBandBeforeEncode(image, plan);
    EXPECT_EQ(ImageBandCode(image), kDecodedBandCode);
    // Only the band code bytes change.
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        if (i < layout::kBandCode || i >= layout::kBandCode + layout::kBandCodeSize) {
            ASSERT_EQ(image[i], 0xFF) << i;
        }
    }
}

TEST(BandTest, ModelListStopsAtTheFirstMissingOrEmptyNameAndAtNineteen) {
    struct Case {
        std::map<std::string, std::string> setup;
        std::vector<std::string> expected;
    };
    std::map<std::string, std::string> twenty;
    std::vector<std::string> nineteen;
    for (int i = 1; i <= 20; ++i) {
        const std::string number = std::to_string(i);
        twenty[std::string("Type") + number] = std::string("M") + number;
        if (i <= 19) {
            nineteen.push_back(std::string("M") + number);
        }
    }
    const Case cases[] = {
        {{}, {}},
        {{{"Type2", "B"}}, {}},
        {{{"Type1", "A"}, {"Type2", "B"}, {"Type3", "C"}}, {"A", "B", "C"}},
        {{{"Type1", "A"}, {"Type2", ""}, {"Type3", "C"}}, {"A"}},
        {{{"Type1", "A"}, {"Type3", "C"}}, {"A"}},
        {twenty, nineteen},
    };
    for (const Case& c : cases) {
        const auto lookup = [&c](const std::string& key) {
            const auto it = c.setup.find(key);
            return it == c.setup.end() ? std::string() : it->second;
        };
        EXPECT_EQ(ModelList(lookup), c.expected);
    }
}

} // namespace
