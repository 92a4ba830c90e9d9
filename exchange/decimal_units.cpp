#include "exchange/decimal_units.h"

#include "exchange/header_columns.h"

namespace exchange {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> ParseDecimalUnits(std::string_view text, int decimals) {
    text = TrimBlanks(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > 9)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : whole) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (!IsDigit(fraction[i]))
            return std::nullopt;
    }
    for (int i = 0; i < decimals; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        value = value * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    }
    return value;
}

std::string FormatDecimalUnits(std::int64_t value, int decimals) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return negative ? "-" + digits : digits;
}

} // namespace exchange
