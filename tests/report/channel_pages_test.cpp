// The channel pages: five non-empty channels a page, the blocks' positions
// and the grid texts they print.

#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

namespace {

using report_test::FindText;
using report_test::TextAt;

constexpr int W = 163;
constexpr int Lb = 323;
constexpr report::SectionFlags kChannelsOnly = {false, false, false, false, true};

// The channel headers of a page, in order.
std::vector<std::string> Headers(const report::ReportPage& page) {
    std::vector<std::string> headers;
    for (const report::TextItem& item : page.texts) {
        if (item.x == 4 * W) {
            headers.push_back(item.text);
        }
    }
    return headers;
}

TEST(ChannelPages, FiveChannelsAPageSkippingEmptyRows) {
    struct Case {
        const char* what;
        std::vector<int> rows;
        std::vector<std::vector<std::string>> pages;
    };
    const std::vector<Case> cases = {
        {"twelve channels",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {{"Channel 1:", "Channel 2:", "Channel 3:", "Channel 4:", "Channel 5:"},
          {"Channel 6:", "Channel 7:", "Channel 8:", "Channel 9:", "Channel 10:"},
          {"Channel 11:", "Channel 12:"}}},
        {"gaps and the last row",
         {2, 40, 41, 90, 128, 129},
         {{"Channel 2:", "Channel 40:", "Channel 41:", "Channel 90:", "Channel 128:"},
          {"Channel FR:"}}},
        {"one channel", {77}, {{"Channel 77:"}}},
    };
    for (const Case& c : cases) {
        const ChannelTable table = report_test::TableWithRows(c.rows);
        ASSERT_EQ(report::CountSectionPages(table)[4], static_cast<int>(c.pages.size())) << c.what;
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const report::ReportPage page =
                report_test::Page({}, table, kChannelsOnly, static_cast<int>(p) + 1);
            EXPECT_EQ(Headers(page), c.pages[p]) << c.what << " page " << p + 1;
        }
    }
}

TEST(ChannelPages, AllChannelsEndWithFourOnTheLastPage) {
    const ChannelTable table = report_test::TableWithFirstRows(129);
    const report::ReportPage last = report_test::Page({}, table, kChannelsOnly, 26);
    EXPECT_EQ(Headers(last), (std::vector<std::string>{"Channel 126:", "Channel 127:",
                                                       "Channel 128:", "Channel FR:"}));
}

TEST(ChannelPages, BlockPrintsTheGridCells) {
    ChannelTable table = report_test::TableWithRows({1, 2, 3});
    const std::vector<std::string> texts = {"145.00000", "145.60000", "67.0", "D023N",
                                            "名字", "High", "Wide", "Yes", "Carrier"};
    for (int col = 1; col <= kChannelColumns; ++col) {
        Cell(table, 3, col) = texts[static_cast<std::size_t>(col - 1)];
    }
    const report::ReportPage page = report_test::Page({}, table, kChannelsOnly, 1);
    EXPECT_EQ(TextAt(page, 6 * W, -404), "Channel Infomation");
    const int y0 = -(4 + 8 * 2) * Lb; // third block
    EXPECT_EQ(TextAt(page, 4 * W, y0), "Channel 3:");
    struct Expect {
        int line;
        int labelX;
        std::string label;
        int valueX;
        std::string value;
    };
    const std::vector<Expect> expected = {
        {1, 5, "Receive Frequency:", 24, "145.00000"},
        {2, 5, "Transceive Frequency:", 24, "145.60000"},
        {3, 5, "QT/DQT Decode:", 24, "67.0"},
        {4, 5, "QT/DQT Encode:", 24, "D023N"},
        {5, 5, "Channel Name:", 24, "名字"},
        {6, 5, "Transmit Power:", 24, "High"},
        {1, 40, "Wide/Narrow:", 55, "Wide"},
        {2, 40, "Scan Add:", 55, "Yes"},
        {3, 40, "PTT ID:", 55, ""},
        {4, 40, "Busy Lock:", 55, "Carrier"},
        {5, 40, "Optional Singal:", 55, ""},
    };
    for (const Expect& e : expected) {
        const int y = y0 - e.line * Lb;
        EXPECT_EQ(TextAt(page, e.labelX * W, y), e.label) << e.label;
        EXPECT_EQ(TextAt(page, e.valueX * W, y), e.value) << e.label;
    }
    EXPECT_EQ(TextAt(page, 40 * W, y0 - 6 * Lb), "<none>");
}

TEST(ChannelPages, BusyLockToneWordPrintsShort) {
    ChannelTable table = report_test::TableWithRows({5});
    Cell(table, 5, kColBusy) = "QT/DQT Tone";
    const report::ReportPage page = report_test::Page({}, table, kChannelsOnly, 1);
    EXPECT_EQ(TextAt(page, 55 * W, -4 * Lb - 4 * Lb), "QT/DQT");
}

TEST(ChannelPages, ChineseLabels) {
    const ChannelTable table = report_test::TableWithRows({129});
    const report::ReportPage page = report_test::Page({}, table, kChannelsOnly, 1, true);
    EXPECT_EQ(TextAt(page, 6 * W, -404), "信道信息");
    EXPECT_EQ(TextAt(page, 4 * W, -4 * Lb), "信道 FR:");
    EXPECT_NE(FindText(page, "接收频率:"), nullptr);
    EXPECT_NE(FindText(page, "PTT ID:"), nullptr);
}

} // namespace
