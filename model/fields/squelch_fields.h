#pragma once
// The four squelch tuning levels (V wide, V narrow, U wide, U narrow) as the
// Squelch Tuning lists show them: stored byte s is shown as s - 64.

#include "model/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace squelch {

inline constexpr int kLevelCount = 4;
inline constexpr std::size_t kLevelsAt = 0x17EE;
inline constexpr std::uint8_t kDefaults[kLevelCount] = {41, 39, 34, 30};
// Stored values 9..119 are valid; the lists offer 9..118 (-55..54).
inline constexpr int kLowestStored = 9;
inline constexpr int kHighestStored = 119;
inline constexpr int kShownOffset = 64;

struct Level {
    const char* key;
    int listId;
};
inline constexpr Level kLevels[kLevelCount] = {
    {"v_wide", 1136}, {"v_narrow", 1137}, {"u_wide", 1138}, {"u_narrow", 1139}};

// The 110 list texts "-55" .. "54", ascending.
const std::vector<std::string>& LevelItems();
// Index of a text in LevelItems(), -1 when no item has that text.
int ItemIndex(std::string_view text);

// The selected text of each list; "" is no selection.
using Levels = std::array<std::string, kLevelCount>;

// Out-of-range stored bytes show the level's default; stored 119 shows no
// selection.
Levels Load(const RadioImage& image);
// No selection stores the level's default, otherwise the text's value + 64.
void Store(const Levels& levels, RadioImage& image);

} // namespace squelch
