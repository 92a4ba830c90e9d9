#include "model/fields/squelch_fields.h"

#include <algorithm>

namespace squelch {

const std::vector<std::string>& LevelItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> texts;
        for (int shown = kLowestStored - kShownOffset; shown < kHighestStored - kShownOffset;
             ++shown) {
            texts.push_back(std::to_string(shown));
        }
        return texts;
    }();
    return items;
}

int ItemIndex(std::string_view text) {
    const auto& items = LevelItems();
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

Levels Load(const RadioImage& image) {
    Levels levels;
    for (int i = 0; i < kLevelCount; ++i) {
        int stored = image[kLevelsAt + i];
        if (stored < kLowestStored || stored > kHighestStored) {
            stored = kDefaults[i];
        }
        const std::string text = std::to_string(stored - kShownOffset);
        levels[i] = ItemIndex(text) < 0 ? std::string() : text;
    }
    return levels;
}

void Store(const Levels& levels, RadioImage& image) {
    for (int i = 0; i < kLevelCount; ++i) {
        const int index = ItemIndex(levels[i]);
        image[kLevelsAt + i] =
            index < 0 ? kDefaults[i] : static_cast<std::uint8_t>(index + kLowestStored);
    }
}

} // namespace squelch
