// The DTMF page: encode timing, decode and stun codes and the fast call
// list, each value as the DTMF dialog's control shows it (the speed from its
// two bits, the times through their mask, the codes at most ten characters).

#include "model/fields/dtmf_fields.h"
#include "model/fields/settings_groups.h"
#include "report/section_renderers.h"

namespace report {
namespace {

std::string Loaded(const fields::FieldPage& page, std::string_view name, const RadioImage& image) {
    return page.Field(name).load(image).text;
}
bool Checked(const fields::FieldPage& page, std::string_view name, const RadioImage& image) {
    return page.Field(name).load(image).checked;
}

} // namespace

void DrawDtmfPage(const ReportInput& input, PageWriter& out) {
    const fields::SettingsGroup& dtmfGroup = fields::Group("dtmf");
    const fields::FieldPage& encode = dtmfGroup.Page("encode");
    const fields::FieldPage& decode = dtmfGroup.Page("decode");
    const fields::FieldPage& callList = dtmfGroup.Page("call_list");
    const RadioImage& image = input.image;
    const int W = out.Scale().W;
    const int Lb = out.Scale().Lbody;

    out.Title("DTMF", "DTMF");
    const auto row = [&out](int k, const char* english, const char* chinese, std::string value) {
        out.Line(9, k, out.Tr(english, chinese));
        out.Line(40, k, std::move(value));
    };
    out.Line(6, 4, out.Tr("Encode", "编码"));
    row(5, "DTMF Speed:", "DTMF 速率:", Loaded(encode, "speed", image));
    row(6, "First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):",
        Loaded(encode, "first_digit_delay", image));
    row(7, "First Digit Time(ms):", "首位数码时间 (毫秒):", Loaded(encode, "first_digit_time", image));
    row(8, "* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):",
        Loaded(encode, "star_hash_time", image));
    row(9, "Side Tone:", "侧音:", Checked(encode, "side_tone", image) ? "√" : "×");

    out.Line(6, 11, out.Tr("Decode", "解码"));
    row(12, "ID Code:", "身份码:", Loaded(decode, "id_code", image));
    // "Off" in both languages; another byte is the character the dialog shows.
    row(13, "Group Code:", "组呼码:",
        image[layout::kDtmfGroupCode] == fields::kUnset ? "Off"
                                                        : Loaded(decode, "group_code", image));
    row(14, "Stun Activation:", "遥毙激活:",
        Checked(decode, "stun_activation", image) ? out.Tr("On", "开") : out.Tr("Off", "关"));
    row(15, "Stun Code:", "遥毙码:", Loaded(decode, "stun_code", image));
    const bool transmitInhibit =
        fields::ItemIndex(dtmf::StunTypeItems(), Loaded(decode, "stun_type", image)) == 0;
    row(16, "Stun Code Response:", "遥毙码回应:",
        transmitInhibit ? out.Tr("Tx inbibit", "禁止发射")
                        : out.Tr("Transceiver inhibit", "禁止收发"));

    out.Line(6, 18, out.Tr("CallList", "呼叫列表"));
    out.Line(9, 19, out.Tr("Num", "编号"));
    out.Line(21, 19, out.Tr("FastCallList", "快速呼叫列表"));
    out.Rule(8 * W, 25 - 20 * Lb, 40 * W, 25 - 20 * Lb);
    out.Rule(15 * W, 50 - 19 * Lb, 15 * W, -29 * Lb);
    for (int i = 0; i < layout::kDtmfCallListCount; ++i) {
        const int y = -(i + 20) * Lb - 50;
        out.At(10, y, std::to_string(i + 1));
        out.At(18, y, Loaded(callList, "call_list." + std::to_string(i + 1), image));
    }
}

} // namespace report
