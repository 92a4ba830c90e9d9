// The write with its safety steps, end to end through a pseudo-terminal: the
// read before the write keeps what the radio held, the read-back finds a
// block the radio stored wrongly even though it acknowledged it, and a
// read-back that cannot finish never passes for a verified write.

#include "link/fault_messages.h"
#include "link/forwarding_link.h"
#include "link/write_safety.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"
#include "model/channel_codec.h"
#include "model/fields/optional_fields.h"
#include "model/program_document.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Counts the times the real port is opened and closed.
class PortCounter : public ForwardingLink {
public:
    using ForwardingLink::ForwardingLink;
    bool Open(const std::string& portName) override {
        ++opens;
        return ForwardingLink::Open(portName);
    }
    void Close() override {
        closes += IsOpen() ? 1 : 0;
        ForwardingLink::Close();
    }
    int opens = 0;
    int closes = 0;
};

struct SafetyRig {
    explicit SafetyRig(SimOptions options = InstantReplies()) : radio(StartRadio(options)) {
        FillNewDocumentImage(image, kDefaultBandCode);
        EncodeRecord(
            {"145.50000", "145.50000", "None", "None", "ABC", "High", "Wide", "Yes", "Off"},
            image.data() + layout::ChannelRecord(1));
    }

    SafeWriteResult Run(WriteSafety safety) {
        return RunSafeWrite(link, observer, cancel, radio->DevicePath(), image, safety,
                            SourceTexts());
    }

    std::unique_ptr<SimulatedRadio> radio;
    QtSerialLink serial;
    PortCounter link{serial};
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
    EXPECT_EQ(rig.observer.statuses.front(), SourceTexts().Tr(kReadFirstStatus));
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
        // The inverted byte is a code no item stores: shown as it is.
        {0x0C40, "0x0C40 optional.tot: \"30\" -> \"254 (not in the list)\""},
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
        EXPECT_TRUE(MismatchLine(result.mismatches[0], SourceTexts()).starts_with(c.line))
            << MismatchLine(result.mismatches[0], SourceTexts());
        EXPECT_NE(VerifyFailureText(result.mismatches, SourceTexts())
                      .find(MismatchLine(result.mismatches[0], SourceTexts())),
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
    EXPECT_TRUE(CompareWritten(written, readBack, SourceTexts()).empty());
    readBack[ImageOffsetOfRadioAddress(kBandTypeAddress)] = 0x05;
    const std::vector<VerifyMismatch> found = CompareWritten(written, readBack, SourceTexts());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(MismatchLine(found[0], SourceTexts()), "0x0FD1 product.band_type: \"3\" -> \"5\"");
    // Bytes a write never sends are not compared.
    readBack[ImageOffsetOfRadioAddress(kBandTypeAddress)] = kClosingBandValue;
    readBack[ImageOffsetOfRadioAddress(kBandCodeBlockAddress)] = 0x00;
    readBack[ImageOffsetOfRadioAddress(0x0FD8)] = 0x00;
    EXPECT_TRUE(CompareWritten(written, readBack, SourceTexts()).empty());
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

// The port is opened once for all the steps and closed once after them, so
// that no other program can take it between the read and the write.
TEST(WriteSafety, ThePortStaysOpenFromTheFirstStepToTheLast) {
    SafetyRig rig;
    const SafeWriteResult result = rig.Run({.readFirst = true, .verify = true});
    ASSERT_EQ(result.result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(rig.radio->Stats().programModeRequests, 6);
    EXPECT_EQ(rig.link.opens, 1);
    EXPECT_EQ(rig.link.closes, 1);
    EXPECT_FALSE(rig.serial.IsOpen());
}

// The read before the write takes the document's password as Optional
// Features shows it: one that shows empty reads a radio whose password shows
// empty, whatever bytes either holds, and still not a radio with a password.
TEST(WriteSafety, ReadFirstTakesAnEmptyLookingPasswordAsEmpty) {
    struct Case {
        const char* what;
        const char* radioPassword; // nullptr: none (six 0xFF)
        bool written;
    };
    const Case cases[] = {
        {"radio without password", nullptr, true},
        {"radio holding the document's bytes", "AB", true},
        {"radio with a letter first", "X1", true},
        {"radio with a password", "777", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimOptions options = InstantReplies();
        if (c.radioPassword != nullptr) {
            options.password = c.radioPassword;
        }
        SafetyRig rig(options);
        // Letters first: the dialog shows an empty password.
        optional_features::StorePassword("AB", rig.image);
        ASSERT_EQ(optional_features::LoadPassword(rig.image), "");
        const SafeWriteResult result = rig.Run({.readFirst = true});
        EXPECT_EQ(result.result.outcome == TransferOutcome::Completed, c.written);
        EXPECT_EQ(result.before.has_value(), c.written);
        EXPECT_EQ(rig.radio->Stats().blocksWritten, c.written ? 508 : 0);
        if (!c.written) {
            EXPECT_EQ(result.result.fault, LinkFault::Password);
        }
    }
    // A plain read still asks for the document's own six bytes.
    SafetyRig rig;
    optional_features::StorePassword("AB", rig.image);
    EXPECT_EQ(CloneEngine(rig.link, rig.observer, rig.cancel)
                  .Run(TransferDirection::Read, rig.radio->DevicePath(), rig.image)
                  .fault,
              LinkFault::Password);
}

// After a completed write the read-back fails (the radio stops answering
// before its last block) or is cancelled: the outcome stays a failure or a
// cancel, and the one message says that the write completed and the verify
// did not, in place of "Program Interrupt".
TEST(WriteSafety, AReadBackThatCannotFinishSaysTheWriteCompleted) {
    struct Case {
        const char* what;
        SimFaultKind fault; // at 0x0FF0, a block only a read asks for
        bool cancel;        // the cancel flag set during the read-back
        TransferOutcome outcome;
        LinkFault linkFault;
        const LinkMessage& message;
    };
    const Case cases[] = {
        {"short reply", SimFaultKind::ShortReply, false, TransferOutcome::Failed,
         LinkFault::ShortReply, kMsgVerifyNotFinished},
        {"no ACK", SimFaultKind::NoAck, false, TransferOutcome::Failed, LinkFault::NoAck,
         kMsgVerifyNotFinished},
        {"cancelled", SimFaultKind::None, true, TransferOutcome::Cancelled, LinkFault::UserCancel,
         kMsgVerifyCancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimOptions options = InstantReplies();
        options.fault.kind = c.fault;
        options.fault.address = 0x0FF0;
        SafetyRig rig(options);
        if (c.cancel) {
            // Row 100 of the read-back, after the verify's status text.
            rig.observer.onProgress = [&rig](int position) {
                const std::vector<std::string>& statuses = rig.observer.statuses;
                const bool verifying = std::find(statuses.begin(), statuses.end(),
                                                 SourceTexts().Tr(kVerifyStatus)) != statuses.end();
                rig.cancel = rig.cancel || (verifying && position == 100);
            };
        }
        const SafeWriteResult result = rig.Run({.verify = true});
        EXPECT_EQ(result.stage, WriteStage::Verify);
        EXPECT_EQ(result.result.outcome, c.outcome);
        EXPECT_EQ(result.result.fault, c.linkFault);
        EXPECT_FALSE(result.result.radioPartlyWritten);
        EXPECT_TRUE(result.mismatches.empty());
        EXPECT_TRUE(result.result.verifyUnfinished);
        EXPECT_EQ(EndMessage(result.result), std::optional<LinkMessage>(c.message));
        EXPECT_EQ(rig.observer.messages, std::vector<LinkMessage>{c.message});
        EXPECT_EQ(rig.radio->Stats().closingBandWrites, 1);
        ExpectRadioHolds(*rig.radio, rig.image);
    }
}


} // namespace
