// The units of a page, the frame and footer every page has, and whole
// reports of unusual images.

#include "model/channel_codec.h"
#include "model/gbk.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using report_test::FindText;
using report_test::FixedMetrics;
using report_test::kPrintable;

constexpr report::SectionFlags kAll = {true, true, true, true, true};

TEST(PageScale, DividesThePrintableAreaAndAsksTheFontForLineHeights) {
    struct Case {
        report::PrintableSize size;
        int H, W, bodyHeight, bodyWidth, L, Lbody;
    };
    for (const Case c : {Case{kPrintable, 352, 163, 281, 130, 404, 323},
                         Case{{11520, 15120}, 336, 174, 268, 139, 386, 308},
                         Case{{65, 44}, 0, 0, 0, 0, 0, 0}, Case{{66, 45}, 1, 1, 0, 0, 1, 0}}) {
        const report::PageScale s = report::MakePageScale(c.size, FixedMetrics());
        EXPECT_EQ(s.H, c.H);
        EXPECT_EQ(s.W, c.W);
        EXPECT_EQ(s.title, (report::FontRequest{c.H, c.W}));
        EXPECT_EQ(s.body, (report::FontRequest{c.bodyHeight, c.bodyWidth}));
        EXPECT_EQ(s.L, c.L);
        EXPECT_EQ(s.Lbody, c.Lbody);
    }
}

TEST(PageFrame, EveryPageHasThreeRulesAndTheFooter) {
    const RadioImage image;
    const ChannelTable table = report_test::TableWithFirstRows(12);
    const report::PageScale s = report_test::Scale();
    const report::SectionFlags defaultChoice = report::DefaultSelection();
    for (int page = 1; page <= 4; ++page) {
        const report::ReportPage out = report_test::Page(image, table, defaultChoice, page);
        ASSERT_GE(out.rules.size(), 3u) << page;
        const std::vector<report::RuleItem> frame(out.rules.begin(), out.rules.begin() + 3);
        EXPECT_EQ(frame, (std::vector<report::RuleItem>{
                             {5 * 163, -2 * 404 - 50, 60 * 163, -2 * 404 - 50},
                             {5 * 163, -2 * 404 - 120, 60 * 163, -2 * 404 - 120},
                             {5 * 163, 202 - 36 * 404, 60 * 163, 202 - 36 * 404}}))
            << page;
        const std::string footer = "Page " + std::to_string(page) + " of 4";
        const report::TextItem* number = FindText(out, footer);
        ASSERT_NE(number, nullptr) << footer;
        EXPECT_EQ(number->x, 45 * 163);
        EXPECT_EQ(number->y, -36 * 404);
        EXPECT_EQ(number->font, s.title);
        const report::TextItem* owner = FindText(out, "Owner");
        ASSERT_NE(owner, nullptr);
        EXPECT_EQ(owner->x, 10 * 163);
        EXPECT_EQ(owner->y, -36 * 404);
    }
}

TEST(PageFrame, FooterInChinese) {
    const RadioImage image;
    const report::ReportPage out = report_test::Page(image, report_test::TableWithFirstRows(12),
                                                     report::DefaultSelection(), 3, true);
    EXPECT_NE(FindText(out, "第 3 页，共 4 页"), nullptr);
}

TEST(ReportLayout, NoSectionSelectedGivesNoPage) {
    const RadioImage image;
    const ChannelTable table = report_test::TableWithFirstRows(12);
    EXPECT_TRUE(
        report::LayOutReport({image, table, SourceTexts(), ""}, {}, kPrintable, FixedMetrics())
            .empty());
}

TEST(ReportLayout, ChannelsAddedOrDeletedAreCountedAfresh) {
    const RadioImage image;
    ChannelTable table = report_test::TableWithFirstRows(10);
    const report::SectionFlags channelsOnly = {false, false, false, false, true};
    const report::ReportInput input{image, table, SourceTexts(), ""};
    EXPECT_EQ(report::LayOutReport(input, channelsOnly, kPrintable, FixedMetrics()).size(), 2u);
    Cell(table, 129, kColRx) = "440.00000";
    const auto pages = report::LayOutReport(input, channelsOnly, kPrintable, FixedMetrics());
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(FindText(pages[2], "Channel FR:"), nullptr);
    Cell(table, 3, kColRx).clear();
    Cell(table, 4, kColRx).clear();
    const auto fewer = report::LayOutReport(input, channelsOnly, kPrintable, FixedMetrics());
    ASSERT_EQ(fewer.size(), 2u);
    EXPECT_NE(FindText(fewer[1], "Channel FR:"), nullptr);
}

// A page's texts are valid UTF-8 and start inside the printable width; a
// value that does not fit before the page's right edge at the body font's
// average width would run out of its column.
void ExpectSaneReport(const RadioImage& image, const ChannelTable& table, bool chinese,
                      const std::string& what) {
    const auto pages =
        report::LayOutReport({image, table, chinese ? ChineseTexts() : SourceTexts(), "Owner"},
                             kAll, kPrintable, FixedMetrics());
    const report::PageScale s = report_test::Scale();
    ASSERT_EQ(pages.size(), 5u + (report::NonEmptyChannelRows(table).size() + 4) / 5) << what;
    for (const report::ReportPage& page : pages) {
        for (const report::TextItem& item : page.texts) {
            EXPECT_TRUE(IsValidUtf8(item.text)) << what << ": " << item.text;
            EXPECT_GE(item.x, 0) << what;
            EXPECT_LE(item.y, 0) << what;
            const int columns = static_cast<int>(GbkByteLength(item.text));
            EXPECT_LE(item.x + columns * s.body.averageWidth, kPrintable.width)
                << what << ": " << item.text;
        }
    }
}

TEST(ReportLayout, UnusualImagesPrintEveryPage) {
    RadioImage allSet;
    RadioImage allClear;
    allClear.bytes().fill(0x00);
    ExpectSaneReport(allSet, {}, false, "all 0xFF");
    ExpectSaneReport(allClear, {}, true, "all 0x00");
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        RadioImage image;
        for (auto& byte : image.bytes()) {
            byte = static_cast<std::uint8_t>(random());
        }
        ChannelTable table;
        BandPlan bands;
        DecodeChannels(image, table, bands, false);
        ExpectSaneReport(image, table, round % 2 == 1, "random image " + std::to_string(round));
    }
}

} // namespace
