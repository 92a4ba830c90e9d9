#include "model/fields/dtmf_fields.h"

#include "model/image_layout.h"

#include <array>
#include <cctype>

namespace dtmf {
namespace {

using fields::EditRule;
using fields::FieldKind;
using fields::FieldPage;
using fields::FieldSpec;
using fields::FieldValue;
using fields::ParseLeadingDigits;

constexpr std::array<int, 4> kSpeeds = {6, 8, 10, 15};
constexpr std::array<int, 4> kDigitTimes = {0, 100, 500, 1000};
constexpr int kDelayStep = 50;
constexpr int kDelayMax = 1000;
// Times are kept in units of 50 ms, read through this mask.
constexpr int kTimeMask = 0x1F;
constexpr const char* kDigits = "0123456789";

// Speed code of bits 1..0 of the speed byte: 6, 8, 10 digits/s, anything else 15.
int SpeedCode(int speed) {
    for (std::size_t code = 0; code < kSpeeds.size(); ++code) {
        if (kSpeeds[code] == speed) {
            return static_cast<int>(code);
        }
    }
    return 3;
}

// An encode page edit with its spin, normalised when left and stored.
FieldSpec EncodeEdit(std::string name, TextId label, int limit,
                     std::string (*normalise)(std::string_view),
                     std::string (*spin)(std::string_view, int), std::size_t offset, bool isSpeed) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::Edit;
    spec.edit = EditRule{limit, kDigits, false, normalise, spin};
    spec.load = [offset, isSpeed](const RadioImage& image) {
        FieldValue value;
        value.text = std::to_string(isSpeed ? kSpeeds[image[offset] & 0x03]
                                            : (image[offset] & kTimeMask) * kDelayStep);
        return value;
    };
    spec.store = [offset, isSpeed, normalise](const FieldValue& value, RadioImage& image) {
        const int number = ParseLeadingDigits(normalise(value.text));
        if (isSpeed) {
            fields::WriteBits(image, {offset, 0, 2}, SpeedCode(number));
        } else {
            image[offset] = static_cast<std::uint8_t>(number / kDelayStep);
        }
    };
    return spec;
}

FieldPage MakeEncodePage() {
    FieldPage page{"encode", {}};
    page.fields.push_back(EncodeEdit("speed", TEXT_ID("DtmfFields", "DTMF Speed(digit/s)"), 2,
                                     NormaliseSpeed, SpinSpeed, layout::kDtmfSpeed, true));
    page.fields.push_back(
        EncodeEdit("first_digit_delay", TEXT_ID("DtmfFields", "First Digit Delay Time(ms)"), 0,
                   NormaliseDelay, SpinDelay, layout::kDtmfFirstDigitDelay, false));
    page.fields.push_back(
        EncodeEdit("first_digit_time", TEXT_ID("DtmfFields", "First Digit Time(ms)"), 4,
                   NormaliseDigitTime, SpinDigitTime, layout::kDtmfFirstDigitTime, false));
    page.fields.push_back(
        EncodeEdit("star_hash_time", TEXT_ID("DtmfFields", "* and # Digit Time(ms)"), 4,
                   NormaliseDigitTime, SpinDigitTime, layout::kDtmfStarHashTime, false));
    page.fields.push_back(
        fields::CheckOnBit("side_tone", TEXT_ID("DtmfFields", "SideTone"), layout::kFlagByte, 6));
    return page;
}

// An edit whose text is picked from a drop-down list of items. The first item
// may stand for a byte value of its own (group code "Off" = 0xFF).
FieldSpec PickEdit(std::string name, TextId label, const std::vector<fields::ItemText>& items) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::PickEdit;
    spec.items = items;
    return spec;
}

// The group code byte as text: the character of the same code point, UTF-8
// encoded, so that every byte has a text of its own and comes back unchanged.
std::string GroupCodeText(std::uint8_t code) {
    if (code < 0x80) {
        return std::string(1, static_cast<char>(code));
    }
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

// The byte of a group code text: its first character when that is U+0000..U+00FF,
// otherwise its first byte.
std::uint8_t GroupCodeByte(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text.front());
    if ((lead == 0xC2 || lead == 0xC3) && text.size() > 1) {
        const auto trail = static_cast<std::uint8_t>(text[1]);
        if ((trail & 0xC0) == 0x80) {
            return static_cast<std::uint8_t>(((lead & 0x03) << 6) | (trail & 0x3F));
        }
    }
    return lead;
}

FieldSpec GroupCodeField() {
    FieldSpec spec = PickEdit("group_code", TEXT_ID("DtmfFields", "Group Code"), GroupCodeItems());
    spec.load = [](const RadioImage& image) {
        FieldValue value;
        const std::uint8_t code = image[layout::kDtmfGroupCode];
        if (code == fields::kUnset) {
            value.text = GroupCodeItems().front().english;
        } else if (code != 0x00) {
            value.text = GroupCodeText(code);
        }
        return value;
    };
    spec.store = [](const FieldValue& value, RadioImage& image) {
        const bool off = fields::ItemIndex({GroupCodeItems().front()}, value.text) == 0;
        image[layout::kDtmfGroupCode] = off                  ? fields::kUnset
                                        : value.text.empty() ? 0x00
                                                             : GroupCodeByte(value.text);
    };
    return spec;
}

FieldSpec StunTypeField() {
    FieldSpec spec = PickEdit("stun_type", TEXT_ID("DtmfFields", "Stun Type"), StunTypeItems());
    const fields::BitField bit = fields::Bit(layout::kFlagByte, 5);
    spec.load = [bit](const RadioImage& image) {
        FieldValue value;
        value.text = StunTypeItems()[fields::ReadBits(image, bit) ? 0 : 1].english;
        return value;
    };
    spec.store = [bit](const FieldValue& value, RadioImage& image) {
        const bool transmitInhibit = fields::ItemIndex({StunTypeItems().front()}, value.text) == 0;
        fields::WriteBits(image, bit, transmitInhibit ? 1 : 0);
    };
    return spec;
}

FieldPage MakeDecodePage() {
    FieldPage page{"decode", {}};
    page.fields.push_back(fields::TextOnField(
        "id_code", TEXT_ID("DtmfFields", "ID Code"), {layout::kDtmfIdCode, layout::kDtmfCodeSize},
        EditRule{static_cast<int>(layout::kDtmfCodeSize), "", true, {}, {}}));
    page.fields.push_back(GroupCodeField());
    page.fields.push_back(fields::CheckOnBit(
        "stun_activation", TEXT_ID("DtmfFields", "Stun Activation"), layout::kFlagByte, 4));
    page.fields.push_back(fields::TextOnField(
        "stun_code", TEXT_ID("DtmfFields", "Stun Code"),
        {layout::kDtmfStunCode, layout::kDtmfCodeSize},
        EditRule{static_cast<int>(layout::kDtmfCodeSize), kDtmfCharacters, true, {}, {}}));
    page.fields.push_back(StunTypeField());
    return page;
}

FieldPage MakeCallListPage() {
    FieldPage page{"call_list", {}};
    for (int r = 1; r <= layout::kDtmfCallListCount; ++r) {
        // The entries are rows of the call list grid, numbered, without labels.
        FieldSpec spec = fields::TextOnField(
            "call_list." + std::to_string(r), {},
            {layout::DtmfCallEntry(r), layout::kDtmfCallEntrySize},
            EditRule{static_cast<int>(layout::kDtmfCallEntrySize), kDtmfCharacters, true, {}, {}});
        spec.kind = FieldKind::Cell;
        spec.row = r;
        spec.column = 1;
        page.fields.push_back(std::move(spec));
    }
    return page;
}

} // namespace

const std::vector<FieldPage>& Pages() {
    static const std::vector<FieldPage> pages = {MakeEncodePage(), MakeDecodePage(),
                                                 MakeCallListPage()};
    return pages;
}

std::string NormaliseSpeed(std::string_view text) {
    const int value = ParseLeadingDigits(text);
    const int speed = value < 8 ? 6 : value < 10 ? 8 : value < 15 ? 10 : 15;
    return std::to_string(speed);
}

std::string NormaliseDelay(std::string_view text) {
    const int value = ParseLeadingDigits(text);
    return std::to_string(value > kDelayMax ? kDelayMax : value - value % kDelayStep);
}

std::string NormaliseDigitTime(std::string_view text) {
    const int value = ParseLeadingDigits(text);
    const int time = value < 100 ? 0 : value < 500 ? 100 : value < 1000 ? 500 : 1000;
    return std::to_string(time);
}

std::string SpinSpeed(std::string_view text, int delta) {
    return std::to_string(fields::StepLadder(ParseLeadingDigits(text), kSpeeds, delta));
}

std::string SpinDelay(std::string_view text, int delta) {
    int value = ParseLeadingDigits(text);
    if (value % kDelayStep == 0) {
        value += delta * kDelayStep;
    } else {
        value = (value / kDelayStep + (delta == 1 ? 1 : 0)) * kDelayStep;
    }
    return std::to_string(fields::WrapAround(value, 0, kDelayMax));
}

std::string SpinDigitTime(std::string_view text, int delta) {
    return std::to_string(fields::StepLadder(ParseLeadingDigits(text), kDigitTimes, delta));
}

const std::vector<fields::ItemText>& GroupCodeItems() {
    static const std::vector<fields::ItemText> items = {
        {"Off", "关"}, {"A", "A"}, {"B", "B"}, {"C", "C"}, {"D", "D"}, {"*", "*"}, {"#", "#"}};
    return items;
}

const std::vector<fields::ItemText>& StunTypeItems() {
    static const std::vector<fields::ItemText> items = {{"Tx inhibit", "禁止发射"},
                                                        {"Transceiver inhibit", "禁止收发"}};
    return items;
}

int ItemStartingWith(const std::vector<std::string>& items, std::string_view text) {
    const auto startsWith = [text](const std::string& item) {
        if (item.size() < text.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(item[i])) !=
                std::tolower(static_cast<unsigned char>(text[i]))) {
                return false;
            }
        }
        return true;
    };
    const std::size_t count = items.size();
    for (std::size_t k = 1; k <= count; ++k) {
        const std::size_t i = k % count;
        if (startsWith(items[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace dtmf
