// The station side that needs no radio: the releases of one station or of
// all, the operator's view of a station (its words and counts), and the
// recording of each radio into the log and the tally.

#include "station/clone_control.h"
#include "station/clone_recorder.h"
#include "station/station_line.h"
#include "tests/texts/test_catalogues.h"

#include <gtest/gtest.h>

namespace {

TEST(CloneControl, AReleaseOfOnePortFreesOnlyThatStationAndAReleaseOfAllFreesEvery) {
    CloneControl control;
    const ReleaseMark a = control.Releases("A");
    const ReleaseMark b = control.Releases("B");
    control.Release("A");
    // No release will come any more: a station that was released goes on,
    // one that was not ends; neither wait blocks.
    control.CloseGate();
    EXPECT_TRUE(control.WaitForRelease("A", a));
    EXPECT_FALSE(control.WaitForRelease("B", b));

    CloneControl all;
    const ReleaseMark c = all.Releases("C");
    const ReleaseMark d = all.Releases("D");
    all.Release();
    all.CloseGate();
    EXPECT_TRUE(all.WaitForRelease("C", c));
    EXPECT_TRUE(all.WaitForRelease("D", d));
    // A release taken into the mark before it was reported does not count again.
    EXPECT_FALSE(all.WaitForRelease("C", all.Releases("C")));
    // A cancel ends a released station all the same.
    all.Cancel();
    EXPECT_FALSE(all.WaitForRelease("D", d));
}

RadioReport Report(RadioResult result, bool partly = false, std::string message = {}) {
    RadioReport report;
    report.port = "COM1";
    report.result = result;
    report.partlyWritten = partly;
    report.message = std::move(message);
    return report;
}

struct LineCase {
    const char* what;
    std::vector<RadioReport> radios;
    StationState state;
    std::string text;
    int done;
    int failed;
    bool inHand;
    LineMark mark;
};

TEST(StationLine, SaysTheStateTheProgressAndHowTheLastRadioEnded) {
    const std::string partly = "The radio now holds part of the new data.";
    const LineCase cases[] = {
        {"waiting",
         {},
         StationState::WaitingForRadio,
         "waiting for a radio",
         0,
         0,
         false,
         LineMark::None},
        {"good radio",
         {Report(RadioResult::Verified)},
         StationState::WaitingForRelease,
         "done",
         1,
         0,
         false,
         LineMark::Good},
        {"refused",
         {Report(RadioResult::Refused, false, "Band Type Error")},
         StationState::WaitingForRelease,
         "refused: Band Type Error",
         0,
         1,
         false,
         LineMark::Bad},
        {"failed part-way",
         {Report(RadioResult::Written), Report(RadioResult::Failed, true, partly)},
         StationState::WaitingForRelease,
         "partly written: " + partly,
         1,
         1,
         false,
         LineMark::Bad},
        {"failed before writing",
         {Report(RadioResult::Failed, false, "Communication Error")},
         StationState::WaitingForRelease,
         "failed: Communication Error",
         0,
         1,
         false,
         LineMark::Bad},
        // A cancelled radio counts neither way, and stays in sight once stopped.
        {"stopped while writing",
         {Report(RadioResult::Cancelled, true, partly)},
         StationState::Stopped,
         "stopped; partly written: " + partly,
         0,
         0,
         false,
         LineMark::Bad},
        {"stopped before anything was written",
         {Report(RadioResult::Cancelled)},
         StationState::Stopped,
         "stopped; cancelled",
         0,
         0,
         false,
         LineMark::None},
        {"stopped after a good radio",
         {Report(RadioResult::Written)},
         StationState::Stopped,
         "stopped",
         1,
         0,
         false,
         LineMark::None},
        {"verifying", {}, StationState::Verifying, "verifying 45 %", 0, 0, true, LineMark::None},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        StationLine line;
        for (const RadioReport& report : c.radios) {
            line.OnState(StationState::Writing);
            line.OnRadio(report);
        }
        line.OnState(c.state);
        line.OnProgress(45 * 8, 100 * 8);
        EXPECT_EQ(line.Text(SourceTexts()), c.text);
        EXPECT_EQ(line.Done(), c.done);
        EXPECT_EQ(line.Failed(), c.failed);
        EXPECT_EQ(line.HasRadioInHand(), c.inHand);
        EXPECT_EQ(line.AwaitsRelease(), c.state == StationState::WaitingForRelease);
        EXPECT_EQ(line.Mark(), c.mark);
    }
}

TEST(StationLine, AStepStartsAtNoughtAndAPortNotAvailableSaysSoUntilItOpens) {
    StationLine line;
    line.OnState(StationState::ReadingFirst);
    line.OnProgress(192, 192);
    EXPECT_EQ(line.Text(SourceTexts()), "reading first 100 %");
    line.OnState(StationState::Writing);
    EXPECT_EQ(line.Text(SourceTexts()), "writing 0 %");

    // The port fails to open: its message, the failed radio, then the state
    // of the station that tries again.
    StationLine down;
    down.OnPortFailed("Could not Open the Port");
    down.OnRadio(Report(RadioResult::Failed, false, "Could not Open the Port"));
    down.OnState(StationState::PortUnavailable);
    EXPECT_EQ(down.Text(SourceTexts()), "port not available, trying again");
    EXPECT_EQ(down.Text(ChineseTexts()), "端口不可用，正在重试");
    EXPECT_EQ(down.PortFailure(), "Could not Open the Port");
    EXPECT_EQ(down.Mark(), LineMark::Retrying);
    EXPECT_EQ(down.Failed(), 1);
    EXPECT_FALSE(down.AwaitsRelease());
    // It opens: the station waits for a radio, with no trace of the failure
    // but its count.
    down.OnState(StationState::WaitingForRadio);
    EXPECT_EQ(down.Text(SourceTexts()), "waiting for a radio");
    EXPECT_EQ(down.PortFailure(), "");
    EXPECT_EQ(down.Mark(), LineMark::None);
    EXPECT_EQ(down.Failed(), 1);
    // Stopped while the port was not available: the failure stays in sight.
    down.OnState(StationState::PortUnavailable);
    down.OnState(StationState::Stopped);
    EXPECT_EQ(down.Text(SourceTexts()), "stopped; failed: Could not Open the Port");
    EXPECT_EQ(down.Mark(), LineMark::Bad);
}

TEST(CloneRecorder, CountsEveryRadioAndTellsTheFirstLogFailureOnce) {
    CloneLog unopened; // never opened: every append fails
    CloneTally tally({"COM1", "COM2"});
    CloneRecorder recorder(unopened, "abc", tally);
    EXPECT_EQ(recorder.Record(Report(RadioResult::Written)), LogOutcome::FirstFailure);
    EXPECT_EQ(recorder.Record(Report(RadioResult::Refused)), LogOutcome::Failed);
    recorder.PortFailed("COM2");
    const std::vector<PortTally> ports = tally.Ports();
    EXPECT_EQ(ports[0].good, 1);
    EXPECT_EQ(ports[0].refused, 1);
    EXPECT_TRUE(ports[1].portFailed);
    EXPECT_FALSE(tally.AllGood());
}

} // namespace
