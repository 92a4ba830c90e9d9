// The two 2-Tone pages: the eight decode sets, and the encode timing with the
// list of 32 tone pairs, as the 2-Tone dialog's controls show them.

#include "model/fields/settings_groups.h"
#include "model/fields/two_tone_fields.h"
#include "report/section_renderers.h"

namespace report {

void DrawTwoToneDecodePage(const ReportInput& input, PageWriter& out) {
    struct Line {
        int k;
        const char* field;
        TextId label;
    };
    static const Line kLines[] = {
        {5, "a", TEXT_ID("ReportTwoTone", "A Tone (Hz):")},
        {6, "b", TEXT_ID("ReportTwoTone", "B Tone (Hz):")},
        {7, "first", TEXT_ID("ReportTwoTone", "The first delay time (s):")},
        {8, "second", TEXT_ID("ReportTwoTone", "The second delay time (s):")},
        {9, "long", TEXT_ID("ReportTwoTone", "Long tone delay time (s):")},
        {10, "interval", TEXT_ID("ReportTwoTone", "Interval time (s):")},
    };
    out.Title(out.Tr("ReportTwoTone", "2-Tone Decode"));
    for (int g = 0; g < layout::kTwoToneDecodeCount; ++g) {
        const fields::FieldPage& set = two_tone::DecodePage(g + 1);
        const int labelColumn = 3 + 32 * (g % 2);
        const int valueColumn = 26 + 32 * (g % 2);
        const int down = 9 * (g / 2);
        out.Line(labelColumn, 4 + down,
                 FormatText(out.Tr("ReportTwoTone", "2-Tone %1:"), {std::to_string(g + 1)}));
        for (const Line& line : kLines) {
            out.Line(labelColumn, line.k + down, out.Tr(line.label));
            out.Line(valueColumn, line.k + down,
                     set.Field(two_tone::DecodeFieldName(g + 1, line.field)).load(input.image).text);
        }
    }
}

void DrawTwoToneEncodePage(const ReportInput& input, PageWriter& out) {
    const fields::FieldPage& encode = two_tone::EncodePage();
    const RadioImage& image = input.image;
    const int W = out.Scale().W;
    const int Lb = out.Scale().Lbody;
    const auto loaded = [&](const std::string& name) { return encode.Field(name).load(image); };
    const auto row = [&](int k, const std::string& label, std::string value) {
        out.Line(6, k, label);
        out.Line(30, k, std::move(value));
    };

    out.Title(out.Tr("ReportTwoTone", "2-Tone Encode"));
    row(4, out.Tr("ReportTwoTone", "The first delay time(s):"), loaded("first_delay").text);
    row(5, out.Tr("ReportTwoTone", "The second delay time(s):"), loaded("second_delay").text);
    row(6, out.Tr("ReportTwoTone", "Long tone delay time(s):"), loaded("long_tone_delay").text);
    row(7, out.Tr("ReportTwoTone", "Tone interval time(s):"), loaded("tone_interval").text);
    row(8, out.Tr("ReportTwoTone", "Txrise delay time(s):"), loaded("tx_rise_delay").text);
    row(9, out.Tr("ReportTwoTone", "Short beep tone:"),
        loaded("short_beep").checked ? out.Tr("ReportTwoTone", "ON")
                                     : out.Tr("ReportTwoTone", "Off"));

    for (int half = 0; half < 2; ++half) {
        const int left = 6 + 28 * half;
        out.Line(left, 12, out.Tr("ReportTwoTone", "Num"));
        out.Line(left + 6, 12, out.Tr("ReportTwoTone", "Tone Fre1"));
        out.Line(left + 16, 12, out.Tr("ReportTwoTone", "Tone Fre2"));
        out.Rule(left * W - 25, 15 - 13 * Lb, (left + 24) * W, 15 - 13 * Lb);
        out.Rule((left + 5) * W, 25 - 12 * Lb, (left + 5) * W, -29 * Lb - 25);
    }
    for (int i = 0; i < 16; ++i) {
        const int y = -(i + 13) * Lb - 25;
        for (int half = 0; half < 2; ++half) {
            const int entry = i + 16 * half; // 0..31
            const int left = 7 + 28 * half;
            out.At(left, y, std::to_string(entry + 1));
            for (int tone = 1; tone <= 2; ++tone) {
                // A tone whose high byte is unset prints nothing.
                const std::size_t at = layout::TwoToneEncodeEntry(entry) +
                                       layout::kTwoToneToneSize * static_cast<std::size_t>(tone - 1);
                if (image[at] == fields::kUnset) {
                    continue;
                }
                out.At(left + 6 + 10 * (tone - 1), y,
                       loaded(two_tone::EncodeCellName(entry + 1, tone)).text);
            }
        }
    }
}

} // namespace report
