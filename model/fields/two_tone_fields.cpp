#include "model/fields/two_tone_fields.h"

#include "model/fields/decimal_text.h"

namespace two_tone {
namespace {

constexpr ValueRule kToneRule{288.5, 3106.0, 0.1, 1, 4};
constexpr ValueRule kDurationRule{0.5, 10.0, 0.1, 1, 2};
constexpr ValueRule kIntervalRule{0.0, 2.0, 0.1, 1, 2};
constexpr ValueRule kRiseDelayRule{0.10, 1.00, 0.05, 2, 3};

constexpr int kDurationCount = 3;
constexpr std::size_t kToneIntervalAt = 3;
constexpr std::size_t kRiseDelayAt = 5;
constexpr std::size_t kShortBeepAt = 7;
constexpr std::uint8_t kEmptyShown = 0xFF;

// Range tests allow for the last bit of binary arithmetic, so that a step
// landing on a range end stays in the range.
bool Below(const ValueRule& rule, double value) {
    return value < rule.low - rule.step / 1000.0;
}
bool Above(const ValueRule& rule, double value) {
    return value > rule.high + rule.step / 1000.0;
}

// A transmit rise delay is on the 0.05 grid when its hundredths are a
// multiple of five.
bool OffRiseDelayGrid(double value) {
    return CutToInteger(value * 100.0) % 5 != 0;
}
double RiseDelayGridSteps(double value) {
    return static_cast<double>(CutToInteger(value / kRiseDelayRule.step));
}

unsigned ReadBE16(const RadioImage& image, std::size_t offset) {
    return static_cast<unsigned>(image[offset]) * 256u + image[offset + 1];
}
void WriteBE16(RadioImage& image, std::size_t offset, long value) {
    image[offset] = static_cast<std::uint8_t>(value / 256);
    image[offset + 1] = static_cast<std::uint8_t>(value % 256);
}

std::uint16_t Divisor(double dividend, double frequency) {
    if (!(frequency > 0.0)) {
        return 0;
    }
    return static_cast<std::uint16_t>(CutToInteger(dividend / frequency + 0.5) & 0xFFFF);
}

// Stored x 10 in the shown form and x 20 (as value x 1000 / 50 on the decode
// side) in the radio form.
long Tenths(std::string_view text) {
    return CutToInteger(ParseLeadingNumber(text) * 10.0);
}
std::string FromTenths(ValueKind kind, unsigned tenths) {
    return FormatValue(kind, tenths / 10.0);
}

} // namespace

const ValueRule& RuleOf(ValueKind kind) {
    switch (kind) {
    case ValueKind::Tone:
        return kToneRule;
    case ValueKind::Duration:
        return kDurationRule;
    case ValueKind::Interval:
        return kIntervalRule;
    case ValueKind::RiseDelay:
        break;
    }
    return kRiseDelayRule;
}

std::string FormatValue(ValueKind kind, double value) {
    const ValueRule& rule = RuleOf(kind);
    return FormatFixed(value, rule.decimals, rule.width);
}

std::string NormaliseText(ValueKind kind, std::string_view text) {
    const ValueRule& rule = RuleOf(kind);
    double value = ParseLeadingNumber(text);
    if (kind == ValueKind::RiseDelay && OffRiseDelayGrid(value)) {
        value = RiseDelayGridSteps(value) * rule.step;
    }
    if (Below(rule, value)) {
        return FormatValue(kind, rule.low);
    }
    if (Above(rule, value)) {
        return FormatValue(kind, rule.high);
    }
    return FormatValue(kind, value);
}

std::string SpinText(ValueKind kind, std::string_view text, int delta) {
    const ValueRule& rule = RuleOf(kind);
    const double value = ParseLeadingNumber(text);
    double next = value + delta * rule.step;
    if (kind == ValueKind::RiseDelay && OffRiseDelayGrid(value)) {
        next = (RiseDelayGridSteps(value) + (delta == 1 ? 1 : 0)) * rule.step;
    }
    if (Below(rule, next)) {
        return FormatValue(kind, rule.high);
    }
    if (Above(rule, next)) {
        return FormatValue(kind, rule.low);
    }
    return FormatValue(kind, next);
}

std::string CommitToneCell(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const double value = ParseLeadingNumber(text);
    if (value < kToneRule.low) {
        return FormatValue(ValueKind::Tone, kToneRule.low);
    }
    if (value > kToneRule.high) {
        return FormatValue(ValueKind::Tone, kToneRule.high);
    }
    return FormatValue(ValueKind::Tone, value);
}

std::size_t EncodeEntryOffset(int entry) {
    const auto w = static_cast<std::size_t>(entry);
    return kEncodeListShown + (w / 4) * kRowSize + (w % 4) * 4;
}

std::size_t DecodeSetOffset(int set) {
    const auto k = static_cast<std::size_t>(set - 1);
    return kDecodeSetsShown + (k / 2) * kRowSize + (k % 2) * 8;
}

std::uint16_t EncodeDivisor(double frequency) {
    return Divisor(kEncodeDividend, frequency);
}

std::uint16_t DecodeDivisor(double frequency) {
    return Divisor(kDecodeDividend, frequency);
}

EncodePage LoadEncode(const RadioImage& image) {
    EncodePage page;
    std::string* durations[kDurationCount] = {&page.firstDelay, &page.secondDelay,
                                              &page.longToneDelay};
    for (int i = 0; i < kDurationCount; ++i) {
        *durations[i] = FromTenths(ValueKind::Duration, image[kTimingShown + i]);
    }
    page.toneInterval =
        FormatValue(ValueKind::Interval, ReadBE16(image, kTimingShown + kToneIntervalAt) / 20.0);
    page.riseDelay =
        FormatValue(ValueKind::RiseDelay, ReadBE16(image, kTimingShown + kRiseDelayAt) / 20.0);
    page.shortBeep = image[kTimingShown + kShortBeepAt] != 0;
    for (int w = 0; w < kEncodeEntries; ++w) {
        for (std::size_t t = 0; t < 2; ++t) {
            const std::size_t at = EncodeEntryOffset(w) + 2 * t;
            const bool empty = image[at] == kEmptyShown && image[at + 1] == kEmptyShown;
            page.tones[w][t] =
                empty ? std::string() : FromTenths(ValueKind::Tone, ReadBE16(image, at));
        }
    }
    return page;
}

void StoreEncode(const EncodePage& page, RadioImage& image) {
    const std::string* durations[kDurationCount] = {&page.firstDelay, &page.secondDelay,
                                                    &page.longToneDelay};
    for (int i = 0; i < kDurationCount; ++i) {
        const double value = ParseLeadingNumber(*durations[i]);
        image[kTimingShown + i] = static_cast<std::uint8_t>(CutToInteger(value * 10.0));
        image[kTimingRadio + i] = static_cast<std::uint8_t>(CutToInteger(value * 20.0));
    }
    const long interval = CutToInteger(ParseLeadingNumber(page.toneInterval) * 20.0);
    WriteBE16(image, kTimingShown + kToneIntervalAt, interval);
    WriteBE16(image, kTimingRadio + kToneIntervalAt, interval);
    const long riseDelay = CutToInteger(ParseLeadingNumber(page.riseDelay) * 20.0);
    WriteBE16(image, kTimingShown + kRiseDelayAt, riseDelay);
    WriteBE16(image, kTimingRadio + kRiseDelayAt, riseDelay);
    image[kTimingShown + kShortBeepAt] = page.shortBeep ? 1 : 0;
    for (int w = 0; w < kEncodeEntries; ++w) {
        for (std::size_t t = 0; t < 2; ++t) {
            const std::size_t at = EncodeEntryOffset(w) + 2 * t;
            const std::string& text = page.tones[w][t];
            if (text.empty()) {
                WriteBE16(image, at, 0xFFFF);
                WriteBE16(image, at + kRadioFormDistance, 0);
                continue;
            }
            WriteBE16(image, at, Tenths(text));
            WriteBE16(image, at + kRadioFormDistance, EncodeDivisor(ParseLeadingNumber(text)));
        }
    }
}

DecodeSet LoadDecode(const RadioImage& image, int set) {
    const std::size_t at = DecodeSetOffset(set);
    DecodeSet values;
    values.a = FromTenths(ValueKind::Tone, ReadBE16(image, at));
    values.b = FromTenths(ValueKind::Tone, ReadBE16(image, at + 2));
    values.first = FromTenths(ValueKind::Duration, image[at + 4]);
    values.second = FromTenths(ValueKind::Duration, image[at + 5]);
    values.interval = FromTenths(ValueKind::Interval, image[at + 6]);
    values.longTone = FromTenths(ValueKind::Duration, image[at + 7]);
    return values;
}

void StoreDecode(const DecodeSet& values, int set, RadioImage& image) {
    const std::size_t at = DecodeSetOffset(set);
    const std::size_t radio = at + kRadioFormDistance;
    const std::string* tones[2] = {&values.a, &values.b};
    for (std::size_t t = 0; t < 2; ++t) {
        WriteBE16(image, at + 2 * t, Tenths(*tones[t]));
        WriteBE16(image, radio + 2 * t, DecodeDivisor(ParseLeadingNumber(*tones[t])));
    }
    const std::string* times[4] = {&values.first, &values.second, &values.interval,
                                   &values.longTone};
    for (std::size_t i = 0; i < 4; ++i) {
        const double value = ParseLeadingNumber(*times[i]);
        image[at + 4 + i] = static_cast<std::uint8_t>(Tenths(*times[i]));
        image[radio + 4 + i] = static_cast<std::uint8_t>(CutToInteger(value * 1000.0 / 50.0));
    }
}

} // namespace two_tone
