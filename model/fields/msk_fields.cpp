#include "model/fields/msk_fields.h"

#include "model/image_layout.h"

namespace msk {
namespace {

// An ID of four hexadecimal digits in capitals: the ID code edit (row 0) or
// call list entry `row` of the grid.
fields::FieldSpec IdField(std::string name, TextId label, int row, std::size_t start) {
    fields::EditRule rule;
    rule.maxLength = static_cast<int>(layout::kMskIdSize);
    rule.allowed = kHexCharacters;
    rule.upperCase = true;
    fields::FieldSpec spec = fields::TextOnField(
        std::move(name), label, {start, layout::kMskIdSize, true}, std::move(rule));
    if (row > 0) {
        spec.kind = fields::FieldKind::Cell;
        spec.row = row;
        spec.column = 1;
    }
    return spec;
}

} // namespace

const fields::FieldPage& Page() {
    static const fields::FieldPage page = [] {
        fields::FieldPage built{
            "msk", {IdField("id_code", TEXT_ID("MskFields", "ID Code"), 0, layout::kMskIds)}};
        // The entries are rows of the call list grid, numbered, without labels.
        for (int r = 1; r <= layout::kMskCallListCount; ++r) {
            built.fields.push_back(
                IdField("call_list." + std::to_string(r), {}, r, layout::MskCallListEntry(r)));
        }
        return built;
    }();
    return page;
}

} // namespace msk
