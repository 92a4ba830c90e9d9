// The clone transfer end to end refused before the data: band types the
// program does not serve, a password that does not match, and a port that
// cannot be opened, with the reason the system gives.

#include "clone_rig.h"
#include "link_qt/port_probe.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
