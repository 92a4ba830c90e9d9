#include "model/band.h"

#include "model/image_layout.h"
#include "model/radio_image.h"

#include <algorithm>
#include <string>

namespace {

// High nibble hundreds, low nibble tens of a three-digit number.
std::uint8_t HundredsTens(int v) {
    return static_cast<std::uint8_t>(16 * (v / 100) + (v / 10) % 10);
}

std::uint8_t Units(int high, int low) {
    return static_cast<std::uint8_t>(16 * (high % 10) + low % 10);
}

int HundredsTensValue(std::uint8_t b) {
    return 100 * (b >> 4) + 10 * (b & 15);
}

} // namespace

BandCodeBytes BandCode(int a, int b, int c, int d) {
    return {HundredsTens(a), HundredsTens(b), Units(a, b),
            HundredsTens(c), HundredsTens(d), Units(c, d)};
}

BandLimitsMhz DecodeBandCode(const BandCodeBytes& code) {
    return {
        HundredsTensValue(code[0]) + (code[2] >> 4), HundredsTensValue(code[1]) + (code[2] & 15),
        HundredsTensValue(code[3]) + (code[5] >> 4), HundredsTensValue(code[4]) + (code[5] & 15)};
}

void NormalizeBandCode(BandCodeBytes& code) {
    const auto all = [&code](std::uint8_t v) {
        return std::all_of(code.begin(), code.end(), [v](std::uint8_t b) { return b == v; });
    };
    if (all(0x00) || all(0xFF)) {
        code = kDefaultBandCode;
    }
}

bool BandPlan::InBands(std::int32_t f) const {
    return (band1Low <= f && f <= band1High) || (band2Low <= f && f <= band2High);
}

void BandPlan::SetLimitsMhz(const BandLimitsMhz& limits) {
    band1Low = limits.band1Low * kUnitsPerMhz;
    band1High = limits.band1High * kUnitsPerMhz;
    band2Low = limits.band2Low * kUnitsPerMhz;
    band2High = limits.band2High * kUnitsPerMhz;
}

BandLimitsMhz BandPlan::LimitsMhz() const {
    return {band1Low / kUnitsPerMhz, band1High / kUnitsPerMhz, band2Low / kUnitsPerMhz,
            band2High / kUnitsPerMhz};
}

BandCodeBytes ImageBandCode(const RadioImage& image) {
    BandCodeBytes code{};
    std::copy_n(image.data() + layout::kBandCode, code.size(), code.begin());
    return code;
}

void SetImageBandCode(RadioImage& image, const BandCodeBytes& code) {
    std::copy(code.begin(), code.end(), image.data() + layout::kBandCode);
}

void RefreshBandAfterDecode(RadioImage& image, BandPlan& plan) {
    plan.bandCode = ImageBandCode(image);
    NormalizeBandCode(plan.bandCode);
    SetImageBandCode(image, kDecodedBandCode);
    plan.SetLimitsMhz(DecodeBandCode(kDecodedBandCode));
}

void WriteBandBeforeEncode(RadioImage& image, const BandPlan& plan) {
    const BandLimitsMhz mhz = plan.LimitsMhz();
    SetImageBandCode(image, BandCode(mhz.band1Low, mhz.band1High, mhz.band2Low, mhz.band2High));
}

std::vector<std::string>
ModelList(const std::function<std::string(const std::string& key)>& lookup) {
    std::vector<std::string> models;
    for (int i = 1; i <= kMaxModels; ++i) {
        std::string name = lookup("Type" + std::to_string(i));
        if (name.empty()) {
            break;
        }
        models.push_back(std::move(name));
    }
    return models;
}

std::string BandRangeText(const RadioImage& image) {
    const BandLimitsMhz limits = DecodeBandCode(ImageBandCode(image));
    return std::to_string(limits.band1Low) + "-" + std::to_string(limits.band1High) + ", " +
           std::to_string(limits.band2Low) + "-" + std::to_string(limits.band2High) + " MHz";
}
