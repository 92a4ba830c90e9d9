#pragma once
// The MSK signalling identities: the radio's own four-character ID code and
// a call list of nine IDs, as the MSK dialog shows them. The ten fields form
// one run of 40 bytes laid over bytes 0..15 of three image rows from 0x12C0;
// bytes 16..23 of those rows belong to nobody here.

#include "model/radio_image.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace msk {

inline constexpr std::size_t kRunAt = 0x12C0;
inline constexpr int kIdLength = 4;
inline constexpr int kCallListEntries = 9;
inline constexpr int kRunLength = kIdLength * (1 + kCallListEntries);

inline constexpr int kIdCodeEditId = 1048;
inline constexpr int kCallListGridId = 1349;
inline constexpr int kCellEditId = 1123;

// Image offset of byte i (0..39) of the run.
std::size_t RunOffset(int index);
// Image offset of call list entry r (1..9).
std::size_t CallListEntryOffset(int entry);

struct Values {
    std::string idCode;
    std::array<std::string, kCallListEntries> callList;

    bool operator==(const Values&) const = default;
};

// A text reads up to its first 0xFF or 0x00 byte.
Values Load(const RadioImage& image);
// Each field gets at most four characters, the rest of it 0xFF.
void Store(const Values& values, RadioImage& image);

// The text an ID edit ends up with when the text is typed into it (up to
// four hexadecimal digits, letters made upper-case); nothing when the edit
// would not take it.
std::optional<std::string> AcceptIdText(std::string_view text);

} // namespace msk
