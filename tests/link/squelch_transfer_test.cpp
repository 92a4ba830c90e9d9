// The squelch tuning transfers against the simulated radio.

#include "link/squelch_engine.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

struct SquelchRig {
    explicit SquelchRig(const SimOptions& options = InstantReplies())
        : radio(StartRadio(options)) {}

    std::unique_ptr<SimulatedRadio> radio;
    QtSerialLink link;
    RecordingObserver observer;
    RadioImage image;
};

void SetLevels(RadioImage& image, std::initializer_list<std::uint8_t> levels) {
    std::size_t at = layout::kSquelchLevels;
    for (const std::uint8_t level : levels) {
        image[at++] = level;
    }
}

ByteVector Levels(const RadioImage& image) {
    const std::uint8_t* levels = image.data() + layout::kSquelchLevels;
    return ByteVector(levels, levels + layout::kSquelchLevelCount);
}

TEST(SquelchTransfer, ReadSendsOneRequestAndNoAck) {
    SquelchRig rig;
    RadioMemory memory = DefaultRadioMemory();
    memory[0x0FF6] = 9;
    memory[0x0FF7] = 118;
    memory[0x0FF8] = 64;
    memory[0x0FF9] = 0xFF;
    rig.radio->SetMemory(memory);

    SquelchEngine engine(rig.link, rig.observer);
    const TransferResult result = engine.Read(rig.radio->DevicePath(), rig.image);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(Levels(rig.image), (ByteVector{9, 118, 64, 0xFF}));
    EXPECT_EQ(rig.radio->ReceivedBytes(), Concat({EntryBytes(), ReadRequestBytes(0x0FF6, 4)}));
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], kMsgReadSuccessfully);
    // No status text and no pump passes.
    EXPECT_TRUE(rig.observer.statuses.empty());
    EXPECT_EQ(rig.observer.pumps, 0);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());
}

TEST(SquelchTransfer, ReadWorksWithWireTimeAndSlowReplies) {
    const SimOptions wire{};
    SimOptions slow = InstantReplies();
    slow.replyLatencyMs = 60;
    for (const SimOptions& options : {wire, slow}) {
        SquelchRig rig(options);
        SquelchEngine engine(rig.link, rig.observer);
        EXPECT_EQ(engine.Read(rig.radio->DevicePath(), rig.image).outcome,
                  TransferOutcome::Completed);
        EXPECT_EQ(Levels(rig.image), (ByteVector{0x29, 0x27, 0x22, 0x1E}));
        EXPECT_EQ(rig.observer.prompts, 0);
    }
}

TEST(SquelchTransfer, WriteSendsFourPlusFourBytesAfterStoringTheLevels) {
    SquelchRig rig;
    SetLevels(rig.image, {1, 2, 3, 4});
    int stores = 0;
    const auto storeLevels = [&](RadioImage& image) {
        ++stores;
        EXPECT_EQ(rig.radio->Stats().entries, 1) << "levels stored before the entry";
        SetLevels(image, {9, 118, 0x29, 0x1E});
    };

    SquelchEngine engine(rig.link, rig.observer);
    const TransferResult result = engine.Write(rig.radio->DevicePath(), rig.image, storeLevels);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(rig.radio->ReceivedBytes(),
              Concat({EntryBytes(), {0x57, 0x0F, 0xF6, 0x04, 9, 118, 0x29, 0x1E}}));
    const RadioMemory memory = rig.radio->Memory();
    EXPECT_EQ(ByteVector(memory.begin() + 0x0FF6, memory.begin() + 0x0FFA),
              (ByteVector{9, 118, 0x29, 0x1E}));
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], kMsgWriteSuccessfully);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());
}

TEST(SquelchTransfer, ShortReplyKeepsTheOldLevels) {
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::ShortReply;
    options.fault.address = 0x0FF6;
    options.fault.shortLength = 6;
    SquelchRig rig(options);
    SetLevels(rig.image, {0x29, 0x27, 0x22, 0x1E});

    SquelchEngine engine(rig.link, rig.observer);
    const TransferResult result = engine.Read(rig.radio->DevicePath(), rig.image);

    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.fault, LinkFault::ShortReply);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], kMsgProgramInterrupt);
    EXPECT_EQ(Levels(rig.image), (ByteVector{0x29, 0x27, 0x22, 0x1E}));
    EXPECT_FALSE(rig.link.IsOpen());
}

TEST(SquelchTransfer, MissingAckAfterTheWrite) {
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::NoAck;
    options.fault.address = 0x0FF6;
    SquelchRig rig(options);

    SquelchEngine engine(rig.link, rig.observer);
    const TransferResult result = engine.Write(rig.radio->DevicePath(), rig.image);

    EXPECT_EQ(result.fault, LinkFault::NoAck);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], kMsgProgramInterrupt);
    EXPECT_FALSE(rig.link.IsOpen());
}

TEST(SquelchTransfer, EntryFailuresPromptAndOpenFailureStops) {
    // The radio's first entry misses its closing ACK: prompt, Retry, success.
    {
        SimOptions options = InstantReplies();
        options.missingEntryAcks = 1;
        SquelchRig rig(options);
        rig.observer.answers = {PromptAnswer::Retry};
        SquelchEngine engine(rig.link, rig.observer);
        EXPECT_EQ(engine.Read(rig.radio->DevicePath(), rig.image).outcome,
                  TransferOutcome::Completed);
        EXPECT_EQ(rig.observer.prompts, 1);
    }
    {
        QtSerialLink link;
        RecordingObserver observer;
        RadioImage image;
        SquelchEngine engine(link, observer);
        const TransferResult result = engine.Write("/dev/no-such-port", image);
        EXPECT_EQ(result.fault, LinkFault::OpenFailed);
        ASSERT_EQ(observer.messages.size(), 1u);
        EXPECT_EQ(observer.messages[0].stringId, kMsgCouldNotOpenPort.stringId);
        EXPECT_EQ(LinkMessageDetail(observer.messages[0], SourceTexts()),
                  "Reason: no such device (/dev/no-such-port).");
    }
}

// A cancel flag, given, is tested before each programming-mode attempt: a
// silent radio is given up at once, with nothing shown and nothing written.
TEST(SquelchTransfer, CancelFlagStopsTheEntryAttempts) {
    for (const bool write : {false, true}) {
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::Silent;
        SquelchRig rig(options);
        std::atomic<bool> cancel{false};
        SquelchEngine engine(rig.link, rig.observer, &cancel);
        std::thread raiser([&] {
            while (rig.radio->Stats().programModeRequests < 2) {
                std::this_thread::yield();
            }
            cancel = true;
        });
        const RadioImage before = rig.image;
        const TransferResult result = write ? engine.Write(rig.radio->DevicePath(), rig.image)
                                            : engine.Read(rig.radio->DevicePath(), rig.image);
        raiser.join();
        const int attempts = rig.radio->Stats().programModeRequests;

        EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(result.fault, LinkFault::UserCancel);
        EXPECT_TRUE(rig.observer.messages.empty());
        EXPECT_EQ(rig.observer.prompts, 0);
        EXPECT_LT(attempts, 15);
        EXPECT_EQ(rig.radio->Stats().squelchWrites, 0);
        EXPECT_EQ(rig.image.bytes(), before.bytes());
        EXPECT_FALSE(rig.link.IsOpen());
    }
}

} // namespace
