#pragma once
// The five report sections, what each takes in pages, and which section page
// a printed page of a job shows.
//
// Sections in their fixed order: DTMF (1 page), MSK (1), Optional (1), 2-Tone
// (2: decode, then encode) and Channel Info (one page per five non-empty
// channels; a channel is non-empty when its receive frequency cell is not).
// A job prints the selected sections in that order. Counting the pages as if
// all five were printed gives the "virtual" page: 1 DTMF, 2 MSK, 3 Optional,
// 4 2-Tone decode, 5 2-Tone encode, 6 and on the channel pages.

#include "model/channel_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

enum class Section : int { Dtmf = 0, Msk, Optional, TwoTone, ChannelInfo };
inline constexpr int kSectionCount = 5;

using SectionFlags = std::array<bool, kSectionCount>;
using SectionPages = std::array<int, kSectionCount>;

// Optional and Channel Info: what the section choice offers when it opens.
SectionFlags DefaultSelection();

// Channels printed on one channel page.
inline constexpr int kChannelsPerPage = 5;

// Grid rows (1..129) whose receive frequency cell is not empty, in order.
std::vector<int> NonEmptyChannelRows(const ChannelTable& channels);
// 1, 1, 1, 2 and ceil(non-empty channels / 5).
SectionPages CountSectionPages(const ChannelTable& channels);
// Sum of the pages of the selected sections; 0 when none is selected.
int JobPageCount(const SectionPages& pages, const SectionFlags& selected);

enum class PageKind { Dtmf, Msk, Optional, TwoToneDecode, TwoToneEncode, Channels };

// What printed page `page` (1..JobPageCount) of a job shows.
struct SectionPage {
    PageKind kind = PageKind::Dtmf;
    int virtualPage = 0;
    int channelPage = 0; // 1.. for PageKind::Channels, else 0
};
// Nothing for a page outside 1..JobPageCount.
std::optional<SectionPage> FindSectionPage(const SectionPages& pages,
                                           const SectionFlags& selected, int page);

// Names of the sections for the command line, in order: dtmf, msk,
// optional, two-tone, channels.
std::string_view SectionName(Section section);
// A comma-separated list of those names (each at most once is not
// required); nothing when a name is unknown or the list is empty.
std::optional<SectionFlags> ParseSectionList(std::string_view list);

} // namespace report
