#pragma once
// The radio-wide optional features as the Optional Features dialog shows
// them: one field per control, in the dialog's order, each loaded from and
// stored into its bits of the optional features bytes, the flag byte, the
// priority channel, the optional flags and the six password bytes (see
// image_layout.h). The dialog stores all of them on OK.
//
// Shared bytes: of the flag byte only bits 0 and 7 belong here (4, 5 and 6
// are the DTMF pages'), of the optional flags bits 0, 1 and 4, of the display
// mode byte bits 1..0; every store keeps the other bits.

#include "model/fields/field_table.h"

namespace optional_features {

// The dialog's one page, "optional": every control of the dialog, in order;
// names are the keys of "optional".
const fields::FieldPage& Page();

// The password as the edit shows it: the leading decimal digits of the six
// bytes, at most six.
std::string LoadPassword(const RadioImage& image);
// The same for six password bytes as they are (a radio's).
std::string ShownPassword(const std::uint8_t* bytes);
// Fills the six bytes with 0xFF, then copies at most six characters of text.
// (The password field stores only a text that differs from LoadPassword.)
void StorePassword(std::string_view text, RadioImage& image);

} // namespace optional_features
