// The one table from a transfer's typed end to what the window and the
// command line show.

#include "link/fault_messages.h"
#include "model/string_table.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TransferResult Ended(TransferKind kind, TransferOutcome outcome, LinkFault fault,
                     bool partlyWritten = false) {
    TransferResult result;
    result.kind = kind;
    result.outcome = outcome;
    result.fault = fault;
    result.radioPartlyWritten = partlyWritten;
    return result;
}

TEST(FaultMessages, EveryEndHasItsWords) {
    constexpr auto kClone = TransferKind::Clone;
    constexpr auto kDone = TransferOutcome::Completed;
    constexpr auto kFailed = TransferOutcome::Failed;
    constexpr auto kCancelled = TransferOutcome::Cancelled;
    struct Case {
        const char* name;
        TransferResult result;
        std::optional<LinkMessage> shown;
    };
    const LinkMessage interruptedWrite = WithFollowUp(kMsgProgramInterrupt, kMsgRadioPartlyWritten);
    const Case cases[] = {
        {"clone completed", Ended(kClone, kDone, LinkFault::None), std::nullopt},
        {"squelch read completed", Ended(TransferKind::SquelchRead, kDone, LinkFault::None),
         kMsgReadSuccessfully},
        {"squelch write completed", Ended(TransferKind::SquelchWrite, kDone, LinkFault::None),
         kMsgWriteSuccessfully},
        {"squelch read failed", Ended(TransferKind::SquelchRead, kFailed, LinkFault::Timeout),
         kMsgProgramInterrupt},
        {"read error", Ended(kClone, kFailed, LinkFault::Io), kMsgProgramInterrupt},
        {"silence", Ended(kClone, kFailed, LinkFault::Timeout), kMsgProgramInterrupt},
        {"no ACK", Ended(kClone, kFailed, LinkFault::NoAck), kMsgProgramInterrupt},
        {"short reply", Ended(kClone, kFailed, LinkFault::ShortReply), kMsgProgramInterrupt},
        {"bad reply", Ended(kClone, kFailed, LinkFault::BadReply), kMsgProgramInterrupt},
        {"band type", Ended(kClone, kFailed, LinkFault::BandType), kMsgBandTypeError},
        {"password", Ended(kClone, kFailed, LinkFault::Password), kMsgPasswordError},
        {"write interrupted part-way", Ended(kClone, kFailed, LinkFault::Io, true),
         interruptedWrite},
        // The prompt showed its text already, even for a partly written radio.
        {"prompt cancel", Ended(kClone, kCancelled, LinkFault::PromptCancel), std::nullopt},
        {"prompt cancel part-way", Ended(kClone, kCancelled, LinkFault::PromptCancel, true),
         std::nullopt},
        {"user cancel", Ended(kClone, kCancelled, LinkFault::UserCancel), std::nullopt},
        {"user cancel part-way", Ended(kClone, kCancelled, LinkFault::UserCancel, true),
         kMsgRadioPartlyWritten},
        // A verify failure is listed by the caller, difference by difference.
        {"verify mismatch", Ended(kClone, kFailed, LinkFault::VerifyMismatch), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndMessage(c.result), c.shown) << c.name;
    }
}

TEST(FaultMessages, PortFailureCarriesTheReasonAndThePromptItsText) {
    TransferResult result =
        Ended(TransferKind::SquelchWrite, TransferOutcome::Failed, LinkFault::OpenFailed);
    result.openFailure = {OpenFailureReason::Busy, "/dev/ttyUSB0", "", {}};
    const std::optional<LinkMessage> shown = EndMessage(result);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->stringId, kMsgCouldNotOpenPort.stringId);
    const std::string detail = LinkMessageDetail(*shown, SourceTexts());
    EXPECT_EQ(detail, OpenFailureText(result.openFailure, SourceTexts()));
    EXPECT_FALSE(detail.empty());

    EXPECT_EQ(PromptMessage(), kMsgCommunicationError);
    EXPECT_EQ(FaultMessage(LinkFault::PromptCancel), PromptMessage());
}

// A message and the sentence after it never run together, in either language.
TEST(FaultMessages, FollowUpIsASentenceOfItsOwn) {
    struct Case {
        const char* first;
        const char* second;
        const char* joined;
    };
    const Case cases[] = {
        {"Please reset the radio and try again", "The radio now holds part.",
         "Please reset the radio and try again. The radio now holds part."},
        {"Password Error!", "The radio now holds part.",
         "Password Error! The radio now holds part."},
        {"Done.", "Next.", "Done. Next."},
        {"写频中断，请重新启动对讲机后再试", "对讲机中现在只有部分新数据。",
         "写频中断，请重新启动对讲机后再试。对讲机中现在只有部分新数据。"},
        {"校验已取消。", "请重新写入。", "校验已取消。请重新写入。"},
        {"对讲机？", "请重新写入。", "对讲机？请重新写入。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinSentences(c.first, c.second), c.joined) << c.first;
    }
    // The whole message as the command line shows it.
    EXPECT_EQ(LinkMessageText(WithFollowUp(kMsgProgramInterrupt, kMsgRadioPartlyWritten),
                              SourceTexts()),
              StringTableText(IDS_PROGRAM_INTERRUPT) + std::string(". ") +
                  SourceTexts().Tr(kMsgRadioPartlyWritten.text));
}

} // namespace
