#pragma once
// The MSK signalling identities as the MSK dialog shows them: the radio's own
// four-character ID code ("id_code") and a call list of nine IDs
// ("call_list.1" ... "call_list.9"), hexadecimal digits, letters in capitals.
// The ten fields form one row run of 40 bytes (layout::kMskIds) laid over
// bytes 0..15 of three image rows; bytes 16..23 of those rows belong to
// nobody here.
// The dialog loads when it opens and stores on OK.

#include "model/fields/field_table.h"

#include <cstddef>

namespace msk {

// What the ID edits and the key filter take.
inline constexpr const char* kHexCharacters = "0123456789ABCDEF";

// The dialog's one page, "msk".
const fields::FieldPage& Page();

} // namespace msk
