// Every page of the report in the pseudo-language: each word printed is
// either a text of the catalogue (marked) or a value of the document (the
// fields' item words, the grid's cells, numbers, the owner text).

#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace report_test;

// The words a value may be printed as, besides the lists' words.
std::set<std::string> ValueWords(const ChannelTable& table) {
    std::set<std::string> words{"Owner", "MSK-I", "MSK-II", "DTMF",  "MSK", "FR",
                                "5k",    "6.25k", "10k",    "12.5k", "25k"};
    for (const ChannelTexts& row : table) {
        words.insert(row.begin(), row.end());
    }
    return words;
}

TEST(PseudoReport, EveryPageTakesItsWordsFromTheCatalogue) {
    const ChannelTable table = TableWithFirstRows(7);
    const std::set<std::string> values = ValueWords(table);
    for (const bool allSet : {true, false}) {
        RadioImage image;
        if (!allSet) {
            image.bytes().fill(0x00);
        }
        const auto pages =
            report::LayOutReport({image, table, PseudoTexts(), "Owner"},
                                 {true, true, true, true, true}, kPrintable, FixedMetrics());
        ASSERT_EQ(pages.size(), 7u);
        int marked = 0;
        for (const report::ReportPage& page : pages) {
            for (const report::TextItem& item : page.texts) {
                const std::string rest = Unmarked(item.text);
                marked += rest != item.text;
                EXPECT_TRUE(!HasLetters(rest) || values.contains(rest) || IsListWord(rest))
                    << "escaped the catalogue: \"" << item.text << "\"";
            }
        }
        // Every page has its title, labels and page number marked.
        EXPECT_GT(marked, 7 * 3);
    }
}

} // namespace
