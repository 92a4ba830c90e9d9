#pragma once
// The channel record codec: 129 records of 24 bytes at the start of the image
// to and from the nine display texts of each grid row.

#include "model/band.h"
#include "model/channel_table.h"
#include "model/image_layout.h"
#include "model/radio_image.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads a decimal number as the C library's atof does (leading blanks, sign,
// digits, point, digits, exponent; stops at the first other character; no
// number gives 0), independent of the process locale.
double ParseAtof(std::string_view text);
// Reads an integer as atoi does; values beyond 32 bits saturate.
std::int32_t ParseAtoi(std::string_view text);
// printf-style "%3.5f" of value (frequency texts), locale independent.
std::string FormatMhz(double value);

// Frequency text (MHz) to units of 10 Hz: the atof value rounded to 15
// significant decimal digits, multiplied exactly by 100000 and truncated toward
// zero, so that 438.00625 gives exactly 43800625. Saturates at the 32-bit range.
std::int32_t FrequencyToUnits(std::string_view text);

// Four frequency bytes in image order (index 0 least significant pair).
using FrequencyBytes = std::array<std::uint8_t, layout::kRecFrequencySize>;
// Text to packed BCD; a value of 0 gives FF FF FF FF.
FrequencyBytes FrequencyTextToBytes(std::string_view text);
// Packed BCD to text ("%3.5f" of MHz); empty when the top byte is 0xFF or 0x00.
std::string FrequencyBytesToText(const FrequencyBytes& bytes);

// A tone code as stored: low byte first, high byte second.
struct ToneCode {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    bool operator==(const ToneCode&) const = default;
};
// Tone text ("67.0", "D023N", "D754I", "None", "无", "") to its code.
ToneCode ToneTextToCode(std::string_view text);
// Tone code to text; no tone gives the no-tone word in Chinese (bChinese, the
// language flag) or English, or "" when emptyChannel is true.
std::string ToneCodeToText(ToneCode code, bool bChinese, bool emptyChannel = false);

// The 261 texts of the tone drop-down, its first word in Chinese (bChinese)
// or English.
std::vector<std::string> ToneList(bool bChinese);
inline constexpr int kToneListSize = 261;

// Decodes one record (24 bytes at record) into its nine texts, the words
// (tones, power, width, scan, busy lock) in Chinese (bChinese) or English.
ChannelTexts DecodeRecord(const std::uint8_t* record, bool bChinese);
// Encodes nine texts into one record, keeping bytes 12, 14, 15 and bit 0 of byte 13.
void EncodeRecord(const ChannelTexts& texts, std::uint8_t* record);

// The image as opening it and saving it again without edits leaves it: the
// same decode and encode a document goes through, with a band plan of its
// own (the running program's plan is left alone). Every record is decoded
// and encoded again (an empty record's flags byte, for one, is rewritten) and
// the band code becomes the one every decode leaves; nothing else changes.
void RoundTripAsOpened(RadioImage& image);

// Image to texts for all 129 records (words as DecodeRecord), then the band
// refresh of the plan (see band.h).
void DecodeChannels(RadioImage& image, ChannelTable& table, BandPlan& bands, bool bChinese);
// The band write of the plan (see band.h), then texts to records for all 129 rows.
void EncodeChannels(const ChannelTable& table, RadioImage& image, const BandPlan& bands);
