// The write with its safety steps, end to end through a pseudo-terminal: the
// read before the write keeps what the radio held, and the read-back finds a
// block the radio stored wrongly even though it acknowledged it.

#include "link/write_safety.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"
#include "model/channel_codec.h"
#include "model/program_document.h"

#include <gtest/gtest.h>

namespace {

struct SafetyRig {
    explicit SafetyRig(SimOptions options = InstantReplies()) : radio(StartRadio(options)) {
        FillNewDocumentImage(image);
        EncodeRecord(
            {"145.50000", "145.50000", "None", "None", "ABC", "High", "Wide", "Yes", "Off"},
            image.data() + layout::ChannelRecord(1));
    }

    SafeWriteResult Run(WriteSafety safety) {
        return RunSafeWrite(link, observer, cancel, radio->DevicePath(), image, safety);
    }

    std::unique_ptr<SimulatedRadio> radio;
    QtSerialLink link;
    RecordingObserver observer;
    std::atomic<bool> cancel{false};
    RadioImage image;
};

// Every byte the write sends, as the radio now holds it.
void ExpectRadioHolds(const SimulatedRadio& radio, const RadioImage& image) {
    const RadioMemory memory = radio.Memory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        if (IsWrittenBlockAddress(address)) {
            ASSERT_EQ(memory[static_cast<std::size_t>(address)],
                      image[ImageOffsetOfRadioAddress(address)])
                << address;
        }
    }
}

TEST(WriteSafety, WithoutStepsItIsThePlainWrite) {
    SafetyRig rig;
    const SafeWriteResult result = rig.Run({});
    ASSERT_EQ(result.result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.stage, WriteStage::Write);
    EXPECT_FALSE(result.before.has_value());
    EXPECT_EQ(rig.radio->Stats().programModeRequests, 2);
    EXPECT_EQ(rig.radio->Stats().blocksWritten, 508);
    ExpectRadioHolds(*rig.radio, rig.image);
}

TEST(WriteSafety, ReadFirstKeepsWhatTheRadioHeldThenWrites) {
    SafetyRig rig;
    const RadioMemory old = PatternMemory(3);
    rig.radio->SetMemory(old);
    const SafeWriteResult result = rig.Run({.readFirst = true});
    ASSERT_EQ(result.result.outcome, TransferOutcome::Completed);
    ASSERT_TRUE(result.before.has_value());
    EXPECT_EQ(RadioMemoryFromImage(*result.before), old);
    EXPECT_EQ(rig.observer.statuses.front(), ReadFirstStatusText());
    EXPECT_EQ(rig.radio->Stats().programModeRequests, 4);
    ExpectRadioHolds(*rig.radio, rig.image);
    EXPECT_TRUE(rig.radio->Violations().empty());
}

TEST(WriteSafety, AReadFirstThatFailsWritesNothing) {
    SimOptions options = InstantReplies();
    options.password = "123";
    SafetyRig rig(options);
    const RadioMemory old = rig.radio->Memory();
    const SafeWriteResult result = rig.Run({.readFirst = true, .verify = true});
    EXPECT_EQ(result.result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.result.fault, LinkFault::Password);
    EXPECT_EQ(result.stage, WriteStage::ReadFirst);
    EXPECT_FALSE(result.before.has_value());
    EXPECT_EQ(rig.radio->Stats().blocksWritten, 0);
    EXPECT_EQ(rig.radio->Memory(), old);
}

TEST(WriteSafety, VerifyOfAHealthyRadioFindsNothing) {
    SafetyRig rig;
    const SafeWriteResult result = rig.Run({.verify = true});
    ASSERT_EQ(result.result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.stage, WriteStage::Verify);
    EXPECT_TRUE(result.mismatches.empty());
    EXPECT_EQ(rig.radio->Stats().programModeRequests, 4);
    EXPECT_EQ(rig.observer.progress.back(), kReadRows);
}

struct CorruptCase {
    int address;
    const char* line; // the mismatch as the user reads it
};

TEST(WriteSafety, VerifyNamesTheBlockTheRadioStoredWrongly) {
    const CorruptCase cases[] = {
        {0x0018, "0x0018 channel 2 Rx Frequency: \"145.50000\" -> \"145.50"},
        {0x0C40, "0x0C40 optional.tot: \"30\" -> \"Off\""},
        {0x0C30, "0x0C30: FF -> 00"},
        {0x0FE0, "0x0FE0: FF -> 00"},
    };
    for (const CorruptCase& c : cases) {
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::Corrupt;
        options.fault.address = c.address;
        SafetyRig rig(options);
        const SafeWriteResult result = rig.Run({.verify = true});
        EXPECT_EQ(result.result.outcome, TransferOutcome::Failed) << c.address;
        EXPECT_EQ(result.result.fault, LinkFault::VerifyMismatch) << c.address;
        EXPECT_EQ(result.result.faultAddress, c.address);
        ASSERT_EQ(result.mismatches.size(), 1u) << c.address;
        EXPECT_TRUE(MismatchLine(result.mismatches[0]).starts_with(c.line))
            << MismatchLine(result.mismatches[0]);
        EXPECT_NE(VerifyFailureText(result.mismatches).find(MismatchLine(result.mismatches[0])),
                  std::string::npos);
        EXPECT_TRUE(rig.radio->Violations().empty());
    }
}

TEST(WriteSafety, WithoutVerifyAStoredFaultGoesUnseen) {
    // The same failing cell as above: the plain write reports success, which
    // is what the read-back is for.
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Corrupt;
    options.fault.address = 0x0018;
    SafetyRig rig(options);
    EXPECT_EQ(rig.Run({}).result.outcome, TransferOutcome::Completed);
    EXPECT_NE(rig.radio->Memory()[0x0018], rig.image[0x0018]);
}

TEST(WriteSafety, TheClosingBandByteIsChecked) {
    RadioImage written;
    RadioImage readBack = written;
    readBack[ImageOffsetOfRadioAddress(kBandTypeAddress)] = kClosingBandValue;
    EXPECT_TRUE(CompareWritten(written, readBack).empty());
    readBack[ImageOffsetOfRadioAddress(kBandTypeAddress)] = 0x05;
    const std::vector<VerifyMismatch> found = CompareWritten(written, readBack);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(MismatchLine(found[0]), "0x0FD1: 03 -> 05");
    // Bytes a write never sends are not compared.
    readBack[ImageOffsetOfRadioAddress(kBandTypeAddress)] = kClosingBandValue;
    readBack[ImageOffsetOfRadioAddress(kBandCodeBlockAddress)] = 0x00;
    readBack[ImageOffsetOfRadioAddress(0x0FD8)] = 0x00;
    EXPECT_TRUE(CompareWritten(written, readBack).empty());
}

TEST(WriteSafety, WrittenAddressesAreTheBlocksTheWriteSends) {
    SafetyRig rig;
    ASSERT_EQ(rig.Run({}).result.outcome, TransferOutcome::Completed);
    std::vector<bool> sent(kRadioMemorySize, false);
    for (const SimRequest& request : rig.radio->Requests()) {
        if (request.kind == 'W' && request.length == 8) {
            for (int i = 0; i < 8; ++i) {
                sent[static_cast<std::size_t>(request.address + i)] = true;
            }
        }
    }
    for (int address = 0; address < kRadioMemorySize; ++address) {
        EXPECT_EQ(sent[static_cast<std::size_t>(address)], IsWrittenBlockAddress(address))
            << address;
    }
}

} // namespace
