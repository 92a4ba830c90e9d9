#pragma once
// Where the radio's 4096-byte memory sits in the 6144-byte image: radio
// addresses 0x0000..0x0C2F are image offsets 0x0000..0x0C2F (rows 0..129
// whole); radio address 0x0C30 + 16*k + b is image offset 24*(195 + k) + b
// for b = 0..15 (bytes 0..15 of rows 195..255). The rows and widths are the
// image map's (model/image_layout.h); the addresses here are the radio's.

#include "model/image_layout.h"
#include "model/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int kRadioMemorySize = 0x1000;
inline constexpr int kLinearEnd = 0x0C30;        // end of the one-to-one part
inline constexpr int kBandBlockAddress = 0x0FD0; // band-type block
inline constexpr int kBandTypeAddress = 0x0FD1;
inline constexpr int kPasswordBlockAddress = 0x0FE0;
inline constexpr int kPasswordAddress = 0x0FE2;
inline constexpr int kBandCodeBlockAddress = 0x0FF0; // row 255, never written
inline constexpr int kSquelchAddress = 0x0FF6;       // the squelch tuning levels

using RadioMemory = std::array<std::uint8_t, kRadioMemorySize>;

// Image offset of a radio address 0x0000..0x0FFF.
constexpr std::size_t ImageOffsetOfRadioAddress(int address) {
    if (address < kLinearEnd) {
        return static_cast<std::size_t>(address);
    }
    const auto upper = static_cast<std::size_t>(address - kLinearEnd);
    return layout::RowStart(layout::kFirstUpperRow + upper / layout::kUpperRowBytes) +
           upper % layout::kUpperRowBytes;
}

// Radio address of an image offset; -1 for a byte that exists only in the
// image and the file.
constexpr int RadioAddressOfImageOffset(std::size_t offset) {
    if (!layout::IsRadioByte(offset)) {
        return -1;
    }
    if (offset < static_cast<std::size_t>(kLinearEnd)) {
        return static_cast<int>(offset);
    }
    const std::size_t row = offset / layout::kRowSize - layout::kFirstUpperRow;
    return kLinearEnd + static_cast<int>(row * layout::kUpperRowBytes + offset % layout::kRowSize);
}

// The addresses a write sends as data blocks: everything below the
// band-type block, and the password row after it. The band-type block gets
// only the closing band byte; 0x0FF0..0x0FFF is never written.
constexpr bool IsWrittenBlockAddress(int address) {
    return (address >= 0 && address < kBandBlockAddress) ||
           (address >= kPasswordBlockAddress && address < kBandCodeBlockAddress);
}

// The radio memory an image stands for.
RadioMemory RadioMemoryFromImage(const RadioImage& image);
// Copies radio memory into the image bytes it maps to; other bytes stay.
void CopyRadioMemoryToImage(const RadioMemory& memory, RadioImage& image);

// ---- The address map agrees with the image map ----

// The one-to-one part is the rows the radio holds whole, and the upper rows
// fill the rest of the memory exactly.
static_assert(kLinearEnd == static_cast<int>(layout::RowStart(layout::kLinearRows)));
static_assert(kLinearEnd + static_cast<int>((layout::kRowCount - layout::kFirstUpperRow) *
                                            layout::kUpperRowBytes) ==
              kRadioMemorySize);

// The map is strictly increasing and covers exactly the image bytes that
// travel to the radio: checked byte by byte in address_map.cpp.

static_assert(RadioAddressOfImageOffset(ImageOffsetOfRadioAddress(0x0C2F)) == 0x0C2F);
static_assert(RadioAddressOfImageOffset(ImageOffsetOfRadioAddress(0x0C30)) == 0x0C30);
static_assert(RadioAddressOfImageOffset(ImageOffsetOfRadioAddress(0x0FFF)) == 0x0FFF);
static_assert(RadioAddressOfImageOffset(layout::RowStart(layout::kLinearRows)) == -1);

// The addresses the transfers use directly land on the image map's fields.
static_assert(ImageOffsetOfRadioAddress(kBandBlockAddress) == layout::kBandTypeBlock);
static_assert(kBandTypeAddress == kBandBlockAddress + 1);
static_assert(ImageOffsetOfRadioAddress(kPasswordAddress) == layout::kPassword);
static_assert(ImageOffsetOfRadioAddress(kPasswordBlockAddress) ==
              layout::RowStart(layout::kPassword / layout::kRowSize));
static_assert(ImageOffsetOfRadioAddress(kBandCodeBlockAddress) == layout::kBandCode);
static_assert(ImageOffsetOfRadioAddress(kSquelchAddress) == layout::kSquelchLevels);
static_assert(kBandCodeBlockAddress + static_cast<int>(layout::kUpperRowBytes) == kRadioMemorySize);
