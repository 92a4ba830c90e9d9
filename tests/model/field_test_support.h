#pragma once
// Helpers of the fields tests: images with every byte different, the set of
// bits a dialog owns, and a value for every control that differs from the
// one it shows.

#include "model/fields/field_table.h"
#include "model/radio_image.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace field_test {

// Offset -> the bits of that byte a dialog may change.
using OwnedBits = std::map<std::size_t, std::uint8_t>;

// Adds length whole bytes from offset.
inline void OwnBytes(OwnedBits& owned, std::size_t offset, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        owned[offset + i] |= 0xFF;
    }
}

// An image whose bytes follow a pattern seeded by seed, so that no two
// neighbouring bytes are alike and every bit is set somewhere.
inline RadioImage PatternImage(unsigned seed) {
    RadioImage image;
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        state = state * 1664525u + 1013904223u;
        image[i] = static_cast<std::uint8_t>(state >> 24);
    }
    return image;
}

// Offsets where a bit outside the owned bits differs between the images.
inline std::vector<std::size_t> ChangedOutside(const RadioImage& before, const RadioImage& after,
                                               const OwnedBits& owned) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        const auto it = owned.find(i);
        const std::uint8_t mask = it == owned.end() ? 0 : it->second;
        if (((before[i] ^ after[i]) & ~mask) != 0) {
            changed.push_back(i);
        }
    }
    return changed;
}

// A value the control accepts that differs from the one it shows: the next
// item, the other state, or a text of allowed characters.
inline fields::FieldValue OtherValue(const fields::FieldSpec& spec,
                                     const fields::FieldValue& shown) {
    using fields::FieldKind;
    fields::FieldValue value = shown;
    switch (spec.kind) {
    case FieldKind::List:
    case FieldKind::Choice:
        value.index = (shown.index + 1) % static_cast<int>(spec.items.size());
        return value;
    case FieldKind::PickEdit: {
        const int index = fields::ItemIndex(spec.items, shown.text);
        value.text = spec.items[static_cast<std::size_t>(index + 1) % spec.items.size()].english;
        return value;
    }
    case FieldKind::Check:
        value.checked = !shown.checked;
        return value;
    case FieldKind::Edit:
    case FieldKind::Cell:
        break;
    }
    const std::string pool = spec.edit.allowed.empty() ? "0123456789" : spec.edit.allowed;
    const std::size_t length =
        spec.edit.maxLength > 0 ? static_cast<std::size_t>(spec.edit.maxLength) : 3;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(pool[(i * 7 + 3) % pool.size()]);
    }
    value.text = spec.edit.normalise ? spec.edit.normalise(text) : text;
    if (value.text == shown.text && spec.edit.spin) {
        value.text = spec.edit.spin(value.text, 1);
    }
    return value;
}

} // namespace field_test
