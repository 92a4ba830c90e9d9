#include "model/fields/optional_fields.h"

#include "model/gbk.h"
#include "model/image_layout.h"

namespace optional_features {
namespace {

using fields::BitField;
using fields::FieldSpec;
using fields::FieldTable;
using fields::FieldValue;
using fields::ItemText;

const std::vector<ItemText> kOnOff = {{"On", "开"}, {"Off", "关"}};
const std::vector<ItemText> kOffOn = {{"Off", "关"}, {"On", "开"}};
const std::vector<ItemText> kAutoManual = {{"Auto", "自动"}, {"Manual", "手动"}};
// One-bit lists: the first item stored as 1 (or as 0). Codes and shown
// items are the same table, since code c shows the item that stores c.
const std::vector<int> kFirstIsSet = {1, 0};
const std::vector<int> kSecondIsSet = {0, 1};

FieldSpec PasswordField() {
    FieldSpec spec;
    spec.name = "password";
    spec.label = TEXT_ID("OptionalFields", "Password");
    spec.kind = fields::FieldKind::Edit;
    spec.load = [](const RadioImage& image) {
        FieldValue value;
        value.text = LoadPassword(image);
        return value;
    };
    // The edit shows only the leading digits of the stored password; left
    // untouched, it keeps the stored bytes, so that opening and OK do not
    // cut a password with other characters (the radio compares all six).
    // What the user typed is stored, even when it is what was shown.
    spec.store = [](const FieldValue& value, RadioImage& image) {
        if (value.edited || value.text != LoadPassword(image)) {
            StorePassword(value.text, image);
        }
    };
    return spec;
}

fields::FieldPage MakePage() {
    using fields::Bit;
    using fields::CheckOnBit;
    using fields::ListOnBits;
    using fields::ListOnByte;
    using fields::NumberedItems;
    FieldTable table;
    table.push_back(ListOnBits("back_light", TEXT_ID("OptionalFields", "Back Light"),
                               {{"Off", "关闭"}, {"Auto", "自动"}, {"On", "打开"}},
                               BitField{layout::kDisplayFlags, 4, 2}, {0, 1, 2}, {0, 1, 2, 0}));
    table.push_back(ListOnBits("back_light_color", TEXT_ID("OptionalFields", "Back Light Color"),
                               {{"Light 1", "颜色1"}, {"Light 2", "颜色2"}, {"Light 3", "颜色3"}},
                               BitField{layout::kDisplayFlags, 6, 2}, {0, 1, 2}, {0, 1, 2, 0}));
    table.push_back(ListOnBits("power_on_style", TEXT_ID("OptionalFields", "Power-on Style"),
                               {{"Off", "关闭"}, {"Voltage", "电压值"}, {"Message", "欢迎信息"}},
                               BitField{layout::kDisplayFlags, 2, 2}, {0, 1, 2}, {0, 1, 2, 0}));
    table.push_back(ListOnBits("key_lock", TEXT_ID("OptionalFields", "Key Lock"), kAutoManual,
                               Bit(layout::kKeyFlags, 2), kSecondIsSet, kSecondIsSet));
    table.push_back(ListOnByte("priority_channel", TEXT_ID("OptionalFields", "Priority Channel"),
                               NumberedItems({"None", "无"}, 1, 128), layout::kPriorityChannel));
    table.push_back(ListOnByte("vox_gain", TEXT_ID("OptionalFields", "Vox Gain Level"),
                               NumberedItems({"Off", "关"}, 1, 9), layout::kVoxGain));
    table.push_back(ListOnBits(
        "display_mode", TEXT_ID("OptionalFields", "Display Mode"),
        {{"CHANNEL", "纯信道"}, {"NAME", "信道名称"}, {"FREQ.CH", "频率信道"}, {"FREQ", "频率"}},
        BitField{layout::kDisplayMode, 0, 2}, {0, 1, 2, 3}, {0, 1, 2, 3}));
    table.push_back(ListOnBits("battery_saver", TEXT_ID("OptionalFields", "Battery Saver"), kOnOff,
                               Bit(layout::kFlagByte, 0), kFirstIsSet, kFirstIsSet));
    table.push_back(ListOnBits("beep", TEXT_ID("OptionalFields", "Beep"), kOnOff,
                               Bit(layout::kKeyFlags, 3), kFirstIsSet, kFirstIsSet));
    table.push_back(ListOnBits("tail", TEXT_ID("OptionalFields", "Tail"), kOffOn,
                               Bit(layout::kKeyFlags, 7), kSecondIsSet, kSecondIsSet));
    table.push_back(ListOnBits("scan_mode", TEXT_ID("OptionalFields", "Scan Mode"),
                               {{"TO", "时间"}, {"CO", "载波"}, {"SE", "搜索"}},
                               BitField{layout::kKeyFlags, 5, 2}, {0, 1, 2}, {0, 1, 2, 0}));
    table.push_back(ListOnByte("squelch_level", TEXT_ID("OptionalFields", "Squelch Level"),
                               NumberedItems({}, 0, 10), layout::kSquelchLevel));
    table.push_back(
        ListOnByte("step", TEXT_ID("OptionalFields", "Step (k)"),
                   {{"5", "5"}, {"6.25", "6.25"}, {"10", "10"}, {"12.5", "12.5"}, {"25", "25"}},
                   layout::kStep));
    table.push_back(ListOnByte("tot", TEXT_ID("OptionalFields", "TOT (s)"),
                               NumberedItems({"Off", "关闭"}, 30, 9, 30), layout::kTot));
    table.push_back(ListOnByte("tot_pre_alert", TEXT_ID("OptionalFields", "TOT Pre-Alert (s)"),
                               NumberedItems({"Off", "关闭"}, 1, 9), layout::kTotPreAlert));
    table.push_back(PasswordField());
    table.push_back(ListOnBits("stopwatch", TEXT_ID("OptionalFields", "Stopwatch"), kOnOff,
                               Bit(layout::kKeyFlags, 4), kFirstIsSet, kFirstIsSet));
    table.push_back(ListOnBits(
        "short_press_orange_key", TEXT_ID("OptionalFields", "Short Press Orange Key"),
        {{"Send 1750 Singal", "发射1750信号"}, {"Emergency Call", "发射报警信号"}, {"Off", "关闭"}},
        BitField{layout::kKeyFlags, 0, 2}, {1, 2, 0}, {2, 0, 1, 1}));
    table.push_back(ListOnBits("str_set", TEXT_ID("OptionalFields", "STR Set"), kAutoManual,
                               Bit(layout::kDisplayFlags, 0), kSecondIsSet, kSecondIsSet));
    table.push_back(ListOnBits("allow_reset", TEXT_ID("OptionalFields", "Allow Reset"),
                               {{"Enable", "允许"}, {"Disable", "禁止"}},
                               Bit(layout::kOptionalFlags, 4), kFirstIsSet, kFirstIsSet));
    table.push_back(ListOnBits("msk_type", TEXT_ID("OptionalFields", "MSK Type"),
                               {{"MSK-I", "MSK-I"}, {"MSK-II", "MSK-II"}},
                               Bit(layout::kOptionalFlags, 0), kFirstIsSet, kFirstIsSet));
    table.push_back(CheckOnBit("keypad_lock", TEXT_ID("OptionalFields", "Keypad Lock"),
                               layout::kFlagByte, 7, true));
    table.push_back(CheckOnBit("repeater_msk_invert",
                               TEXT_ID("OptionalFields", "Repeater Msk Invert"),
                               layout::kOptionalFlags, 1));
    return {"optional", std::move(table)};
}

} // namespace

const fields::FieldPage& Page() {
    static const fields::FieldPage page = MakePage();
    return page;
}

std::string ShownPassword(const std::uint8_t* bytes) {
    std::string text;
    for (std::size_t i = 0; i < layout::kPasswordSize; ++i) {
        const auto c = static_cast<char>(bytes[i]);
        if (c < '0' || c > '9') {
            break;
        }
        text.push_back(c);
    }
    return text;
}

std::string LoadPassword(const RadioImage& image) {
    return ShownPassword(image.data() + layout::kPassword);
}

void StorePassword(std::string_view text, RadioImage& image) {
    fields::WriteText(image, {layout::kPassword, layout::kPasswordSize},
                      Utf8ToGbk(TruncateToGbkBytes(text, layout::kPasswordSize)));
}

} // namespace optional_features
