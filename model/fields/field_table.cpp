#include "model/fields/field_table.h"

#include "model/gbk.h"

#include <cctype>
#include <utility>

namespace fields {

FieldValue LoadField(const FieldSpec& spec, const RadioImage& image, bool bChinese) {
    FieldValue value = spec.load(image);
    if (spec.kind == FieldKind::PickEdit) {
        if (const int index = ItemIndex(spec.items, value.text); index >= 0) {
            value.text = ItemInLanguage(spec.items[static_cast<std::size_t>(index)], bChinese);
        }
    }
    return value;
}

FieldValues LoadFields(const FieldTable& table, const RadioImage& image, bool bChinese) {
    FieldValues values;
    values.reserve(table.size());
    for (const FieldSpec& spec : table) {
        values.push_back(LoadField(spec, image, bChinese));
    }
    return values;
}

void StoreFields(const FieldTable& table, const FieldValues& values, RadioImage& image) {
    for (std::size_t i = 0; i < table.size() && i < values.size(); ++i) {
        table[i].store(values[i], image);
    }
}

const FieldSpec& FieldPage::Field(std::string_view fieldName) const {
    if (const FieldSpec* spec = FindField(fields, fieldName)) {
        return *spec;
    }
    throw std::out_of_range("page \"" + name + "\" has no field \"" + std::string(fieldName) +
                            "\"");
}

const FieldSpec* FindField(const FieldTable& table, std::string_view name) {
    for (const FieldSpec& spec : table) {
        if (spec.name == name) {
            return &spec;
        }
    }
    return nullptr;
}

const std::string& ItemInLanguage(const ItemText& item, bool bChinese) {
    return bChinese ? item.chinese : item.english;
}

int ItemIndex(const std::vector<ItemText>& items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].english == text || items[i].chinese == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<ItemText> NumberedItems(ItemText head, int first, int count, int step) {
    std::vector<ItemText> items;
    if (!head.english.empty()) {
        items.push_back(std::move(head));
    }
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(first + i * step);
        items.push_back({number, number});
    }
    return items;
}

std::string ShownText(const FieldSpec& spec, const FieldValue& value) {
    switch (spec.kind) {
    case FieldKind::List:
    case FieldKind::Choice:
        return value.index >= 0 && static_cast<std::size_t>(value.index) < spec.items.size()
                   ? spec.items[static_cast<std::size_t>(value.index)].english
                   : std::string();
    case FieldKind::Check:
        return value.checked ? "true" : "false";
    case FieldKind::Edit:
    case FieldKind::Cell:
    case FieldKind::PickEdit:
        break;
    }
    return value.text;
}

namespace {

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::optional<std::string> AcceptText(const EditRule& rule, std::string_view input) {
    if (!IsValidUtf8(input) ||
        (rule.maxLength > 0 && CharacterCount(input) > static_cast<std::size_t>(rule.maxLength))) {
        return std::nullopt;
    }
    std::string text;
    for (const char raw : input) {
        const auto code = static_cast<unsigned char>(raw);
        const char c =
            rule.upperCase ? static_cast<char>(std::toupper(code)) : static_cast<char>(code);
        // Without a filter any character but the control characters is typed.
        const bool allowed = rule.allowed.empty() ? (code >= 0x20 && code != 0x7F)
                                                  : rule.allowed.find(c) != std::string::npos;
        if (!allowed) {
            return std::nullopt;
        }
        text.push_back(c);
    }
    return rule.normalise ? rule.normalise(text) : text;
}

std::string JoinItems(const std::vector<ItemText>& items) {
    std::string text;
    for (const ItemText& item : items) {
        text += text.empty() ? "" : ", ";
        text += '"' + item.english + '"';
        if (item.chinese != item.english) {
            text += " (\"" + item.chinese + "\")";
        }
    }
    return text;
}

} // namespace

std::optional<FieldValue> AcceptInput(const FieldSpec& spec, std::string_view input) {
    FieldValue value;
    switch (spec.kind) {
    case FieldKind::List:
    case FieldKind::Choice:
        value.index = ItemIndex(spec.items, input);
        if (value.index < 0) {
            return std::nullopt;
        }
        return value;
    case FieldKind::PickEdit: {
        const int index = ItemIndex(spec.items, input);
        if (index < 0) {
            return std::nullopt;
        }
        value.text = spec.items[static_cast<std::size_t>(index)].english;
        return value;
    }
    case FieldKind::Check:
        if (input == "true" || input == "1") {
            value.checked = true;
        } else if (input != "false" && input != "0") {
            return std::nullopt;
        }
        return value;
    case FieldKind::Edit:
    case FieldKind::Cell:
        break;
    }
    auto text = AcceptText(spec.edit, input);
    if (!text) {
        return std::nullopt;
    }
    value.text = std::move(*text);
    value.edited = true;
    return value;
}

std::string AllowedText(const FieldSpec& spec) {
    switch (spec.kind) {
    case FieldKind::List:
    case FieldKind::Choice:
    case FieldKind::PickEdit:
        return "one of " + JoinItems(spec.items);
    case FieldKind::Check:
        return "true or false";
    case FieldKind::Edit:
    case FieldKind::Cell:
        break;
    }
    std::string text = spec.edit.maxLength > 0
                           ? "up to " + std::to_string(spec.edit.maxLength) + " characters"
                           : "any number of characters";
    text += spec.edit.allowed.empty() ? "" : " of \"" + spec.edit.allowed + "\"";
    if (spec.edit.upperCase) {
        text += ", letters made capitals";
    }
    return text;
}

FieldSpec ListOnByte(std::string name, TextId label, std::vector<ItemText> items,
                     std::size_t offset) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::List;
    const int count = static_cast<int>(items.size());
    spec.items = std::move(items);
    spec.load = [offset, count](const RadioImage& image) {
        FieldValue value;
        value.index = image[offset] < count ? image[offset] : 0;
        return value;
    };
    spec.store = [offset](const FieldValue& value, RadioImage& image) {
        image[offset] = static_cast<std::uint8_t>(value.index < 0 ? 0 : value.index);
    };
    spec.code = [offset](const RadioImage& image) { return int{image[offset]}; };
    return spec;
}

FieldSpec ListOnBits(std::string name, TextId label, std::vector<ItemText> items, BitField bits,
                     std::vector<int> codes, std::vector<int> shows) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::List;
    spec.items = std::move(items);
    spec.load = [bits, shows = std::move(shows)](const RadioImage& image) {
        FieldValue value;
        value.index = shows[static_cast<std::size_t>(ReadBits(image, bits))];
        return value;
    };
    spec.store = [bits, codes = std::move(codes)](const FieldValue& value, RadioImage& image) {
        // No selection stores the first item's code.
        const auto index = static_cast<std::size_t>(value.index);
        WriteBits(image, bits, index < codes.size() ? codes[index] : codes.front());
    };
    spec.code = [bits](const RadioImage& image) { return ReadBits(image, bits); };
    return spec;
}

FieldSpec TextOnField(std::string name, TextId label, TextField field, EditRule rule) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::Edit;
    spec.edit = std::move(rule);
    spec.load = [field](const RadioImage& image) {
        FieldValue value;
        value.text = GbkToUtf8(ReadText(image, field));
        return value;
    };
    spec.store = [field](const FieldValue& value, RadioImage& image) {
        WriteText(image, field, Utf8ToGbk(TruncateToGbkBytes(value.text, field.length)));
    };
    return spec;
}

FieldSpec CheckOnBit(std::string name, TextId label, std::size_t offset, int bit, bool inverted) {
    FieldSpec spec;
    spec.name = std::move(name);
    spec.label = label;
    spec.kind = FieldKind::Check;
    spec.load = [offset, bit, inverted](const RadioImage& image) {
        FieldValue value;
        value.checked = (ReadBits(image, Bit(offset, bit)) != 0) != inverted;
        return value;
    };
    spec.store = [offset, bit, inverted](const FieldValue& value, RadioImage& image) {
        WriteBits(image, Bit(offset, bit), value.checked != inverted ? 1 : 0);
    };
    return spec;
}

} // namespace fields
