#pragma once
// Building blocks shared by the settings fields modules: how a value sits in
// the image and how the dialogs' edits and spin buttons treat numbers.
//
// - BitField / ReadBits / WriteBits: a group of bits of one byte. Every write
//   is a read-modify-write: the bits outside the field keep their value, so
//   two dialogs can share one byte without disturbing each other.
// - TextField / ReadText / WriteText: character fields. Reading stops at the
//   first 0xFF or 0x00 byte or at the field's length; writing puts the text's
//   character codes first (cut to the field's length) and fills the rest of
//   the field with 0xFF. A field may be laid over image rows using only bytes
//   0..15 of each row ("row run"): its bytes step to the next row after byte
//   15, and bytes 16..23 of the rows are never touched.
// - ReadBE16 / WriteBE16: 16-bit numbers, high byte first.
// - ParseLeadingDigits: the integer an edit's text is read as.
// - StepLadder / WrapAround: spin buttons that work on the edit's text and
//   wrap at both ends of their range.
//
// Texts are byte strings: each char is one character code of the image.

#include "model/image_layout.h"
#include "model/radio_image.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fields {

inline constexpr std::uint8_t kUnset = 0xFF;

// Bits shift .. shift + width - 1 of the byte at offset.
struct BitField {
    std::size_t offset;
    int shift;
    int width;

    constexpr std::uint8_t Mask() const {
        return static_cast<std::uint8_t>(((1u << width) - 1u) << shift);
    }
};

// One bit of the byte at offset.
constexpr BitField Bit(std::size_t offset, int bit) {
    return {offset, bit, 1};
}

int ReadBits(const RadioImage& image, BitField field);
// Replaces the field's bits by value (cut to the field's width); the other
// bits of the byte are kept.
void WriteBits(RadioImage& image, BitField field, int value);

struct TextField {
    std::size_t start;
    std::size_t length;
    bool rowRun = false; // laid over bytes 0..15 of consecutive rows

    constexpr std::size_t Offset(std::size_t i) const {
        return rowRun ? layout::RowRunOffset(start, i) : start + i;
    }
};

std::string ReadText(const RadioImage& image, TextField field);
void WriteText(RadioImage& image, TextField field, std::string_view text);

std::uint16_t ReadBE16(const RadioImage& image, std::size_t offset);
// Writes (n / 256, n mod 256), each cut to a byte.
void WriteBE16(RadioImage& image, std::size_t offset, long n);

// The decimal integer of the text's leading digits; text that does not start
// with a digit gives 0. Very long numbers stop growing at 999999999.
int ParseLeadingDigits(std::string_view text);

// One spin step through a ladder of values in ascending order: up (delta +1)
// goes to the first value above, or wraps to the first value; down (delta -1)
// goes to the last value below, or wraps to the last value; any other delta
// leaves the value unchanged.
int StepLadder(int value, std::span<const int> ladder, int delta);

// A spin result outside low..high wraps to the other end: above high gives
// low, below low gives high.
int WrapAround(int value, int low, int high);

} // namespace fields
