// The clone transfer cancelled: during the blocks it ends after the current
// row with the port closed; before the start it refuses the start and raises
// the flag, and a flag seen at the first pump sends nothing.

#include "clone_rig.h"
#include "link/transfer_control.h"
#include "link_qt/port_probe.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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

} // namespace
