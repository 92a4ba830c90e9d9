#include "model/image_compare.h"

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/channel_columns.h"
#include "model/fields/settings_groups.h"
#include "model/image_layout.h"

#include <functional>
#include <optional>
#include <set>

namespace compare {
namespace {

// A named value shown as text: a field of the registry, or one of the
// image's own values that no settings dialog edits.
struct NamedValue {
    std::string group;
    std::string field;
    TextId label;
    std::function<std::string(const RadioImage&, const TextCatalogue&)> text;
    // The entry's row of a list grid (a call list); 0 for other fields.
    int row = 0;
};

// Whether the image holds a code for a listed field that no item stores:
// storing the item it shows would change the code.
bool CodeInNoList(const fields::FieldSpec& spec, const fields::FieldValue& value,
                  const RadioImage& image) {
    if (!spec.code) {
        return false;
    }
    RadioImage stored = image;
    spec.store(value, stored);
    return spec.code(stored) != spec.code(image);
}

// The text a control shows, its list items in the language in use; a code
// in no list as its raw value, which the control would show as some item.
std::string FieldText(const fields::FieldSpec& spec, const RadioImage& image,
                      const TextCatalogue& texts) {
    const fields::FieldValue value = fields::LoadField(spec, image, texts.bChinese());
    const bool listed =
        spec.kind == fields::FieldKind::List || spec.kind == fields::FieldKind::Choice;
    if (listed && CodeInNoList(spec, value, image)) {
        return std::to_string(spec.code(image)) +
               texts.Tr(TEXT_ID("ImageCompare", " (not in the list)"));
    }
    if (listed && value.index >= 0 && static_cast<std::size_t>(value.index) < spec.items.size()) {
        return fields::ItemInLanguage(spec.items[static_cast<std::size_t>(value.index)],
                                      texts.bChinese());
    }
    return fields::ShownText(spec, value);
}

// Every named value: the fields of the groups the command line shows, then
// the band code and the model index (the product group's own fields show
// the process-wide band limits and the settings file's model names, not the
// image's).
const std::vector<NamedValue>& NamedValues() {
    static const std::vector<NamedValue> values = [] {
        std::vector<NamedValue> all;
        for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
            if (!group.onCommandLine) {
                continue;
            }
            for (const fields::FieldPage* page : group.pages) {
                for (const fields::FieldSpec& spec : page->fields) {
                    all.push_back({group.name, spec.name, spec.label,
                                   [&spec](const RadioImage& image, const TextCatalogue& texts) {
                                       return FieldText(spec, image, texts);
                                   },
                                   spec.kind == fields::FieldKind::Cell ? spec.row : 0});
                }
            }
        }
        // Product Information shows the band as its "Field" limits and the
        // model by its "Model" list.
        all.push_back(
            {"product", "band_code", TEXT_ID("ProductFields", "Field"),
             [](const RadioImage& image, const TextCatalogue&) { return BandRangeText(image); }});
        all.push_back({"product", "model_index", TEXT_ID("ProductFields", "Model"),
                       [](const RadioImage& image, const TextCatalogue&) {
                           return std::to_string(image[layout::kModelIndex]);
                       }});
        return all;
    }();
    return values;
}

// The image with the byte at offset taken from source.
RadioImage WithByteOf(const RadioImage& image, const RadioImage& source, std::size_t offset) {
    RadioImage mixed = image;
    mixed[offset] = source[offset];
    return mixed;
}

// Whether the byte at offset alone changes what shown says, taking it from
// one image into the other (either way).
bool ShowsByte(const std::function<std::string(const RadioImage&)>& shown, const RadioImage& first,
               const RadioImage& second, std::size_t offset) {
    return shown(WithByteOf(first, second, offset)) != shown(first) ||
           shown(WithByteOf(second, first, offset)) != shown(second);
}

void CompareChannels(const RadioImage& first, const RadioImage& second, bool bChinese,
                     std::vector<Difference>& out, std::set<std::size_t>& shown) {
    for (int n = 0; n < layout::kChannelRecordCount; ++n) {
        const std::size_t start = layout::ChannelRecord(static_cast<std::size_t>(n));
        const ChannelTexts a = DecodeRecord(first.data() + start, bChinese);
        const ChannelTexts b = DecodeRecord(second.data() + start, bChinese);
        for (int col = 1; col <= kChannelColumns; ++col) {
            if (a[col - 1] == b[col - 1]) {
                continue;
            }
            const auto cell = [start, col, bChinese](const RadioImage& image) {
                return DecodeRecord(image.data() + start, bChinese)[col - 1];
            };
            std::optional<std::size_t> firstOffset;
            for (std::size_t i = 0; i < layout::kChannelRecordSize; ++i) {
                const std::size_t offset = start + i;
                if (first[offset] != second[offset] && ShowsByte(cell, first, second, offset)) {
                    shown.insert(offset);
                    firstOffset = firstOffset.value_or(offset);
                }
            }
            Difference d;
            d.kind = DifferenceKind::Channel;
            d.row = n + 1;
            d.column = col;
            d.first = a[col - 1];
            d.second = b[col - 1];
            d.offset = firstOffset.value_or(start);
            out.push_back(d);
        }
    }
}

void CompareNamedValues(const RadioImage& first, const RadioImage& second,
                        const std::vector<std::size_t>& differing, const TextCatalogue& texts,
                        std::vector<Difference>& out, std::set<std::size_t>& shown) {
    for (const NamedValue& value : NamedValues()) {
        const auto text = [&value, &texts](const RadioImage& image) {
            return value.text(image, texts);
        };
        const std::string a = text(first);
        const std::string b = text(second);
        if (a == b) {
            continue;
        }
        std::optional<std::size_t> firstOffset;
        for (const std::size_t offset : differing) {
            if (offset >= layout::kChannelsEnd && ShowsByte(text, first, second, offset)) {
                shown.insert(offset);
                firstOffset = firstOffset.value_or(offset);
            }
        }
        Difference d;
        d.kind = DifferenceKind::Field;
        d.group = value.group;
        d.field = value.field;
        d.label = value.label;
        d.row = value.row;
        d.first = a;
        d.second = b;
        d.offset = firstOffset.value_or(differing.front());
        out.push_back(d);
    }
}

} // namespace

std::string HexAddress(std::size_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x0000";
    for (int i = 5; i >= 2; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    }
    return text;
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

std::vector<Difference> CompareImages(const RadioImage& first, const RadioImage& second,
                                      const TextCatalogue& texts) {
    std::vector<std::size_t> differing;
    for (std::size_t offset = 0; offset < layout::kImageSize; ++offset) {
        if (first[offset] != second[offset]) {
            differing.push_back(offset);
        }
    }
    std::vector<Difference> out;
    if (differing.empty()) {
        return out;
    }
    std::set<std::size_t> shown;
    CompareChannels(first, second, texts.bChinese(), out, shown);
    CompareNamedValues(first, second, differing, texts, out, shown);
    // The rest as runs of consecutive offsets.
    for (std::size_t i = 0; i < differing.size();) {
        if (shown.count(differing[i]) != 0) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < differing.size() && differing[end] == differing[end - 1] + 1 &&
               shown.count(differing[end]) == 0) {
            ++end;
        }
        Difference d;
        d.kind = DifferenceKind::Bytes;
        d.offset = differing[i];
        d.size = end - i;
        d.first = HexBytes(first.data() + d.offset, d.size);
        d.second = HexBytes(second.data() + d.offset, d.size);
        out.push_back(d);
        i = end;
    }
    return out;
}

std::string DifferencePlace(const Difference& difference, const TextCatalogue& texts) {
    switch (difference.kind) {
    case DifferenceKind::Channel: {
        // A title may carry blanks for the column's width (" W/N ").
        std::string title = texts.Tr(ColumnHeader(difference.column));
        title.erase(0, title.find_first_not_of(' '));
        title.erase(title.find_last_not_of(' ') + 1);
        return FormatText(texts.Tr("ImageCompare", "channel %1 %2"),
                          {ChannelRowLabel(difference.row), title});
    }
    case DifferenceKind::Field:
        return difference.group + "." + difference.field;
    case DifferenceKind::Bytes:
        break;
    }
    return difference.size == 1 ? HexAddress(difference.offset)
                                : HexAddress(difference.offset) + ".." +
                                      HexAddress(difference.offset + difference.size - 1);
}

std::string DescribeDifference(const Difference& difference, const TextCatalogue& texts) {
    if (difference.kind == DifferenceKind::Bytes) {
        return DifferencePlace(difference, texts) + ": " + difference.first + " -> " +
               difference.second;
    }
    return DifferencePlace(difference, texts) + ": \"" + difference.first + "\" -> \"" +
           difference.second + "\"";
}

} // namespace compare
