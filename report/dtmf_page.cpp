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

    out.Title(out.Tr("ReportDtmf", "DTMF"));
    const auto row = [&out](int k, const std::string& label, std::string value) {
        out.Line(9, k, label);
        out.Line(40, k, std::move(value));
    };
    out.Line(6, 4, out.Tr("ReportDtmf", "Encode"));
    row(5, out.Tr("ReportDtmf", "DTMF Speed:"), Loaded(encode, "speed", image));
    row(6, out.Tr("ReportDtmf", "First Digit Delay Time(ms):"),
        Loaded(encode, "first_digit_delay", image));
    row(7, out.Tr("ReportDtmf", "First Digit Time(ms):"),
        Loaded(encode, "first_digit_time", image));
    row(8, out.Tr("ReportDtmf", "* and # Digit Time(ms):"),
        Loaded(encode, "star_hash_time", image));
    row(9, out.Tr("ReportDtmf", "Side Tone:"), Checked(encode, "side_tone", image) ? "√" : "×");

    out.Line(6, 11, out.Tr("ReportDtmf", "Decode"));
    row(12, out.Tr("ReportDtmf", "ID Code:"), Loaded(decode, "id_code", image));
    // "Off" in both languages; another byte is the character the dialog shows.
    row(13, out.Tr("ReportDtmf", "Group Code:"),
        image[layout::kDtmfGroupCode] == fields::kUnset ? "Off"
                                                        : Loaded(decode, "group_code", image));
    row(14, out.Tr("ReportDtmf", "Stun Activation:"),
        Checked(decode, "stun_activation", image) ? out.Tr("ReportDtmf", "On")
                                                  : out.Tr("ReportDtmf", "Off"));
    row(15, out.Tr("ReportDtmf", "Stun Code:"), Loaded(decode, "stun_code", image));
    const bool transmitInhibit =
        fields::ItemIndex(dtmf::StunTypeItems(), Loaded(decode, "stun_type", image)) == 0;
    row(16, out.Tr("ReportDtmf", "Stun Code Response:"),
        transmitInhibit ? out.Tr("ReportDtmf", "Tx inbibit")
                        : out.Tr("ReportDtmf", "Transceiver inhibit"));

    out.Line(6, 18, out.Tr("ReportDtmf", "CallList"));
    out.Line(9, 19, out.Tr("ReportDtmf", "Num"));
    out.Line(21, 19, out.Tr("ReportDtmf", "FastCallList"));
    out.Rule(8 * W, 25 - 20 * Lb, 40 * W, 25 - 20 * Lb);
    out.Rule(15 * W, 50 - 19 * Lb, 15 * W, -29 * Lb);
    for (int i = 0; i < layout::kDtmfCallListCount; ++i) {
        const int y = -(i + 20) * Lb - 50;
        out.At(10, y, std::to_string(i + 1));
        out.At(18, y, Loaded(callList, "call_list." + std::to_string(i + 1), image));
    }
}

} // namespace report
