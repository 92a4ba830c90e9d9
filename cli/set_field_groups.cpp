// The set groups of the Optional Features, DTMF and Key Assignment dialogs.
// Optional Features and Key Assignment store every control on OK; the DTMF
// pages store each on being hidden.

#include "cli/set_groups.h"
#include "model/fields/dtmf_fields.h"
#include "model/fields/optional_fields.h"
#include "model/fields/side_key_fields.h"

std::unique_ptr<SetGroup> MakeSetGroup_optional(const RadioImage& image) {
    static const std::vector<fields::FieldPage> pages = {{"dialog", optional_features::Fields()}};
    return MakeFieldPagesSetGroup(pages, image);
}

std::unique_ptr<SetGroup> MakeSetGroup_dtmf(const RadioImage& image) {
    return MakeFieldPagesSetGroup(dtmf::Pages(), image);
}

std::unique_ptr<SetGroup> MakeSetGroup_side_key(const RadioImage& image) {
    static const std::vector<fields::FieldPage> pages = {{"dialog", side_key::Fields()}};
    return MakeFieldPagesSetGroup(pages, image);
}
