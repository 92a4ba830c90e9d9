#pragma once
// The function of the radio's side key as the Key Assignment dialog shows it:
// four radio buttons on bits 1..0 of the side key byte (layout::kSideKey;
// code = 3 - position); bits 7..2 of the byte are kept.

#include "model/fields/field_table.h"

namespace side_key {

// The dialog's one page, "side_key", with one field, "side_key": a group of
// four buttons titled "Side Key".
const fields::FieldPage& Page();

} // namespace side_key
