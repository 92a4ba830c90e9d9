// The clone transfer end to end against a faulty radio: injected faults end
// with the program-interrupt message, a reply with a foreign header is asked
// for again, a late answer within the deadline is taken, a silent radio
// prompts, and a missing acknowledgement after the identification.

#include "clone_rig.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FaultCase {
    const char* name;
    TransferDirection direction;
    SimFaultKind kind;
    int address;
    int shortLength;
    LinkFault expected;
    // A write stopped after its first data block: the message says the
    // radio holds part of the new data.
    bool partlyWritten = false;
};

class InjectedFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(InjectedFaults, EndWithProgramInterrupt) {
    const FaultCase& c = GetParam();
    SimOptions options = InstantReplies();
    options.fault.kind = c.kind;
    options.fault.address = c.address;
    options.fault.shortLength = c.shortLength;
    CloneRig rig(options);
    const RadioMemory pattern = PatternMemory(3);
    rig.radio->SetMemory(pattern);

    const TransferResult result = rig.Run(c.direction);

    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.fault, c.expected);
    EXPECT_EQ(result.faultAddress, c.address);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0],
              c.partlyWritten ? WithFollowUp(kMsgProgramInterrupt, kMsgRadioPartlyWritten)
                              : kMsgProgramInterrupt);
    EXPECT_EQ(result.radioPartlyWritten, c.partlyWritten);
    EXPECT_EQ(rig.observer.prompts, 0);
    EXPECT_FALSE(rig.link.IsOpen());
    if (c.kind == SimFaultKind::ShortReply && c.address == 0x0100) {
        // Rows received before the fault stay in the image; the faulty one is not copied.
        EXPECT_EQ(rig.image[0x00F8], pattern[0x00F8]);
        ASSERT_NE(pattern[0x0100], 0xFF);
        EXPECT_EQ(rig.image[0x0100], 0xFF);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CloneTransfer, InjectedFaults,
    ::testing::Values(FaultCase{"ElevenByteReply", TransferDirection::Read,
                                SimFaultKind::ShortReply, 0x0100, 11, LinkFault::ShortReply},
                      FaultCase{"ShortBandReply", TransferDirection::Read, SimFaultKind::ShortReply,
                                0x0FD0, 11, LinkFault::ShortReply},
                      FaultCase{"ShortPasswordReply", TransferDirection::Read,
                                SimFaultKind::ShortReply, 0x0FE0, 5, LinkFault::ShortReply},
                      FaultCase{"NoAckAfterReadBlock", TransferDirection::Read, SimFaultKind::NoAck,
                                0x0100, 0, LinkFault::NoAck},
                      FaultCase{"NoAckAfterBandBlock", TransferDirection::Write,
                                SimFaultKind::NoAck, 0x0FD8, 0, LinkFault::NoAck},
                      FaultCase{"NoAckAfterWriteBlock", TransferDirection::Write,
                                SimFaultKind::NoAck, 0x0C30, 0, LinkFault::NoAck, true},
                      FaultCase{"NoAckAfterClosingBandWrite", TransferDirection::Write,
                                SimFaultKind::NoAck, 0x0FD1, 0, LinkFault::NoAck, true},
                      FaultCase{"SilentAfterWriteBlock", TransferDirection::Write,
                                SimFaultKind::ShortReply, 0x0008, 0, LinkFault::Timeout, true},
                      FaultCase{"GarbageInsteadOfAck", TransferDirection::Write,
                                SimFaultKind::Garbage, 0x0C30, 0, LinkFault::NoAck, true},
                      FaultCase{"Disconnect", TransferDirection::Read, SimFaultKind::Disconnect,
                                0x0200, 0, LinkFault::Io}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// A read reply whose header does not echo its request (noise in its place,
// stray bytes before it) is acknowledged and asked for once more: the read
// completes with the radio's data, at a data block as at the band and the
// password check. The radio answers at once, so that no case depends on how
// fast a busy machine runs it; the end of a shifted reply that is still on
// the wire after the first twelve bytes is the engine steps' case.
TEST(CloneTransfer, AReplyWithAForeignHeaderIsAskedForAgain) {
    struct Case {
        SimFaultKind kind;
        int address;
    };
    for (const Case& c :
         {Case{SimFaultKind::Garbage, 0x0800}, Case{SimFaultKind::Stray, 0x0800},
          Case{SimFaultKind::Stray, 0x0FD8}, Case{SimFaultKind::Garbage, 0x0FE0},
          Case{SimFaultKind::Stray, 0x0C30}, Case{SimFaultKind::Stray, 0x0FE0},
          Case{SimFaultKind::Stray, 0x0010}}) {
        SCOPED_TRACE(::testing::Message() << c.address);
        SimOptions options = InstantReplies();
        options.fault.kind = c.kind;
        options.fault.address = c.address;
        CloneRig rig(options);
        const RadioMemory memory = PatternMemory(5);
        rig.radio->SetMemory(memory);
        rig.image[layout::kPassword] = 0xFF;

        const TransferResult result = rig.Run(TransferDirection::Read);

        ASSERT_EQ(result.outcome, TransferOutcome::Completed)
            << static_cast<int>(result.fault) << " at " << result.faultAddress;
        EXPECT_TRUE(rig.observer.messages.empty());
        EXPECT_TRUE(rig.radio->Violations().empty());
        // The block, its ACK and the block again: once in the whole read.
        const std::vector<SimRequest> requests = rig.radio->Requests();
        const std::vector<SimRequest> retry{
            {'R', c.address, 8}, {'A', c.address, 1}, {'R', c.address, 8}};
        const auto found =
            std::search(requests.begin(), requests.end(), retry.begin(), retry.end());
        ASSERT_NE(found, requests.end());
        EXPECT_EQ(std::search(found + 1, requests.end(), retry.begin(), retry.end()),
                  requests.end());
        for (int address = 0; address < kRadioMemorySize; ++address) {
            ASSERT_EQ(rig.image[ImageOffsetOfRadioAddress(address)], memory[address]) << address;
        }
    }
}

TEST(CloneTransfer, DelayedAnswerWithinTheDeadlineIsAccepted) {
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Delay;
    options.fault.address = 0x0FE0;
    options.fault.delayMs = 400; // well inside 12 * 100 + 90 ms
    CloneRig rig(options);
    rig.observer.onProgress = [&](int) { rig.cancel = true; };

    EXPECT_EQ(rig.Run(TransferDirection::Read).outcome, TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.observer.messages.empty());
}

TEST(CloneTransfer, SilentRadioPromptsAfterFifteenAttemptsAndRetryStartsFifteenMore) {
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Silent;
    CloneRig rig(options);
    std::vector<int> requestsAtPrompt;
    rig.observer.onPrompt = [&] {
        requestsAtPrompt.push_back(rig.radio->Stats().programModeRequests);
        EXPECT_TRUE(rig.link.IsOpen());
    };
    rig.observer.answers = {PromptAnswer::Retry, PromptAnswer::Cancel};

    const TransferResult result = rig.Run(TransferDirection::Read);

    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(result.fault, LinkFault::PromptCancel);
    EXPECT_EQ(requestsAtPrompt, (std::vector<int>{15, 30}));
    ASSERT_EQ(rig.observer.messages.size(), 2u);
    EXPECT_EQ(rig.observer.messages[0], kMsgCommunicationError);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.radio->Stats().programModeRequests, 30);
}

TEST(CloneTransfer, MissingAckAfterTheIdentification) {
    // With the failure count at most 5: the prompt; Retry then succeeds.
    {
        SimOptions options = InstantReplies();
        options.missingEntryAcks = 1;
        CloneRig rig(options);
        rig.observer.answers = {PromptAnswer::Retry};
        rig.observer.onProgress = [&](int) { rig.cancel = true; };
        EXPECT_EQ(rig.Run(TransferDirection::Read).outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(rig.observer.prompts, 1);
        EXPECT_EQ(rig.radio->Stats().entries, 2);
    }
    // With the failure count above 5 (five attempts unanswered first): Program Interrupt.
    {
        SimOptions options = InstantReplies();
        options.ignoredProgramRequests = 5;
        options.missingEntryAcks = 1;
        CloneRig rig(options);
        const TransferResult result = rig.Run(TransferDirection::Read);
        EXPECT_EQ(result.outcome, TransferOutcome::Failed);
        EXPECT_EQ(rig.observer.prompts, 0);
        ASSERT_EQ(rig.observer.messages.size(), 1u);
        EXPECT_EQ(rig.observer.messages[0], kMsgProgramInterrupt);
        EXPECT_EQ(rig.radio->Stats().programModeRequests, 6);
    }
}

} // namespace
