#pragma once
// The two-tone sequential signalling settings: the values the 2-Tone pages
// show, loaded from and stored into the image. Every value is held twice in
// the image: as shown (tenths of a hertz, tenths of a second) and in the form
// the radio uses (a timer divisor per tone, durations in 50 ms units). The
// pages read back only the shown form and write both.

#include "model/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace two_tone {

inline constexpr int kEncodeEntries = 32;
inline constexpr int kDecodeSets = 8;

// Shown forms; the radio forms lie 0x180 bytes further on.
inline constexpr std::size_t kEncodeListShown = 0x1500;
inline constexpr std::size_t kDecodeSetsShown = 0x15C0;
inline constexpr std::size_t kTimingShown = 0x1620;
inline constexpr std::size_t kTimingRadio = 0x17A0;
inline constexpr std::size_t kRadioFormDistance = 0x180;

// Tone divisors of the radio form: divisor = dividend / frequency, rounded.
inline constexpr double kEncodeDividend = 111957.0;
inline constexpr double kDecodeDividend = 895658.0;

enum class ValueKind { Tone, Duration, Interval, RiseDelay };

// Range, spin step and text form of one kind of value.
struct ValueRule {
    double low;
    double high;
    double step;
    int decimals;
    int width;
};
const ValueRule& RuleOf(ValueKind kind);

// The text of a value as the pages write it.
std::string FormatValue(ValueKind kind, double value);
// Leaving an edit: out-of-range values become the range end, others are
// reformatted; a transmit rise delay off the 0.05 grid is cut down onto it.
std::string NormaliseText(ValueKind kind, std::string_view text);
// A spin button step of delta (+1 up, -1 down, more when held) applied to the
// edit's text, wrapping to the other end of the range.
std::string SpinText(ValueKind kind, std::string_view text, int delta);
// Leaving an in-place edit of the encode list: empty stays empty, a number
// is clamped to the tone range and reformatted.
std::string CommitToneCell(std::string_view text);

// Offset of encode entry w (0..31), shown form; tone t adds 2*t.
std::size_t EncodeEntryOffset(int entry);
// Offset of decode set k (1..8), shown form.
std::size_t DecodeSetOffset(int set);
// Radio-form divisors; a frequency that is not positive gives 0.
std::uint16_t EncodeDivisor(double frequency);
std::uint16_t DecodeDivisor(double frequency);

struct EncodePage {
    std::string firstDelay;
    std::string secondDelay;
    std::string longToneDelay;
    std::string toneInterval;
    std::string riseDelay;
    bool shortBeep = false;
    // tones[w][t]: first (t = 0) and second (t = 1) tone of entry w; empty
    // text is an empty tone.
    std::array<std::array<std::string, 2>, kEncodeEntries> tones;

    bool operator==(const EncodePage&) const = default;
};

struct DecodeSet {
    std::string a;
    std::string b;
    std::string first;
    std::string second;
    std::string interval;
    std::string longTone;

    bool operator==(const DecodeSet&) const = default;
};

// One text field of a page: its name, the control ids of its edit and spin,
// the text limit and the kind of value it holds.
template <typename Page> struct TextField {
    const char* key;
    int editId;
    int spinId;
    int limit;
    ValueKind kind;
    std::string Page::*value;
};

inline constexpr TextField<EncodePage> kEncodeFields[] = {
    {"first_delay", 1250, 1055, 4, ValueKind::Duration, &EncodePage::firstDelay},
    {"second_delay", 1251, 1056, 4, ValueKind::Duration, &EncodePage::secondDelay},
    {"long_tone_delay", 1252, 1057, 4, ValueKind::Duration, &EncodePage::longToneDelay},
    {"tone_interval", 1253, 1058, 3, ValueKind::Interval, &EncodePage::toneInterval},
    {"tx_rise_delay", 1054, 1059, 4, ValueKind::RiseDelay, &EncodePage::riseDelay},
};

inline constexpr TextField<DecodeSet> kDecodeFields[] = {
    {"a", 1037, 1068, 6, ValueKind::Tone, &DecodeSet::a},
    {"b", 1038, 1069, 6, ValueKind::Tone, &DecodeSet::b},
    {"first", 1039, 1070, 4, ValueKind::Duration, &DecodeSet::first},
    {"second", 1040, 1071, 4, ValueKind::Duration, &DecodeSet::second},
    {"interval", 1041, 1072, 3, ValueKind::Interval, &DecodeSet::interval},
    {"long", 1042, 1073, 4, ValueKind::Duration, &DecodeSet::longTone},
};

EncodePage LoadEncode(const RadioImage& image);
// Writes what the page holds, without normalising, in both forms.
void StoreEncode(const EncodePage& page, RadioImage& image);
DecodeSet LoadDecode(const RadioImage& image, int set);
void StoreDecode(const DecodeSet& values, int set, RadioImage& image);

} // namespace two_tone
