// The Optional features page. A value the Optional Features dialog edits is
// read through that dialog's field, so that the page prints what the dialog
// shows for the same image: the lists on bits print the dialog's item; the
// lists on whole bytes print the page's own words for the item the dialog
// selects (a byte beyond the last item selects the first). The lines that
// read bytes no editor owns read them here.

#include "model/fields/optional_fields.h"
#include "model/fields/settings_groups.h"
#include "model/gbk.h"
#include "report/section_renderers.h"

#include <cstdint>

namespace report {
namespace {

// Bytes and bits only this page reads.
constexpr fields::BitField kVoiceAnnunciation = fields::Bit(layout::kTotPreAlert, 2);
constexpr fields::BitField kScrambler = fields::Bit(layout::kTotPreAlert, 4);
constexpr fields::BitField kDisplayPttId = fields::Bit(layout::kTotPreAlert, 7);
constexpr fields::BitField kVoiceChinese = fields::Bit(layout::kFlagByte, 1);
constexpr fields::BitField kPttIdIsDtmf = fields::Bit(layout::kFlagByte, 2);
constexpr fields::BitField kFrequencyMode = fields::Bit(layout::kFlagByte, 3);
constexpr fields::TextField kBeginningOfTransmit{0x1278, 16};
constexpr fields::TextField kEndOfTransmit{0x1290, 16};

// The same in both languages.
constexpr const char* kStepWords[] = {"5k", "6.25k", "10k", "12.5k", "25k"};

} // namespace

void DrawOptionalPage(const ReportInput& input, PageWriter& out) {
    const fields::FieldPage& page = fields::Group("optional").Page("optional");
    const RadioImage& image = input.image;
    const auto index = [&](const char* name) { return page.Field(name).load(image).index; };
    // The dialog's own item for the code it selects.
    const auto item = [&](const char* name) {
        const fields::FieldSpec& spec = page.Field(name);
        const int i = spec.load(image).index;
        if (i < 0 || i >= static_cast<int>(spec.items.size())) {
            return std::string();
        }
        const fields::ItemText& text = spec.items[static_cast<std::size_t>(i)];
        return out.Chinese() ? text.chinese : text.english;
    };
    const auto onOff = [&out](bool on) {
        return on ? out.Tr("ReportOptional", "On") : out.Tr("ReportOptional", "Off");
    };
    const auto bit = [&image](fields::BitField field) { return fields::ReadBits(image, field) != 0; };
    const auto row = [&out](int k, const std::string& label, std::string value) {
        out.Line(9, k, label);
        out.Line(30, k, std::move(value));
    };

    out.Title(out.Tr("ReportOptional", "Optional"));
    out.Line(6, 4, out.Tr("ReportOptional", "Function"));
    row(5, out.Tr("ReportOptional", "Back Light:"), item("back_light"));
    row(6, out.Tr("ReportOptional", "Back Light Color:"), item("back_light_color"));
    row(7, out.Tr("ReportOptional", "Display mode:"), item("display_mode"));
    row(8, out.Tr("ReportOptional", "Key lock:"),
        index("key_lock") == 1 ? out.Tr("ReportOptional", "Manual")
                               : out.Tr("ReportOptional", "Auto"));
    row(9, out.Tr("ReportOptional", "Priority channel:"),
        std::to_string(index("priority_channel")));
    row(10, out.Tr("ReportOptional", "Scan mode:"), item("scan_mode"));
    row(11, out.Tr("ReportOptional", "Squelch level:"), std::to_string(index("squelch_level")));
    const int step = index("step");
    const char* stepWord = kStepWords[step >= 0 && step < 5 ? step : 0];
    row(12, out.Tr("ReportOptional", "Step:"), stepWord);
    const int tot = index("tot");
    row(13, out.Tr("ReportOptional", "Time-out Timer:"),
        tot <= 0 ? out.Tr("ReportOptional", "Off", "none") : std::to_string(30 * tot));
    const int vox = index("vox_gain");
    row(14, out.Tr("ReportOptional", "Vox Gain Level:"),
        vox <= 0 ? out.Tr("ReportOptional", "Off") : std::to_string(vox));
    // The fourth combination (Chinese without annunciation) has no word of
    // its own: the language choice matters only when annunciation is on, so
    // it prints as off.
    const std::string voice = !bit(kVoiceAnnunciation) ? out.Tr("ReportOptional", "Off", "none")
                              : bit(kVoiceChinese)     ? out.Tr("ReportOptional", "Chinese")
                                                       : out.Tr("ReportOptional", "English");
    row(15, out.Tr("ReportOptional", "Voice annunciation:"), voice);
    row(16, out.Tr("ReportOptional", "Frequency Mode:"), onOff(bit(kFrequencyMode)));
    row(17, out.Tr("ReportOptional", "MSK Type:"), index("msk_type") == 0 ? "MSK-I" : "MSK-II");
    row(18, out.Tr("ReportOptional", "Battery saver:"), onOff(index("battery_saver") == 0));
    row(19, out.Tr("ReportOptional", "Beep tone:"), onOff(index("beep") == 0));
    row(20, out.Tr("ReportOptional", "Scrambler:"), onOff(bit(kScrambler)));
    row(21, out.Tr("ReportOptional", "Keypad Lock:"),
        onOff(page.Field("keypad_lock").load(image).checked));

    out.Line(6, 23, out.Tr("ReportOptional", "PTT ID"));
    row(24, out.Tr("ReportOptional", "Display PTT ID:"), onOff(bit(kDisplayPttId)));
    row(25, out.Tr("ReportOptional", "PTT ID type:"), bit(kPttIdIsDtmf) ? "DTMF" : "MSK");
    row(26, out.Tr("ReportOptional", "Beginning of Trasmit:"),
        GbkToUtf8(fields::ReadText(image, kBeginningOfTransmit)));
    row(27, out.Tr("ReportOptional", "End of transmit:"),
        GbkToUtf8(fields::ReadText(image, kEndOfTransmit)));
}

} // namespace report
