// The set groups of the 2-Tone, MSK and Squelch Tuning dialogs. The 2-Tone
// pages (encode, decode sets 1..8) each store when hidden, so only the pages
// with a field set are stored; MSK and Squelch Tuning store every control on
// OK.

#include "cli/set_groups.h"
#include "model/fields/msk_fields.h"
#include "model/fields/squelch_fields.h"
#include "model/fields/two_tone_fields.h"

std::unique_ptr<SetGroup> MakeSetGroup_two_tone(const RadioImage& image) {
    return MakeFieldPagesSetGroup(two_tone::Pages(), image);
}

std::unique_ptr<SetGroup> MakeSetGroup_msk(const RadioImage& image) {
    static const std::vector<fields::FieldPage> pages = {msk::Page()};
    return MakeFieldPagesSetGroup(pages, image);
}

std::unique_ptr<SetGroup> MakeSetGroup_squelch(const RadioImage& image) {
    static const std::vector<fields::FieldPage> pages = {squelch::Page()};
    return MakeFieldPagesSetGroup(pages, image);
}
