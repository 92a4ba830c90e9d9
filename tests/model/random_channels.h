#pragma once
// Random channel tables that the grid's commit rules accept as they stand:
// frequencies on a step inside the bands 136..174 and 400..520 MHz, tones of
// the tone list, GBK names of at most 7 bytes, list words in Chinese when
// bChinese, else in English, and empty rows between the channels. Same seed, same table.

#include "model/channel_codec.h"
#include "model/channel_table.h"
#include "model/display_words.h"

#include <random>
#include <string>
#include <vector>

inline ChannelTable RandomChannelTable(unsigned seed, bool bChinese = false) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    const std::vector<std::string> tones = ToneList(bChinese);
    const char* const names[] = {"", "A", "RPT 1", "Base-7", "中继", "甲乙丙", "x\"y,z"};
    auto frequency = [&] {
        // 136..174 or 400..520 MHz on a 5 kHz or 6.25 kHz step, in 10 Hz units.
        const bool uhf = pick(0, 1) == 1;
        const int step = pick(0, 1) == 1 ? 500 : 625;
        const int low = (uhf ? 400 : 136) * 100000;
        const int high = (uhf ? 520 : 174) * 100000;
        const int units = low + step * pick(0, (high - low) / step);
        return FormatMhz(static_cast<double>(units) / 100000.0);
    };
    ChannelTable table;
    for (ChannelTexts& row : table) {
        if (pick(0, 3) == 0) {
            continue; // an empty row
        }
        row = {frequency(),
               frequency(),
               tones[static_cast<std::size_t>(pick(0, static_cast<int>(tones.size()) - 1))],
               tones[static_cast<std::size_t>(pick(0, static_cast<int>(tones.size()) - 1))],
               names[pick(0, 6)],
               WordText(pick(0, 1) ? Word::High : Word::Low, bChinese),
               WordText(pick(0, 1) ? Word::Wide : Word::Narrow, bChinese),
               WordText(pick(0, 1) ? Word::Yes : Word::No, bChinese),
               WordText(pick(0, 2) == 0   ? Word::Off
                        : pick(0, 1) == 0 ? Word::Carrier
                                          : Word::ToneLock,
                        bChinese)};
    }
    return table;
}
