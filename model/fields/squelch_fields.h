#pragma once
// The four squelch tuning levels (V wide, V narrow, U wide, U narrow) as the
// Squelch Tuning lists show them: stored byte s is shown as s - 64. Stored
// values 9..119 are valid; the lists offer 9..118 ("-55" .. "54"). A stored
// value outside 9..119 shows the level's default
// (layout::kDefaultSquelchLevels), stored 119 shows no selection, and no
// selection stores the default.

#include "model/fields/field_table.h"
#include "model/image_layout.h"

namespace squelch {

inline constexpr int kLowestStored = 9;
inline constexpr int kHighestStored = 119;
inline constexpr int kShownOffset = 64;
inline constexpr int kItemCount = kHighestStored - kLowestStored; // 110

// The dialog's one page, "squelch": lists v_wide (1136), v_narrow (1137),
// u_wide (1138), u_narrow (1139), each with the items "-55" .. "54".
const fields::FieldPage& Page();

} // namespace squelch
