#pragma once
// Where the radio's 4096-byte memory sits in the 6144-byte image: radio
// addresses 0x0000..0x0C2F are image offsets 0x0000..0x0C2F (rows 0..129
// whole); radio address 0x0C30 + 16*k + b is image offset 24*(195 + k) + b
// for b = 0..15 (bytes 0..15 of rows 195..255).

#include "model/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int kRadioMemorySize = 0x1000;
inline constexpr int kLinearEnd = 0x0C30;        // end of the one-to-one part
inline constexpr int kFirstUpperRow = 195;       // image row of radio 0x0C30
inline constexpr int kUpperRowBytes = 16;        // bytes of an upper row that travel
inline constexpr int kBandBlockAddress = 0x0FD0; // band-type block, 16 bytes
inline constexpr int kBandTypeAddress = 0x0FD1;
inline constexpr int kPasswordBlockAddress = 0x0FE0;
inline constexpr int kPasswordAddress = 0x0FE2;      // 6 bytes
inline constexpr int kBandCodeBlockAddress = 0x0FF0; // row 255, never written
inline constexpr int kSquelchAddress = 0x0FF6;       // 4 squelch tuning levels
inline constexpr std::size_t kImagePassword = 0x17D2;
inline constexpr std::size_t kImageSquelch = 0x17EE;
inline constexpr int kPasswordLength = 6;
inline constexpr int kSquelchLength = 4;

using RadioMemory = std::array<std::uint8_t, kRadioMemorySize>;

// Image offset of a radio address 0x0000..0x0FFF.
constexpr std::size_t ImageOffsetOfRadioAddress(int address) {
    if (address < kLinearEnd) {
        return static_cast<std::size_t>(address);
    }
    const int k = (address - kLinearEnd) / kUpperRowBytes;
    const int b = (address - kLinearEnd) % kUpperRowBytes;
    return static_cast<std::size_t>((kFirstUpperRow + k) * static_cast<int>(kRowSize) + b);
}

// The radio memory an image stands for.
RadioMemory RadioMemoryFromImage(const RadioImage& image);
// Copies radio memory into the image bytes it maps to; other bytes stay.
void CopyRadioMemoryToImage(const RadioMemory& memory, RadioImage& image);
