#pragma once
// The two-tone sequential signalling settings as the 2-Tone pages show them:
// the encode page (timing, short beep and a list of 32 tone pairs) and eight
// decode sets. Every value is held twice in the image: as shown (tenths of a
// hertz, tenths of a second) and, layout::kTwoToneRadioDistance further on,
// in the form the radio uses (a timer divisor per tone, durations in 50 ms
// units). The pages read back only the shown form and write both. Numbers
// are 16-bit big-endian.
//
// Field names (the keys of "two_tone"): first_delay, second_delay,
// long_tone_delay, tone_interval, tx_rise_delay, short_beep,
// encode.N.tone1 / encode.N.tone2 (N = 1..32), and decode.K.a, decode.K.b,
// decode.K.first, decode.K.second, decode.K.interval, decode.K.long
// (K = 1..8).

#include "model/fields/field_table.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace two_tone {

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
// A spin button step of delta (+1 up, -1 down) applied to the edit's text,
// wrapping to the other end of the range.
std::string SpinText(ValueKind kind, std::string_view text, int delta);
// Leaving an in-place edit of the encode list: empty stays empty, a number
// is clamped to the tone range and reformatted.
std::string CommitToneCell(std::string_view text);

// Radio-form divisors; a frequency that is not positive gives 0.
std::uint16_t EncodeDivisor(double frequency);
std::uint16_t DecodeDivisor(double frequency);

// "encode.N.toneT" (N = 1..32, T = 1, 2) and "decode.K.<field>".
std::string EncodeCellName(int entry, int tone);
std::string DecodeFieldName(int set, std::string_view field);
// Field names of a decode set, in the order of its controls.
inline constexpr const char* kDecodeFieldNames[] = {"a",      "b",        "first",
                                                    "second", "interval", "long"};

// The pages: "encode" and then "decode.1" ... "decode.8". Each loads when it
// is shown and stores what its controls hold, without normalising, when it
// is hidden; a decode set also stores when the dialog ends with it loaded.
const std::vector<fields::FieldPage>& Pages();
const fields::FieldPage& EncodePage();
const fields::FieldPage& DecodePage(int set);

} // namespace two_tone
