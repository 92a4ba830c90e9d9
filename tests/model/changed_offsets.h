#pragma once
// Whole-image comparison for the editor tests: which offsets differ, and an
// image of random bytes to edit so that every untouched byte is checked.

#include "model/radio_image.h"

#include <cstddef>
#include <random>
#include <set>

inline std::set<std::size_t> ChangedOffsets(const RadioImage& before, const RadioImage& after) {
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        if (before[i] != after[i]) {
            changed.insert(i);
        }
    }
    return changed;
}

inline RadioImage RandomImage(unsigned seed) {
    std::mt19937 generator(seed);
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        image[i] = static_cast<std::uint8_t>(generator());
    }
    return image;
}

// True when every changed offset lies in the given set of owned offsets.
inline bool ChangesOnlyWithin(const RadioImage& before, const RadioImage& after,
                              const std::set<std::size_t>& owned) {
    for (const std::size_t at : ChangedOffsets(before, after)) {
        if (owned.count(at) == 0) {
            return false;
        }
    }
    return true;
}
