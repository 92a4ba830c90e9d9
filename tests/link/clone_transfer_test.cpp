// The clone transfer end to end: engine, Qt serial backend, pseudo-terminal,
// simulated radio.

#include "link/clone_engine.h"
#include "link/transfer_control.h"
#include "link_qt/port_probe.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr std::uint8_t kAckByte = 0x06;

struct CloneRig {
    explicit CloneRig(const SimOptions& options = InstantReplies()) : radio(StartRadio(options)) {}

    TransferResult Run(TransferDirection direction) {
        CloneEngine engine(link, observer, cancel);
        return engine.Run(direction, radio->DevicePath(), image);
    }

    std::unique_ptr<SimulatedRadio> radio;
    QtSerialLink link;
    RecordingObserver observer;
    std::atomic<bool> cancel{false};
    RadioImage image;
};

// The radio receives: entry, band check, entry again.
ByteVector EntryAndBandCheck() {
    return Concat({EntryBytes(),
                   ReadRequestBytes(0x0FD0),
                   {kAckByte},
                   ReadRequestBytes(0x0FD8),
                   {kAckByte},
                   EntryBytes()});
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) {
        values.push_back(v);
    }
    return values;
}

TEST(CloneTransfer, ReadSendsTheExactSequenceAndFillsTheImage) {
    CloneRig rig;
    const RadioMemory memory = PatternMemory(7);
    rig.radio->SetMemory(memory);
    rig.image[layout::kPassword] = 0xFF; // new document: no password
    rig.image[0x0C30] = 0x5A;            // a spare row the wire never touches
    rig.image[24 * 200 + 20] = 0xA5;     // a byte beyond the 16 that travel

    const TransferResult result = rig.Run(TransferDirection::Read);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed)
        << static_cast<int>(result.fault) << " at " << result.faultAddress;
    EXPECT_EQ(result.progress, kReadRows);
    EXPECT_EQ(rig.observer.progress, Range(1, 191));
    // Words only: the positions come as progress.
    EXPECT_EQ(rig.observer.statuses,
              std::vector<std::string>(2, "Waiting the response from radio...."));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());

    ByteVector expected = EntryAndBandCheck();
    Append(expected, Concat({ReadRequestBytes(0x0FE0), {kAckByte}}));
    for (int address = 0; address < kRadioMemorySize; address += 8) {
        Append(expected, Concat({ReadRequestBytes(address), {kAckByte}}));
    }
    EXPECT_EQ(rig.radio->ReceivedBytes(), expected);

    for (int address = 0; address < kRadioMemorySize; ++address) {
        ASSERT_EQ(rig.image[ImageOffsetOfRadioAddress(address)], memory[address]) << address;
    }
    EXPECT_EQ(rig.image[0x0C30], 0x5A);
    EXPECT_EQ(rig.image[24 * 200 + 20], 0xA5);
    // Six pump passes before each of the two entries, five after each row.
    EXPECT_EQ(rig.observer.pumps, 2 * 6 + 191 * 5);
}

TEST(CloneTransfer, WriteSendsTheExactSequenceAndClosesWithTheBandByte) {
    CloneRig rig;
    const RadioMemory before = PatternMemory(11);
    rig.radio->SetMemory(before);
    const RadioMemory source = PatternMemory(12);
    CopyRadioMemoryToImage(source, rig.image);

    const TransferResult result = rig.Run(TransferDirection::Write);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.progress, kWriteRows);
    EXPECT_EQ(rig.observer.progress, Range(1, 189));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());

    ByteVector expected = EntryAndBandCheck();
    for (int address = 0; address < 0x0FF0; address += 8) {
        if (address >= 0x0FD0 && address < 0x0FE0) {
            continue;
        }
        Append(expected, {0x57, static_cast<std::uint8_t>(address >> 8),
                          static_cast<std::uint8_t>(address & 0xFF), 0x08});
        Append(expected, ByteVector(source.begin() + address, source.begin() + address + 8));
    }
    Append(expected, {0x57, 0x0F, 0xD1, 0x01, 0x03});
    EXPECT_EQ(rig.radio->ReceivedBytes(), expected);

    const RadioMemory after = rig.radio->Memory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        const bool bandBlock = address >= 0x0FD0 && address < 0x0FE0;
        const bool lastRow = address >= 0x0FF0;
        if (address == kBandTypeAddress) {
            EXPECT_EQ(after[address], 0x03);
        } else if (bandBlock || lastRow) {
            ASSERT_EQ(after[address], before[address]) << "radio-owned byte changed at " << address;
        } else {
            ASSERT_EQ(after[address], source[address]) << address;
        }
    }
}

TEST(CloneTransfer, ReadWriteReadRoundTripKeepsEveryByteThatTravels) {
    CloneRig first;
    first.radio->SetMemory(PatternMemory(21));
    ASSERT_EQ(first.Run(TransferDirection::Read).outcome, TransferOutcome::Completed);

    CloneRig second;
    second.image = first.image;
    ASSERT_EQ(second.Run(TransferDirection::Write).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(second.radio->Violations().empty());

    RadioImage reread = first.image; // same password as the radio now holds
    CloneEngine engine(second.link, second.observer, second.cancel);
    ASSERT_EQ(engine.Run(TransferDirection::Read, second.radio->DevicePath(), reread).outcome,
              TransferOutcome::Completed);

    const RadioMemory written = second.radio->Memory();
    const RadioMemory fresh = DefaultRadioMemory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        const std::size_t offset = ImageOffsetOfRadioAddress(address);
        if (address == kBandTypeAddress) {
            EXPECT_EQ(written[address], 0x03);
        } else if ((address >= 0x0FD0 && address < 0x0FE0) || address >= 0x0FF0) {
            EXPECT_EQ(written[address], fresh[address]) << address;
        } else {
            ASSERT_EQ(written[address], first.image[offset]) << address;
        }
        ASSERT_EQ(reread[offset], written[address]) << address;
    }
}

struct BandCase {
    std::uint8_t bandType;
    bool accepted;
};

class BandTypes : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandTypes, RefusedAfterTheSecondBandBlockOrAcceptedWithTwoEntries) {
    SimOptions options = InstantReplies();
    options.bandType = GetParam().bandType;
    CloneRig rig(options);
    // An accepted radio goes on to the blocks; stop after the first row.
    rig.observer.onProgress = [&](int) { rig.cancel = true; };

    const TransferResult result = rig.Run(TransferDirection::Read);

    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());
    const std::vector<SimRequest> requests = rig.radio->Requests();
    if (GetParam().accepted) {
        EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(result.fault, LinkFault::UserCancel);
        EXPECT_EQ(rig.radio->Stats().programModeRequests, 2);
        EXPECT_TRUE(rig.observer.messages.empty());
    } else {
        EXPECT_EQ(result.outcome, TransferOutcome::Failed);
        EXPECT_EQ(result.fault, LinkFault::BandType);
        ASSERT_EQ(rig.observer.messages.size(), 1u);
        EXPECT_EQ(rig.observer.messages[0], kMsgBandTypeError);
        EXPECT_EQ(rig.radio->Stats().programModeRequests, 1);
        // The second band block was acknowledged; nothing followed.
        ASSERT_GE(requests.size(), 2u);
        EXPECT_EQ(requests[requests.size() - 2], (SimRequest{'R', 0x0FD8, 8}));
        EXPECT_EQ(requests.back(), (SimRequest{'A', 0x0FD8, 1}));
    }
}

INSTANTIATE_TEST_SUITE_P(CloneTransfer, BandTypes,
                         ::testing::Values(BandCase{0, true}, BandCase{1, false},
                                           BandCase{2, false}, BandCase{3, true},
                                           BandCase{4, false}, BandCase{5, false},
                                           BandCase{6, true}, BandCase{0xFF, true}));

TEST(CloneTransfer, PasswordCheck) {
    struct Case {
        const char* document;
        bool matches;
    };
    for (const Case& c : {Case{"123457", false}, Case{"123456", true}}) {
        SimOptions options = InstantReplies();
        options.password = "123456";
        CloneRig rig(options);
        for (std::size_t i = 0; i < layout::kPasswordSize; ++i) {
            rig.image[layout::kPassword + i] = static_cast<std::uint8_t>(c.document[i]);
        }
        rig.observer.onProgress = [&](int) { rig.cancel = true; };

        const TransferResult result = rig.Run(TransferDirection::Read);

        const std::vector<SimRequest> requests = rig.radio->Requests();
        EXPECT_FALSE(rig.link.IsOpen());
        if (c.matches) {
            EXPECT_EQ(result.outcome, TransferOutcome::Cancelled) << c.document;
            EXPECT_EQ(requests.back(), (SimRequest{'A', 0x0010, 1}));
        } else {
            EXPECT_EQ(result.fault, LinkFault::Password);
            ASSERT_EQ(rig.observer.messages.size(), 1u);
            EXPECT_EQ(rig.observer.messages[0], kMsgPasswordError);
            // No data block requested, and the password block not acknowledged.
            EXPECT_EQ(requests.back(), (SimRequest{'R', 0x0FE0, 8}));
            EXPECT_EQ(rig.observer.progress.size(), 0u);
        }
    }
}

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

TEST(CloneTransfer, CancelDuringTheBlocksEndsAfterTheCurrentRowWithThePortClosed) {
    for (const TransferDirection direction : {TransferDirection::Read, TransferDirection::Write}) {
        CloneRig rig;
        rig.observer.onProgress = [&](int position) {
            if (position == 10) {
                rig.cancel = true;
            }
        };

        const TransferResult result = rig.Run(direction);

        EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(result.progress, 10);
        // A cancelled write says on its own that the radio is partly written.
        const bool write = direction == TransferDirection::Write;
        EXPECT_EQ(result.radioPartlyWritten, write);
        EXPECT_EQ(rig.observer.messages, write ? std::vector<LinkMessage>{kMsgRadioPartlyWritten}
                                               : std::vector<LinkMessage>{});
        EXPECT_FALSE(rig.link.IsOpen());
        EXPECT_TRUE(ProbePort(rig.radio->DevicePath()));
        const std::vector<SimRequest> requests = rig.radio->Requests();
        const int lastBlock = 10 * 24 - 8;
        if (direction == TransferDirection::Read) {
            EXPECT_EQ(requests.back(), (SimRequest{'A', lastBlock, 1}));
        } else {
            EXPECT_EQ(requests.back(), (SimRequest{'W', lastBlock, 8}));
        }
    }
}

TEST(CloneTransfer, CancelBeforeStartRefusesTheStartAndRaisesTheFlag) {
    TransferControl control;
    EXPECT_TRUE(control.Cancel());
    EXPECT_FALSE(control.Start());
    EXPECT_FALSE(control.Started());
    // An engine run on that flag all the same sends nothing and closes the port.
    CloneRig rig;
    CloneEngine engine(rig.link, rig.observer, control.CancelFlag());
    const TransferResult result =
        engine.Run(TransferDirection::Write, rig.radio->DevicePath(), rig.image);
    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.radio->ReceivedBytes().empty());
    EXPECT_FALSE(rig.link.IsOpen());

    // Once started, Cancel only raises the flag for the running transfer.
    TransferControl running;
    EXPECT_TRUE(running.Start());
    EXPECT_FALSE(running.Start());
    EXPECT_FALSE(running.Cancel());
    EXPECT_TRUE(running.CancelFlag().load());
}

TEST(CloneTransfer, CancelFlagSeenAtTheFirstPumpSendsNothing) {
    CloneRig rig;
    rig.cancel = true;
    const TransferResult result = rig.Run(TransferDirection::Write);
    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(rig.observer.pumps, 1);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->ReceivedBytes().empty());
}

// The message says why, as the system tells it: no such device, no such
// port, or another program holding the port.
TEST(CloneTransfer, PortThatCannotBeOpened) {
    auto radio = StartRadio(InstantReplies());
    QtSerialLink otherProgram;
    ASSERT_TRUE(otherProgram.Open(radio->DevicePath()));
    struct Case {
        std::string port;
        std::string reason;
    };
    std::vector<Case> cases{
        {"/dev/no-such-port", "Reason: no such device (/dev/no-such-port)."},
        {radio->DevicePath(),
         "Reason: the port is busy; another program is using it (" + radio->DevicePath() + ")."}};
    if (SystemSerialDevices().size() < 16) {
        // No sixteenth serial device on this machine.
        cases.push_back({"COM16", "Reason: the system has no such port."});
    }
    for (const Case& c : cases) {
        QtSerialLink link;
        RecordingObserver observer;
        std::atomic<bool> cancel{false};
        RadioImage image;
        CloneEngine engine(link, observer, cancel);

        const TransferResult result = engine.Run(TransferDirection::Read, c.port, image);

        EXPECT_EQ(result.outcome, TransferOutcome::Failed) << c.port;
        EXPECT_EQ(result.fault, LinkFault::OpenFailed);
        ASSERT_EQ(observer.messages.size(), 1u);
        EXPECT_EQ(observer.messages[0].stringId, kMsgCouldNotOpenPort.stringId) << c.port;
        EXPECT_EQ(LinkMessageDetail(observer.messages[0], SourceTexts()), c.reason) << c.port;
        EXPECT_EQ(observer.pumps, 0);
    }
    EXPECT_TRUE(radio->ReceivedBytes().empty());
}

} // namespace
