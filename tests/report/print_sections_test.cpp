// Which sections a job prints, how many pages each takes and which section
// page each printed page shows.

#include "report/print_sections.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

namespace {

using report::PageKind;
using report::SectionFlags;

constexpr SectionFlags kAll = {true, true, true, true, true};
constexpr SectionFlags kDefault = {false, false, true, false, true};
constexpr SectionFlags kOnlyTwoTone = {false, false, false, true, false};
constexpr SectionFlags kNone = {};

TEST(PrintSections, OpeningChoiceIsOptionalAndChannelInfo) {
    EXPECT_EQ(report::DefaultSelection(), kDefault);
}

TEST(PrintSections, ChannelPagesCountNonEmptyReceiveCells) {
    struct Case {
        int channels;
        int channelPages;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{5, 1}, Case{6, 2}, Case{12, 3},
                         Case{125, 25}, Case{129, 26}}) {
        const report::SectionPages pages =
            report::CountSectionPages(report_test::TableWithFirstRows(c.channels));
        EXPECT_EQ(pages, (report::SectionPages{1, 1, 1, 2, c.channelPages})) << c.channels;
    }
    // Only the receive frequency counts; a row with a name alone is empty.
    ChannelTable table;
    Cell(table, 7, kColName) = "NAME";
    Cell(table, 7, kColTx) = "146.00000";
    EXPECT_EQ(report::CountSectionPages(table)[4], 0);
}

struct JobCase {
    const char* name;
    SectionFlags selected;
    int channels;
    int total;
    // Kind and channel page of every printed page, in order.
    std::vector<std::pair<PageKind, int>> pages;
};

TEST(PrintSections, JobsPrintTheirPagesInOrder) {
    const std::vector<JobCase> cases = {
        {"default, 12 channels", kDefault, 12, 4,
         {{PageKind::Optional, 0}, {PageKind::Channels, 1}, {PageKind::Channels, 2},
          {PageKind::Channels, 3}}},
        {"only 2-Tone", kOnlyTwoTone, 12, 2,
         {{PageKind::TwoToneDecode, 0}, {PageKind::TwoToneEncode, 0}}},
        {"all, no channel", kAll, 0, 5,
         {{PageKind::Dtmf, 0}, {PageKind::Msk, 0}, {PageKind::Optional, 0},
          {PageKind::TwoToneDecode, 0}, {PageKind::TwoToneEncode, 0}}},
        {"MSK and channels", {false, true, false, false, true}, 6, 3,
         {{PageKind::Msk, 0}, {PageKind::Channels, 1}, {PageKind::Channels, 2}}},
        {"channels only, none non-empty", {false, false, false, false, true}, 0, 0, {}},
        {"nothing selected", kNone, 129, 0, {}},
    };
    for (const JobCase& c : cases) {
        const report::SectionPages pages =
            report::CountSectionPages(report_test::TableWithFirstRows(c.channels));
        ASSERT_EQ(report::JobPageCount(pages, c.selected), c.total) << c.name;
        for (int page = 1; page <= c.total; ++page) {
            const auto found = report::FindSectionPage(pages, c.selected, page);
            ASSERT_TRUE(found) << c.name << " page " << page;
            EXPECT_EQ(found->kind, c.pages[page - 1].first) << c.name << " page " << page;
            EXPECT_EQ(found->channelPage, c.pages[page - 1].second) << c.name << " page " << page;
        }
        EXPECT_FALSE(report::FindSectionPage(pages, c.selected, 0)) << c.name;
        EXPECT_FALSE(report::FindSectionPage(pages, c.selected, c.total + 1)) << c.name;
    }
}

TEST(PrintSections, AllSectionsWith129ChannelsTake31Pages) {
    const report::SectionPages pages =
        report::CountSectionPages(report_test::TableWithFirstRows(129));
    EXPECT_EQ(report::JobPageCount(pages, kAll), 31);
    const auto last = report::FindSectionPage(pages, kAll, 31);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->virtualPage, 31);
    EXPECT_EQ(last->channelPage, 26);
}

TEST(PrintSections, SectionListsOfTheCommandLine) {
    struct Case {
        const char* list;
        std::optional<SectionFlags> flags;
    };
    const std::vector<Case> cases = {
        {"dtmf,msk,optional,two-tone,channels", kAll},
        {"channels,optional", kDefault},
        {"two-tone", kOnlyTwoTone},
        {"msk,msk", SectionFlags{false, true, false, false, false}},
        {"", std::nullopt},
        {"dtmf,", std::nullopt},
        {",dtmf", std::nullopt},
        {"DTMF", std::nullopt},
        {"2-tone", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(report::ParseSectionList(c.list), c.flags) << c.list;
    }
}

} // namespace
