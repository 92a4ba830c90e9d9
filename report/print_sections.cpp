#include "report/print_sections.h"

namespace report {
namespace {

constexpr std::string_view kNames[kSectionCount] = {"dtmf", "msk", "optional", "two-tone",
                                                    "channels"};

int Index(Section s) {
    return static_cast<int>(s);
}

} // namespace

SectionFlags DefaultSelection() {
    SectionFlags flags{};
    flags[Index(Section::Optional)] = true;
    flags[Index(Section::ChannelInfo)] = true;
    return flags;
}

std::vector<int> NonEmptyChannelRows(const ChannelTable& channels) {
    std::vector<int> rows;
    for (int row = 1; row <= kChannelRows; ++row) {
        if (!Cell(channels, row, kColRx).empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

SectionPages CountSectionPages(const ChannelTable& channels) {
    const int n = static_cast<int>(NonEmptyChannelRows(channels).size());
    return {1, 1, 1, 2, (n + kChannelsPerPage - 1) / kChannelsPerPage};
}

int JobPageCount(const SectionPages& pages, const SectionFlags& selected) {
    int total = 0;
    for (int i = 0; i < kSectionCount; ++i) {
        total += selected[i] ? pages[i] : 0;
    }
    return total;
}

std::optional<SectionPage> FindSectionPage(const SectionPages& pages,
                                           const SectionFlags& selected, int page) {
    if (page < 1 || page > JobPageCount(pages, selected)) {
        return std::nullopt;
    }
    // Walk the sections, adding the selected ones' pages into `printed` and the
    // others' into `skipped`, up to the selected section that holds the page.
    int printed = 0;
    int skipped = 0;
    for (int i = 0; i < kSectionCount; ++i) {
        if (!selected[i]) {
            skipped += pages[i];
            continue;
        }
        printed += pages[i];
        if (printed >= page) {
            break;
        }
    }
    SectionPage result;
    result.virtualPage = page + skipped;
    // The sections before the channel pages always take five virtual pages.
    constexpr PageKind kFirstFive[] = {PageKind::Dtmf, PageKind::Msk, PageKind::Optional,
                                       PageKind::TwoToneDecode, PageKind::TwoToneEncode};
    if (result.virtualPage <= 5) {
        result.kind = kFirstFive[result.virtualPage - 1];
    } else {
        result.kind = PageKind::Channels;
        result.channelPage = result.virtualPage - 5;
    }
    return result;
}

std::string_view SectionName(Section section) {
    return kNames[Index(section)];
}

std::optional<SectionFlags> ParseSectionList(std::string_view list) {
    SectionFlags flags{};
    if (list.empty()) {
        return std::nullopt;
    }
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        bool known = false;
        for (int i = 0; i < kSectionCount; ++i) {
            if (name == kNames[i]) {
                flags[i] = true;
                known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return flags;
        }
        list.remove_prefix(comma + 1);
    }
}

} // namespace report
