#include "model/fields/two_tone_fields.h"

#include "model/fields/decimal_text.h"
#include "model/image_layout.h"

namespace two_tone {
namespace {

using fields::FieldKind;
using fields::FieldSpec;
using fields::FieldValue;

constexpr ValueRule kToneRule{288.5, 3106.0, 0.1, 1, 4};
constexpr ValueRule kDurationRule{0.5, 10.0, 0.1, 1, 2};
constexpr ValueRule kIntervalRule{0.0, 2.0, 0.1, 1, 2};
constexpr ValueRule kRiseDelayRule{0.10, 1.00, 0.05, 2, 3};

// What the edits take: digits and the keypad's decimal point.
constexpr const char* kNumberCharacters = "0123456789.";

// The labels of a decode set's edits, in the order of kDecodeFieldNames.
constexpr TextId kDecodeLabels[] = {
    TEXT_ID("TwoToneFields", "A Tone(HZ)"),
    TEXT_ID("TwoToneFields", "B Tone(HZ)"),
    TEXT_ID("TwoToneFields", "The first delay time(s)"),
    TEXT_ID("TwoToneFields", "The second delay time(s)"),
    TEXT_ID("TwoToneFields", "Interval time(s)"),
    TEXT_ID("TwoToneFields", "Long tone delay time(s)"),
};

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

std::uint16_t Divisor(double dividend, double frequency) {
    if (!(frequency > 0.0)) {
        return 0;
    }
    return static_cast<std::uint16_t>(CutToInteger(dividend / frequency + 0.5) & 0xFFFF);
}

double Number(const FieldValue& value) {
    return ParseLeadingNumber(value.text);
}
std::uint8_t ByteOf(double value) {
    return static_cast<std::uint8_t>(CutToInteger(value));
}
FieldValue TextValue(std::string text) {
    FieldValue value;
    value.text = std::move(text);
    return value;
}

FieldSpec NumberEdit(std::string name, TextId label, int limit, ValueKind kind) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::Edit;
    spec.edit.maxLength = limit;
    spec.edit.allowed = kNumberCharacters;
    spec.edit.normalise = [kind](std::string_view text) { return NormaliseText(kind, text); };
    spec.edit.spin = [kind](std::string_view text, int delta) {
        return SpinText(kind, text, delta);
    };
    return spec;
}

// A duration of the encode timing: shown byte x 10, radio byte x 20.
FieldSpec EncodeDuration(std::string name, TextId label, std::size_t at) {
    FieldSpec spec = NumberEdit(std::move(name), label, 4, ValueKind::Duration);
    spec.load = [at](const RadioImage& image) {
        return TextValue(
            FormatValue(ValueKind::Duration, image[layout::kTwoToneTimingShown + at] / 10.0));
    };
    spec.store = [at](const FieldValue& value, RadioImage& image) {
        image[layout::kTwoToneTimingShown + at] = ByteOf(Number(value) * 10.0);
        image[layout::kTwoToneTimingRadio + at] = ByteOf(Number(value) * 20.0);
    };
    return spec;
}

// Tone interval and rise delay: BE16 of value x 20 in both forms.
FieldSpec EncodeTwentieths(std::string name, TextId label, int limit, ValueKind kind,
                           std::size_t at) {
    FieldSpec spec = NumberEdit(std::move(name), label, limit, kind);
    spec.load = [kind, at](const RadioImage& image) {
        return TextValue(
            FormatValue(kind, fields::ReadBE16(image, layout::kTwoToneTimingShown + at) / 20.0));
    };
    spec.store = [at](const FieldValue& value, RadioImage& image) {
        const long n = CutToInteger(Number(value) * 20.0);
        fields::WriteBE16(image, layout::kTwoToneTimingShown + at, n);
        fields::WriteBE16(image, layout::kTwoToneTimingRadio + at, n);
    };
    return spec;
}

FieldSpec ShortBeep() {
    FieldSpec spec;
    spec.name = "short_beep";
    spec.label = TEXT_ID("TwoToneFields", "Short beep tone");
    spec.kind = FieldKind::Check;
    spec.load = [](const RadioImage& image) {
        FieldValue value;
        value.checked = image[layout::kTwoToneTimingShown + layout::kTimingShortBeep] != 0;
        return value;
    };
    spec.store = [](const FieldValue& value, RadioImage& image) {
        image[layout::kTwoToneTimingShown + layout::kTimingShortBeep] = value.checked ? 1 : 0;
    };
    return spec;
}

// One tone of the encode list: shown BE16 x 10 (0xFFFF empty), radio the
// rounded encode divisor (0x0000 empty).
FieldSpec EncodeTone(int entry, int tone) {
    const std::size_t at = layout::TwoToneEncodeEntry(entry) +
                           layout::kTwoToneToneSize * static_cast<std::size_t>(tone);
    FieldSpec spec;
    spec.name = EncodeCellName(entry + 1, tone + 1);
    spec.kind = FieldKind::Cell;
    spec.row = entry + 1;
    spec.column = tone + 1;
    spec.edit.maxLength = 6;
    spec.edit.allowed = kNumberCharacters;
    spec.edit.normalise = CommitToneCell;
    spec.load = [at](const RadioImage& image) {
        const bool empty = image[at] == fields::kUnset && image[at + 1] == fields::kUnset;
        return TextValue(empty ? std::string()
                               : FormatValue(ValueKind::Tone, fields::ReadBE16(image, at) / 10.0));
    };
    spec.store = [at](const FieldValue& value, RadioImage& image) {
        if (value.text.empty()) {
            fields::WriteBE16(image, at, 0xFFFF);
            fields::WriteBE16(image, at + layout::kTwoToneRadioDistance, 0);
            return;
        }
        fields::WriteBE16(image, at, CutToInteger(Number(value) * 10.0));
        fields::WriteBE16(image, at + layout::kTwoToneRadioDistance, EncodeDivisor(Number(value)));
    };
    return spec;
}

// A tone of a decode set: shown BE16 x 10, radio the rounded decode divisor.
FieldSpec DecodeTone(int set, int index) {
    const std::size_t at =
        layout::TwoToneDecodeSet(set) + layout::kTwoToneToneSize * static_cast<std::size_t>(index);
    FieldSpec spec = NumberEdit(DecodeFieldName(set, kDecodeFieldNames[index]),
                                kDecodeLabels[index], 6, ValueKind::Tone);
    spec.load = [at](const RadioImage& image) {
        return TextValue(FormatValue(ValueKind::Tone, fields::ReadBE16(image, at) / 10.0));
    };
    spec.store = [at](const FieldValue& value, RadioImage& image) {
        fields::WriteBE16(image, at, CutToInteger(Number(value) * 10.0));
        fields::WriteBE16(image, at + layout::kTwoToneRadioDistance, DecodeDivisor(Number(value)));
    };
    return spec;
}

// A time of a decode set (after the two tones): shown x 10, radio x 1000 / 50.
FieldSpec DecodeTime(int set, int index, int limit, ValueKind kind) {
    const std::size_t at = layout::TwoToneDecodeSet(set) + layout::kTwoToneDecodeTimes +
                           static_cast<std::size_t>(index);
    FieldSpec spec = NumberEdit(DecodeFieldName(set, kDecodeFieldNames[2 + index]),
                                kDecodeLabels[2 + index], limit, kind);
    spec.load = [kind, at](const RadioImage& image) {
        return TextValue(FormatValue(kind, image[at] / 10.0));
    };
    spec.store = [at](const FieldValue& value, RadioImage& image) {
        image[at] = ByteOf(Number(value) * 10.0);
        image[at + layout::kTwoToneRadioDistance] = ByteOf(Number(value) * 1000.0 / 50.0);
    };
    return spec;
}

fields::FieldPage BuildEncodePage() {
    fields::FieldPage page{"encode", {}};
    page.fields = {
        EncodeDuration("first_delay", TEXT_ID("TwoToneFields", "The first delay time(s)"),
                       layout::kTimingFirstDelay),
        EncodeDuration("second_delay", TEXT_ID("TwoToneFields", "The second delay time(s)"),
                       layout::kTimingSecondDelay),
        EncodeDuration("long_tone_delay", TEXT_ID("TwoToneFields", "Long tone delay time(s)"),
                       layout::kTimingLongToneDelay),
        EncodeTwentieths("tone_interval", TEXT_ID("TwoToneFields", "Tone interval time(ms)"), 3,
                         ValueKind::Interval, layout::kTimingToneInterval),
        EncodeTwentieths("tx_rise_delay", TEXT_ID("TwoToneFields", "Tx rise delay time(ms)"), 4,
                         ValueKind::RiseDelay, layout::kTimingRiseDelay),
        ShortBeep(),
    };
    for (int w = 0; w < layout::kTwoToneEncodeCount; ++w) {
        page.fields.push_back(EncodeTone(w, 0));
        page.fields.push_back(EncodeTone(w, 1));
    }
    return page;
}

fields::FieldPage BuildDecodePage(int set) {
    // A decode set also stores when the dialog ends with it loaded.
    fields::FieldPage page{"decode." + std::to_string(set), {}, true};
    page.fields = {
        DecodeTone(set, 0),
        DecodeTone(set, 1),
        DecodeTime(set, 0, 4, ValueKind::Duration),
        DecodeTime(set, 1, 4, ValueKind::Duration),
        DecodeTime(set, 2, 3, ValueKind::Interval),
        DecodeTime(set, 3, 4, ValueKind::Duration),
    };
    return page;
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

std::uint16_t EncodeDivisor(double frequency) {
    return Divisor(kEncodeDividend, frequency);
}

std::uint16_t DecodeDivisor(double frequency) {
    return Divisor(kDecodeDividend, frequency);
}

std::string EncodeCellName(int entry, int tone) {
    return "encode." + std::to_string(entry) + ".tone" + std::to_string(tone);
}

std::string DecodeFieldName(int set, std::string_view field) {
    return "decode." + std::to_string(set) + "." + std::string(field);
}

const std::vector<fields::FieldPage>& Pages() {
    static const std::vector<fields::FieldPage> pages = [] {
        std::vector<fields::FieldPage> all{BuildEncodePage()};
        for (int k = 1; k <= layout::kTwoToneDecodeCount; ++k) {
            all.push_back(BuildDecodePage(k));
        }
        return all;
    }();
    return pages;
}

const fields::FieldPage& EncodePage() {
    return Pages().front();
}

const fields::FieldPage& DecodePage(int set) {
    return Pages()[static_cast<std::size_t>(set)];
}

} // namespace two_tone
