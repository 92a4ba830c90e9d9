#include "model/fields/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

double ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0;
    }
    std::string_view number = text.substr(start, i - start);
    // from_chars takes no leading '+'.
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    return value;
}

std::string FormatFixed(double value, int decimals, int width) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

long CutToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT32_MAX)) {
        return INT32_MAX;
    }
    if (value <= static_cast<double>(INT32_MIN)) {
        return INT32_MIN;
    }
    return static_cast<long>(value);
}
