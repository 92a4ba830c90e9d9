#pragma once
// The radio's two frequency bands: the band plan of a running program (band
// code and band limits), the 6-byte band code layout, and the model list read
// from the settings file.

#include "model/image_layout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RadioImage;

using BandCodeBytes = std::array<std::uint8_t, layout::kBandCodeSize>;

inline constexpr std::int32_t kUnitsPerMhz = 100000;

// The four band ends in whole MHz.
struct BandLimitsMhz {
    int band1Low = 0;
    int band1High = 0;
    int band2Low = 0;
    int band2High = 0;
    bool operator==(const BandLimitsMhz&) const = default;
};

// Band code of the limits a..b and c..d MHz (three decimal digits each).
BandCodeBytes BandCode(int a, int b, int c, int d);
// The four limits a band code holds (digit by digit, a nibble above 9 adds its value).
BandLimitsMhz DecodeBandCode(const BandCodeBytes& code);
// Six 0x00 or six 0xFF bytes become 13 17 64 40 48 00; any other code is kept.
void NormalizeBandCode(BandCodeBytes& code);

// The code every decode leaves in the image: 136..174 MHz and 400..520 MHz.
inline constexpr BandCodeBytes kDecodedBandCode{0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
// What an all-zero or all-0xFF code is replaced by: 136..174 MHz and 400..480 MHz.
inline constexpr BandCodeBytes kDefaultBandCode{0x13, 0x17, 0x64, 0x40, 0x48, 0x00};

// The two ranges of the image's band code: "136-174, 400-480 MHz".
std::string BandRangeText(const RadioImage& image);

// The band code and band limits of one running program: one plan per program,
// made with the program's context and handed to whatever decodes, encodes or
// checks a frequency. A default plan holds the start-of-process values.
struct BandPlan {
    // The band code last seen (g_bandCode); all zero at process start.
    BandCodeBytes bandCode{};
    // Band limits in units of 10 Hz (g_band1Low .. g_band2High):
    // 136/174/400/480 MHz at process start.
    std::int32_t band1Low = 13600000;
    std::int32_t band1High = 17400000;
    std::int32_t band2Low = 40000000;
    std::int32_t band2High = 48000000;

    // True when f (10 Hz units) lies in band 1 or band 2, ends included.
    bool InBands(std::int32_t f) const;
    // Sets the four limits (in MHz) to a, b, c, d.
    void SetLimitsMhz(const BandLimitsMhz& limits);
    // The four limits divided by 100000 (integer division).
    BandLimitsMhz LimitsMhz() const;

    bool operator==(const BandPlan&) const = default;
};

// The band code as it stands in the image / stores one into the image.
BandCodeBytes ImageBandCode(const RadioImage& image);
void SetImageBandCode(RadioImage& image, const BandCodeBytes& code);

// Last step of the channel decode: the image's band code becomes the plan's
// bandCode (normalised), the image gets 13 17 64 40 52 00 and the limits
// 136/174/400/520 MHz.
void RefreshBandAfterDecode(RadioImage& image, BandPlan& plan);
// First step of the channel encode: the image's band code := BandCode of the limits.
void WriteBandBeforeEncode(RadioImage& image, const BandPlan& plan);

// The model names: settings keys "Type1".."Type19" of section "Setup", in order,
// up to the first one that is missing or empty. lookup(key) returns the value
// of key in section "Setup", empty when absent.
std::vector<std::string>
ModelList(const std::function<std::string(const std::string& key)>& lookup);
inline constexpr int kMaxModels = 19;
