#include "model/fields/squelch_fields.h"

#include "model/image_layout.h"

namespace squelch {
namespace {

struct Level {
    const char* name;
    TextId label;
};
constexpr Level kLevels[layout::kSquelchLevelCount] = {
    {"v_wide", TEXT_ID("SquelchFields", "V Wide Squelch Tuning")},
    {"v_narrow", TEXT_ID("SquelchFields", "V Narrow Squelch Tuning")},
    {"u_wide", TEXT_ID("SquelchFields", "U Wide Squelch Tuning")},
    {"u_narrow", TEXT_ID("SquelchFields", "U Narrow Squelch Tuning")}};

fields::FieldSpec LevelField(int level) {
    const std::size_t at = layout::kSquelchLevels + static_cast<std::size_t>(level);
    const std::uint8_t fallback = layout::kDefaultSquelchLevels[level];
    fields::FieldSpec spec;
    spec.name = kLevels[level].name;
    spec.label = kLevels[level].label;
    spec.kind = fields::FieldKind::List;
    spec.items = fields::NumberedItems({}, kLowestStored - kShownOffset, kItemCount);
    spec.load = [at, fallback](const RadioImage& image) {
        int stored = image[at];
        if (stored < kLowestStored || stored > kHighestStored) {
            stored = fallback;
        }
        // Item i shows stored value 9 + i; stored 119 has no item.
        fields::FieldValue value;
        value.index = stored < kLowestStored + kItemCount ? stored - kLowestStored : -1;
        return value;
    };
    spec.store = [at, fallback](const fields::FieldValue& value, RadioImage& image) {
        image[at] =
            value.index < 0 ? fallback : static_cast<std::uint8_t>(value.index + kLowestStored);
    };
    spec.code = [at](const RadioImage& image) { return int{image[at]}; };
    return spec;
}

} // namespace

const fields::FieldPage& Page() {
    static const fields::FieldPage page = [] {
        fields::FieldPage built{"squelch", {}};
        for (int level = 0; level < layout::kSquelchLevelCount; ++level) {
            built.fields.push_back(LevelField(level));
        }
        return built;
    }();
    return page;
}

} // namespace squelch
