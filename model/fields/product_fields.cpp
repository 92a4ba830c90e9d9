#include "model/fields/product_fields.h"

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/image_layout.h"

#include <iterator>

namespace product {
namespace {

using fields::FieldKind;
using fields::FieldSpec;
using fields::FieldValue;

// The page holds the model field, then the four band limits in the order of
// kBandNames.
constexpr std::size_t kFirstBandField = 1;
constexpr std::size_t kBandFieldCount = std::size(kBandNames);

FieldSpec ModelField() {
    FieldSpec spec;
    spec.name = "model";
    spec.label = TEXT_ID("ProductFields", "Model");
    spec.kind = FieldKind::List;
    spec.load = [](const RadioImage& image) {
        FieldValue value;
        value.index = image[layout::kModelIndex];
        return value;
    };
    spec.store = [](const FieldValue& value, RadioImage& image) {
        image[layout::kModelIndex] =
            value.index < 0 ? 0xFF : static_cast<std::uint8_t>(value.index);
    };
    return spec;
}

FieldSpec BandField(int which) {
    FieldSpec spec;
    spec.name = kBandNames[which];
    // One label, "Field", stands before the two rows of limits.
    if (which == 0) {
        spec.label = TEXT_ID("ProductFields", "Field");
    }
    spec.kind = FieldKind::Edit;
    // The limits belong to the band plan, not to the image.
    spec.load = [](const RadioImage&) { return FieldValue{}; };
    // The limits are stored together, after their order is checked.
    spec.store = [](const FieldValue&, RadioImage&) {};
    return spec;
}

} // namespace

const fields::FieldPage& Page() {
    static const fields::FieldPage page{
        "product", {ModelField(), BandField(0), BandField(1), BandField(2), BandField(3)}};
    return page;
}

std::array<std::string, 4> BandLimitTexts(const BandPlan& bands) {
    const BandLimitsMhz limits = bands.LimitsMhz();
    return {std::to_string(limits.band1Low), std::to_string(limits.band1High),
            std::to_string(limits.band2Low), std::to_string(limits.band2High)};
}

bool StoreBandLimits(const fields::FieldValues& values, RadioImage& image, BandPlan& bands) {
    int mhz[kBandFieldCount] = {};
    for (std::size_t i = 0; i < kBandFieldCount && kFirstBandField + i < values.size(); ++i) {
        mhz[i] = ParseAtoi(values[kFirstBandField + i].text);
    }
    if (mhz[0] > mhz[1] || mhz[2] > mhz[3]) {
        return false;
    }
    bands.SetLimitsMhz({mhz[0], mhz[1], mhz[2], mhz[3]});
    bands.bandCode = BandCode(mhz[0], mhz[1], mhz[2], mhz[3]);
    SetImageBandCode(image, bands.bandCode);
    return true;
}

} // namespace product
