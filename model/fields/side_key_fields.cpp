#include "model/fields/side_key_fields.h"

#include "model/image_layout.h"

namespace side_key {
namespace {

constexpr fields::BitField kCode{layout::kSideKey, 0, 2};
constexpr int kLastPosition = 3;

fields::FieldPage MakePage() {
    fields::FieldSpec spec;
    spec.name = "side_key";
    spec.label = TEXT_ID("SideKeyFields", "Side Key");
    spec.kind = fields::FieldKind::Choice;
    spec.items = {{"Option Singalling Call", "选择信令呼叫"},
                  {"Emergency Call", "紧急呼叫"},
                  {"Send 1750Hz Singal", "发射1750Hz信号"},
                  {"Squelch Off Momentary", "瞬间静噪关闭"}};
    spec.load = [](const RadioImage& image) {
        fields::FieldValue value;
        value.index = kLastPosition - fields::ReadBits(image, kCode);
        return value;
    };
    spec.store = [](const fields::FieldValue& value, RadioImage& image) {
        fields::WriteBits(image, kCode, kLastPosition - (value.index < 0 ? 0 : value.index));
    };
    spec.code = [](const RadioImage& image) { return fields::ReadBits(image, kCode); };
    return {"side_key", {spec}};
}

} // namespace

const fields::FieldPage& Page() {
    static const fields::FieldPage page = MakePage();
    return page;
}

} // namespace side_key
