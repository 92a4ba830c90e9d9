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

struct Words {
    const char* english;
    const char* chinese;
};

constexpr Words kStepWords[] = {{"5k", "5k"}, {"6.25k", "6.25k"}, {"10k", "10k"},
                                {"12.5k", "12.5k"}, {"25k", "25k"}};

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
        return std::string(on ? out.Tr("On", "开") : out.Tr("Off", "关"));
    };
    const auto bit = [&image](fields::BitField field) { return fields::ReadBits(image, field) != 0; };
    const auto row = [&out](int k, const char* english, const char* chinese, std::string value) {
        out.Line(9, k, out.Tr(english, chinese));
        out.Line(30, k, std::move(value));
    };

    out.Title("Optional", "可选功能");
    out.Line(6, 4, out.Tr("Function", "功能"));
    row(5, "Back Light:", "背光灯:", item("back_light"));
    row(6, "Back Light Color:", "背光灯颜色:", item("back_light_color"));
    row(7, "Display mode:", "显示模式:", item("display_mode"));
    row(8, "Key lock:", "键盘锁定:",
        index("key_lock") == 1 ? out.Tr("Manual", "手动") : out.Tr("Auto", "自动"));
    row(9, "Priority channel:", "优先信道:", std::to_string(index("priority_channel")));
    row(10, "Scan mode:", "扫描模式:", item("scan_mode"));
    row(11, "Squelch level:", "静噪电平:", std::to_string(index("squelch_level")));
    const int step = index("step");
    const Words& stepWord = kStepWords[step >= 0 && step < 5 ? step : 0];
    row(12, "Step:", "步进:", out.Tr(stepWord.english, stepWord.chinese));
    const int tot = index("tot");
    row(13, "Time-out Timer:", "超时定时器:",
        tot <= 0 ? out.Tr("Off", "无") : std::to_string(30 * tot));
    const int vox = index("vox_gain");
    row(14, "Vox Gain Level:", "声控增益电平:", vox <= 0 ? out.Tr("Off", "关") : std::to_string(vox));
    // The fourth combination (Chinese without annunciation) has no word of
    // its own: the language choice matters only when annunciation is on, so
    // it prints as off.
    const char* voice = !bit(kVoiceAnnunciation) ? out.Tr("Off", "无")
                        : bit(kVoiceChinese)     ? out.Tr("Chinese", "中文")
                                                 : out.Tr("English", "英文");
    row(15, "Voice annunciation:", "语音报号:", voice);
    row(16, "Frequency Mode:", "频率模式:", onOff(bit(kFrequencyMode)));
    row(17, "MSK Type:", "MSK 类型:", index("msk_type") == 0 ? "MSK-I" : "MSK-II");
    row(18, "Battery saver:", "电池省电:", onOff(index("battery_saver") == 0));
    row(19, "Beep tone:", "哔音:", onOff(index("beep") == 0));
    row(20, "Scrambler:", "扰频器:", onOff(bit(kScrambler)));
    row(21, "Keypad Lock:", "数字功能键锁定:", onOff(page.Field("keypad_lock").load(image).checked));

    out.Line(6, 23, "PTT ID");
    row(24, "Display PTT ID:", "显示 PTT ID:", onOff(bit(kDisplayPttId)));
    row(25, "PTT ID type:", "PTT ID 类型:", bit(kPttIdIsDtmf) ? "DTMF" : "MSK");
    row(26, "Beginning of Trasmit:", "发射开始:",
        GbkToUtf8(fields::ReadText(image, kBeginningOfTransmit)));
    row(27, "End of transmit:", "发射结束:", GbkToUtf8(fields::ReadText(image, kEndOfTransmit)));
}

} // namespace report
