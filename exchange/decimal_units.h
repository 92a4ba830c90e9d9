#pragma once
// Decimal texts as whole numbers of a fixed unit, without floating point:
// "145.145" MHz is 14514500 units of 10 Hz, "88.5" Hz is 885 tenths. Digits
// past the unit are dropped (toward zero), as the grid's frequency
// conversion does.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace exchange {

// Text of an unsigned decimal number (digits, at most one point, blanks
// around it) as a count of 10^-decimals; nullopt for anything else or for a
// whole part of more than 9 digits.
std::optional<std::int64_t> ParseDecimalUnits(std::string_view text, int decimals);

// value / 10^decimals with exactly that many decimals ("145.12500").
// A negative value gets a leading minus.
std::string FormatDecimalUnits(std::int64_t value, int decimals);

// 10 Hz units in a megahertz text.
inline constexpr int kMhzDecimals = 5;

} // namespace exchange
