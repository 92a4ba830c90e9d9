// The steps of a transfer as the Process window shows them: one bar over the
// whole job, and the result line worded from the step the job ended in and how.

#include "link/clone_engine.h"
#include "link/transfer_phase.h"
#include "tests/texts/test_catalogues.h"

#include <gtest/gtest.h>

namespace {

TEST(TransferPhase, StepsShareOneBarInOrder) {
    const auto write = TransferDirection::Write;
    const std::vector<TransferPhase> all = PlanPhases(write, true, true);
    const std::vector<TransferPhase> expected = {
        {TransferStep::ReadFirst, 1, 3, 0, kReadRows + kWriteRows + kReadRows},
        {TransferStep::Write, 2, 3, kReadRows, kReadRows + kWriteRows + kReadRows},
        {TransferStep::Verify, 3, 3, kReadRows + kWriteRows, kReadRows + kWriteRows + kReadRows},
    };
    EXPECT_EQ(all, expected);
    // The safety steps switched off, and a read, are one step of their own rows.
    EXPECT_EQ(PlanPhases(write, false, false),
              std::vector<TransferPhase>({{TransferStep::Write, 1, 1, 0, kWriteRows}}));
    EXPECT_EQ(PlanPhases(TransferDirection::Read, true, true),
              std::vector<TransferPhase>({{TransferStep::Read, 1, 1, 0, kReadRows}}));
    EXPECT_EQ(PhaseText(all[0], SourceTexts()), "Step 1 of 3: reading the radio before writing");
    EXPECT_EQ(PhaseText(all[0], ChineseTexts()), "第 1 步，共 3 步：写入前读取对讲机");
    const TransferPhase alone = PlanPhases(write, false, false)[0];
    EXPECT_EQ(PhaseText(alone, SourceTexts()), "Writing the radio");
    EXPECT_EQ(PhaseText(alone, ChineseTexts()), "正在写入对讲机");
}

TEST(TransferPhase, ResultLineSaysWhatWasDone) {
    struct Case {
        TransferStep step;
        TransferOutcome outcome;
        LinkFault fault;
        bool partlyWritten;
        bool chinese;
        const char* line;
    };
    using S = TransferStep;
    using O = TransferOutcome;
    const Case cases[] = {
        {S::Read, O::Completed, LinkFault::None, false, false, "Read in 11.2 s"},
        {S::Read, O::Completed, LinkFault::None, false, true, "读取完成，用时 11.2 秒"},
        {S::Write, O::Completed, LinkFault::None, false, false, "Written in 11.2 s"},
        {S::Verify, O::Completed, LinkFault::None, false, false, "Written and verified in 11.2 s"},
        {S::Verify, O::Completed, LinkFault::None, false, true, "写入并校验完成，用时 11.2 秒"},
        {S::Read, O::Cancelled, LinkFault::UserCancel, false, false, "Read cancelled"},
        {S::ReadFirst, O::Cancelled, LinkFault::UserCancel, false, false,
         "Cancelled before writing: nothing was written"},
        {S::ReadFirst, O::Failed, LinkFault::Timeout, false, false,
         "The radio could not be read before writing: nothing was written"},
        // Before the first block went out the radio is untouched.
        {S::Write, O::Cancelled, LinkFault::PromptCancel, false, false,
         "Write cancelled: nothing was written"},
        {S::Write, O::Failed, LinkFault::NoAck, true, false,
         "Write failed: the radio holds part of the new data"},
        {S::Write, O::Failed, LinkFault::NoAck, true, true, "写入失败：对讲机中只有部分新数据"},
        {S::Verify, O::Failed, LinkFault::VerifyMismatch, false, false,
         "Written, but the verify found differences"},
        {S::Verify, O::Failed, LinkFault::Timeout, false, false,
         "Written; the verify could not finish"},
        {S::Verify, O::Cancelled, LinkFault::UserCancel, false, false,
         "Written; the verify was cancelled"},
    };
    for (const Case& c : cases) {
        TransferResult result;
        result.outcome = c.outcome;
        result.fault = c.fault;
        result.radioPartlyWritten = c.partlyWritten;
        const TextCatalogue& texts = c.chinese ? ChineseTexts() : SourceTexts();
        EXPECT_EQ(ResultLine(c.step, result, 11.24, texts), c.line) << c.line;
    }
}

} // namespace
