// The progress lines of the command line's transfers, as pure functions.

#include "cli/progress_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressLine, BarShowsShareRowsAndTimes) {
    struct Case {
        int position;
        int total;
        double elapsed;
        const char* line;
    };
    const Case cases[] = {
        // Before the first row nothing can be estimated.
        {0, 191, 0.0, "[                    ]   0%  0/191 rows  0:00 elapsed  -:-- left"},
        {0, 191, 3.4, "[                    ]   0%  0/191 rows  0:03 elapsed  -:-- left"},
        // Time left at the pace so far: 5 s for 95 rows, 96 rows to go.
        {95, 191, 5.0, "[#########           ]  49%  95/191 rows  0:05 elapsed  0:05 left"},
        {1, 189, 1.0, "[                    ]   0%  1/189 rows  0:01 elapsed  3:08 left"},
        {191, 191, 11.2, "[####################] 100%  191/191 rows  0:11 elapsed  0:00 left"},
        {189, 189, 3725.0, "[####################] 100%  189/189 rows  1:02:05 elapsed  0:00 left"},
        // A position beyond the total is shown as the total.
        {200, 191, 11.0, "[####################] 100%  191/191 rows  0:11 elapsed  0:00 left"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressBarLine(c.position, c.total, c.elapsed), c.line) << c.position;
    }
}

// Without a terminal a line comes at each tenth reached, one per tenth even
// when a step jumps over several, and the last row always has its line.
TEST(ProgressLine, PlainLinesAtEachTenth) {
    std::vector<std::string> lines;
    int previous = 0;
    for (int position = 1; position <= 191; ++position) {
        if (const auto line = ProgressTenthLine(previous, position, 191)) {
            lines.push_back(*line);
        }
        previous = position;
    }
    const std::vector<std::string> expected{"progress 20/191 (10%)",  "progress 39/191 (20%)",
                                            "progress 58/191 (30%)",  "progress 77/191 (40%)",
                                            "progress 96/191 (50%)",  "progress 115/191 (60%)",
                                            "progress 134/191 (70%)", "progress 153/191 (80%)",
                                            "progress 172/191 (90%)", "progress 191/191 (100%)"};
    EXPECT_EQ(lines, expected);

    EXPECT_EQ(ProgressTenthLine(0, 100, 189), std::optional<std::string>("progress 100/189 (52%)"));
    EXPECT_EQ(ProgressTenthLine(19, 19, 191), std::nullopt);
    EXPECT_EQ(ProgressTenthLine(20, 21, 191), std::nullopt);
}

TEST(ProgressLine, ClockText) {
    const std::pair<long, const char*> cases[] = {
        {0, "0:00"},       {9, "0:09"},         {60, "1:00"}, {3599, "59:59"},
        {3600, "1:00:00"}, {36061, "10:01:01"}, {-5, "0:00"}};
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(ClockText(seconds), text) << seconds;
    }
}

} // namespace
