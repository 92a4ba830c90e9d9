#include "dialogs/field_control_ids.h"

#include "model/fields/two_tone_fields.h"
#include "model/image_layout.h"

#include <map>
#include <stdexcept>
#include <string>

namespace {

using binding::ControlIdTable;

ControlIdTable TwoToneIds() {
    ControlIdTable ids = {
        {"first_delay", 1250, 1055},     {"second_delay", 1251, 1056},
        {"long_tone_delay", 1252, 1057}, {"tone_interval", 1253, 1058},
        {"tx_rise_delay", 1054, 1059},   {"short_beep", 1061},
    };
    // The decode sets share one set of controls, one page of them per set:
    // edit and spin buttons of each field in the order of kDecodeFieldNames.
    constexpr int kDecodeEdits = 1037;
    constexpr int kDecodeSpins = 1068;
    for (int set = 1; set <= layout::kTwoToneDecodeCount; ++set) {
        int i = 0;
        for (const char* name : two_tone::kDecodeFieldNames) {
            ids.push_back(
                {two_tone::DecodeFieldName(set, name), kDecodeEdits + i, kDecodeSpins + i});
            ++i;
        }
    }
    return ids;
}

const std::map<std::string, ControlIdTable, std::less<>>& Tables() {
    static const std::map<std::string, ControlIdTable, std::less<>> tables = {
        {"optional",
         {{"back_light", 1115},
          {"back_light_color", 1116},
          {"power_on_style", 1121},
          {"key_lock", 1118},
          {"priority_channel", 1119},
          {"vox_gain", 1120},
          {"display_mode", 1117},
          {"battery_saver", 1128},
          {"beep", 1127},
          {"tail", 1130},
          {"scan_mode", 1122},
          {"squelch_level", 1123},
          {"step", 1124},
          {"tot", 1125},
          {"tot_pre_alert", 1126},
          {"password", 1133},
          {"stopwatch", 1129},
          {"short_press_orange_key", 1131},
          {"str_set", 1136},
          {"allow_reset", 1137},
          {"msk_type", 1132},
          {"keypad_lock", 1134},
          {"repeater_msk_invert", 1135}}},
        // The edits of the encode page with their spin buttons; the edits of
        // the group code and stun type with their drop-down lists.
        {"dtmf",
         {{"speed", 1084, 1241},
          {"first_digit_delay", 1085, 1242},
          {"first_digit_time", 1086, 1243},
          {"star_hash_time", 1087, 1044},
          {"side_tone", 1088},
          {"id_code", 1080},
          {"group_code", 1081, 1124},
          {"stun_activation", 1103},
          {"stun_code", 1082},
          {"stun_type", 1083, 1136}}},
        // The group box has no id of its own: F1 on a button asks for the
        // button's.
        {"side_key", {{"side_key", 0, 0, {1076, 1077, 1078, 1079}}}},
        {"two_tone", TwoToneIds()},
        {"msk", {{"id_code", 1048}}},
        {"squelch", {{"v_wide", 1136}, {"v_narrow", 1137}, {"u_wide", 1138}, {"u_narrow", 1139}}},
        {"product",
         {{"model", 1013},
          {"band1_low", 1113},
          {"band1_high", 1114},
          {"band2_low", 1115},
          {"band2_high", 1116}}},
    };
    return tables;
}

} // namespace

const ControlIdTable& GroupControlIds(std::string_view group) {
    const auto& tables = Tables();
    if (const auto it = tables.find(group); it != tables.end()) {
        return it->second;
    }
    throw std::out_of_range("no dialog edits the group \"" + std::string(group) + "\"");
}
