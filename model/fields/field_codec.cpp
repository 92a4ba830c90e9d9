#include "model/fields/field_codec.h"

namespace fields {

int ReadBits(const RadioImage& image, BitField field) {
    return (image[field.offset] & field.Mask()) >> field.shift;
}

void WriteBits(RadioImage& image, BitField field, int value) {
    const auto bits =
        static_cast<std::uint8_t>((static_cast<unsigned>(value) << field.shift) & field.Mask());
    image[field.offset] = static_cast<std::uint8_t>((image[field.offset] & ~field.Mask()) | bits);
}

std::string ReadText(const RadioImage& image, TextField field) {
    std::string text;
    for (std::size_t i = 0; i < field.length; ++i) {
        const std::uint8_t byte = image[field.Offset(i)];
        if (byte == kUnset || byte == 0x00) {
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void WriteText(RadioImage& image, TextField field, std::string_view text) {
    for (std::size_t i = 0; i < field.length; ++i) {
        image[field.Offset(i)] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : kUnset;
    }
}

std::uint16_t ReadBE16(const RadioImage& image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] << 8 | image[offset + 1]);
}

void WriteBE16(RadioImage& image, std::size_t offset, long n) {
    image[offset] = static_cast<std::uint8_t>((n / 256) & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>((n % 256) & 0xFF);
}

int ParseLeadingDigits(std::string_view text) {
    constexpr int kCeiling = 999999999;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value > (kCeiling - 9) / 10 ? kCeiling : value * 10 + (c - '0');
    }
    return value;
}

int StepLadder(int value, std::span<const int> ladder, int delta) {
    if (ladder.empty()) {
        return value;
    }
    if (delta == 1) {
        for (const int step : ladder) {
            if (value < step) {
                return step;
            }
        }
        return ladder.front();
    }
    if (delta == -1) {
        for (auto it = ladder.rbegin(); it != ladder.rend(); ++it) {
            if (value > *it) {
                return *it;
            }
        }
        return ladder.back();
    }
    return value;
}

int WrapAround(int value, int low, int high) {
    if (value > high) {
        return low;
    }
    if (value < low) {
        return high;
    }
    return value;
}

} // namespace fields
