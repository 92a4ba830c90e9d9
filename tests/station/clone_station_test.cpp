// Clone stations against simulated radios on real pseudo-terminals, several
// at once, each station on its own thread with its own Qt serial link. The
// tests wait for what the stations report, never for a time: a guard only
// turns a station that hangs into a failure.

#include "link/address_map.h"
#include "link/transfer_steps.h"
#include "link_qt/qt_serial_link.h"
#include "model/image_layout.h"
#include "station/clone_station.h"
#include "tests/link/link_test_support.h"
#include "tests/settings/temp_dir.h"

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>

namespace {

using namespace std::chrono_literals;

// Records what the stations report and lets the test wait for a state of
// the session.
class RecordingStations : public StationObserver {
public:
    void OnState(const std::string& port, StationState state) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        states[port] = state;
        history[port].push_back({state, 0, 0});
        m_changed.notify_all();
    }
    void OnProgress(const std::string& port, int position, int total) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            Step& step = history[port].back();
            step.last = position;
            step.total = total;
        }
        if (onProgress) {
            onProgress(port, position, total);
        }
    }
    void OnRadio(const RadioReport& report) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        reports.push_back(report);
        m_changed.notify_all();
    }
    void OnPortFailed(const std::string& port, const std::string& message) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        portFailures[port] = message;
        m_changed.notify_all();
    }

    // Waits until radios reports are in and `waiting` stations wait for the
    // operator; false when that does not come within the guard.
    bool WaitFor(std::size_t radios, int waiting) {
        return WaitUntil([&] {
            int count = 0;
            for (const auto& [port, state] : states) {
                count += state == StationState::WaitingForRelease ? 1 : 0;
            }
            return reports.size() >= radios && count >= waiting;
        });
    }
    // Waits until done() holds, called with the reports locked.
    bool WaitUntil(const std::function<bool()>& done) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, 120s, done);
    }
    std::vector<RadioReport> Reports() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return reports;
    }

    // A state as reported, with the last progress position in it.
    struct Step {
        StationState state;
        int last;
        int total;
        bool operator==(const Step&) const = default;
    };

    std::function<void(const std::string&, int, int)> onProgress;
    std::map<std::string, StationState> states;
    std::map<std::string, std::vector<Step>> history;
    std::map<std::string, std::string> portFailures;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<RadioReport> reports;
};

RadioImage PatternImage() {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

// A session: the radios, the stations over them, the observer.
struct Session {
    explicit Session(int count = 0, WriteSafety safety = {.readFirst = false, .verify = true})
        : control(count) {
        job.image = PatternImage();
        job.safety = safety;
        job.attemptInterval = 5ms;
    }

    SimulatedRadio& Add(SimOptions options = InstantReplies()) {
        radios.push_back(StartRadio(options));
        return *radios.back();
    }
    void Start() {
        std::vector<std::string> ports;
        for (const auto& radio : radios) {
            ports.push_back(radio->DevicePath());
        }
        ports.insert(ports.end(), extraPorts.begin(), extraPorts.end());
        stations = std::make_unique<CloneStations>(job, control, observer,
                                                   [] { return std::make_unique<QtSerialLink>(); });
        stations->Start(ports);
    }
    const RadioReport* ReportOf(const SimulatedRadio& radio, int number) {
        for (const RadioReport& report : reports) {
            if (report.port == radio.DevicePath() && report.radioNumber == number) {
                return &report;
            }
        }
        return nullptr;
    }
    // Ends the session and keeps what was reported.
    void Finish() {
        stations->Join();
        reports = observer.Reports();
    }

    CloneJob job;
    CloneControl control;
    RecordingStations observer;
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::string> extraPorts;
    std::unique_ptr<CloneStations> stations;
    std::vector<RadioReport> reports;
};

SimOptions FailingAt(int address) {
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::NoAck;
    options.fault.address = address;
    return options;
}

int CompleteWrites(const SimulatedRadio& radio) {
    return radio.Stats().closingBandWrites;
}

TEST(CloneStations, ThreeRadiosAtOnceOneFailingMidWriteAndNoneWrittenTwiceWithoutRelease) {
    Session session;
    SimulatedRadio& a = session.Add();
    SimulatedRadio& b = session.Add(FailingAt(0x0600));
    SimulatedRadio& c = session.Add();
    session.Start();
    ASSERT_TRUE(session.observer.WaitFor(3, 3));
    session.reports = session.observer.Reports();
    ASSERT_EQ(session.reports.size(), 3u);
    for (const SimulatedRadio* good : {&a, &c}) {
        const RadioReport* report = session.ReportOf(*good, 1);
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(report->result, RadioResult::Verified) << report->message;
        EXPECT_TRUE(report->message.empty());
        EXPECT_FALSE(report->partlyWritten);
        EXPECT_EQ(CompleteWrites(*good), 1);
    }
    const RadioReport* failed = session.ReportOf(b, 1);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->result, RadioResult::Failed);
    EXPECT_TRUE(failed->partlyWritten);
    EXPECT_NE(failed->message.find(LinkMessageText(kMsgRadioPartlyWritten, SourceTexts())),
              std::string::npos)
        << failed->message;
    EXPECT_EQ(CompleteWrites(b), 0);
    EXPECT_GT(b.Stats().blocksWritten, 0);

    // One release frees all three: each radio on the cable (as if swapped) is
    // written once more, and the faulty one now completes.
    session.control.Release();
    ASSERT_TRUE(session.observer.WaitFor(6, 3));
    session.control.Cancel();
    session.Finish();
    ASSERT_EQ(session.reports.size(), 6u);
    for (const SimulatedRadio* radio : {&a, &b, &c}) {
        const RadioReport* second = session.ReportOf(*radio, 2);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->result, RadioResult::Verified) << second->message;
        EXPECT_TRUE(radio->Violations().empty());
        EXPECT_EQ(session.observer.states[radio->DevicePath()], StationState::Stopped);
    }
    EXPECT_EQ(CompleteWrites(a), 2);
    EXPECT_EQ(CompleteWrites(b), 1);
    EXPECT_EQ(CompleteWrites(c), 2);
}

TEST(CloneStations, TheCountEndsTheSessionAndARadioBeyondItIsNotWritten) {
    Session session(1, {.readFirst = false, .verify = false});
    SimulatedRadio& a = session.Add();
    SimulatedRadio& b = session.Add();
    session.Start();
    // The stations end by themselves once the count is reached.
    session.Finish();
    ASSERT_EQ(session.reports.size(), 1u);
    EXPECT_EQ(session.reports[0].result, RadioResult::Written);
    EXPECT_EQ(CompleteWrites(a) + CompleteWrites(b), 1);
    EXPECT_EQ(std::min(a.Stats().blocksWritten, b.Stats().blocksWritten), 0);
}

TEST(CloneStations, WaitsQuietlyForARadioThatAnswersOnlyAfterManyAttempts) {
    Session session(1, {.readFirst = false, .verify = false});
    SimOptions late = InstantReplies();
    // More than the attempts before a "Communication Error" prompt.
    late.ignoredProgramRequests = kAttemptLimit + 1;
    SimulatedRadio& radio = session.Add(late);
    session.Start();
    session.Finish();
    ASSERT_EQ(session.reports.size(), 1u);
    EXPECT_EQ(session.reports[0].result, RadioResult::Written) << session.reports[0].message;
    EXPECT_EQ(CompleteWrites(radio), 1);
    // The ignored requests, the one answered and the entry after the band check.
    EXPECT_EQ(radio.Stats().programModeRequests, kAttemptLimit + 3);
}

struct OutcomeCase {
    const char* what;
    SimOptions radio;
    WriteSafety safety;
    RadioResult first; // the radio's result
    std::string messageStart;
    RadioResult second; // the same radio again after the release
    bool anythingWritten;
};

TEST(CloneStations, ARadioThatRefusesOrFailsIsReportedAndTheStationGoesOn) {
    SimOptions band = InstantReplies();
    band.bandType = 5;
    SimOptions password = InstantReplies();
    password.password = "1234";
    // A memory cell that keeps a wrong byte: only the read-back finds it.
    SimOptions corrupt = InstantReplies();
    corrupt.fault.kind = SimFaultKind::Corrupt;
    corrupt.fault.address = 0x0100;
    const OutcomeCase cases[] = {
        {"band type",
         band,
         {.readFirst = false, .verify = true},
         RadioResult::Refused,
         LinkMessageText(kMsgBandTypeError, SourceTexts()),
         RadioResult::Refused,
         false},
        {"password, read first",
         password,
         {.readFirst = true, .verify = false},
         RadioResult::Refused,
         LinkMessageText(kMsgPasswordError, SourceTexts()),
         RadioResult::Refused,
         false},
        {"stored wrongly, verify",
         corrupt,
         {.readFirst = false, .verify = true},
         RadioResult::Failed,
         "Verify failed: the radio holds 1 difference(s)",
         RadioResult::Verified,
         true},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.what);
        Session session(2, c.safety);
        SimulatedRadio& radio = session.Add(c.radio);
        session.Start();
        ASSERT_TRUE(session.observer.WaitFor(1, 1));
        session.control.Release();
        session.Finish();
        ASSERT_EQ(session.reports.size(), 2u);
        const RadioReport& first = session.reports[0];
        EXPECT_EQ(first.result, c.first);
        EXPECT_EQ(first.message.rfind(c.messageStart, 0), 0u) << first.message;
        EXPECT_FALSE(first.partlyWritten);
        EXPECT_EQ(first.mismatches.size(), c.anythingWritten ? 1u : 0u);
        EXPECT_EQ(session.reports[1].result, c.second) << session.reports[1].message;
        EXPECT_EQ(radio.Stats().blocksWritten > 0, c.anythingWritten);
    }
}

TEST(CloneStations, ACancelNamesTheRadioBeingWrittenAndEndsTheStationStillWaiting) {
    Session session(0, {.readFirst = false, .verify = false});
    SimulatedRadio& writing = session.Add();
    SimOptions silent = InstantReplies();
    silent.fault.kind = SimFaultKind::Silent;
    SimulatedRadio& nobody = session.Add(silent);
    session.observer.onProgress = [&](const std::string&, int position, int) {
        if (position == 20) {
            session.control.Cancel();
        }
    };
    session.Start();
    session.Finish();
    ASSERT_EQ(session.reports.size(), 1u);
    const RadioReport& report = session.reports[0];
    EXPECT_EQ(report.port, writing.DevicePath());
    EXPECT_EQ(report.result, RadioResult::Cancelled);
    EXPECT_TRUE(report.partlyWritten);
    EXPECT_EQ(report.message, LinkMessageText(kMsgRadioPartlyWritten, SourceTexts()));
    EXPECT_EQ(CompleteWrites(writing), 0);
    EXPECT_GT(nobody.Stats().programModeRequests, 0);
    EXPECT_EQ(session.observer.states[nobody.DevicePath()], StationState::Stopped);
}

TEST(CloneStations, TheStateFollowsEachStepOfTheWriteWithItsOwnProgress) {
    Session session(1, {.readFirst = true, .verify = true});
    SimulatedRadio& radio = session.Add();
    session.Start();
    session.Finish();
    ASSERT_EQ(session.reports.size(), 1u);
    EXPECT_EQ(session.reports[0].result, RadioResult::Verified) << session.reports[0].message;
    using Step = RecordingStations::Step;
    const std::vector<Step> expected{
        {StationState::WaitingForRadio, 0, 0},
        {StationState::ReadingFirst, kReadRows, kReadRows},
        {StationState::Writing, kWriteRows, kWriteRows},
        {StationState::Verifying, kReadRows, kReadRows},
        {StationState::WaitingForRelease, 0, 0},
        {StationState::Stopped, 0, 0},
    };
    const std::vector<Step>& seen = session.observer.history[radio.DevicePath()];
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(seen[i], expected[i]) << "step " << i << ": state " << int(seen[i].state)
                                        << ", " << seen[i].last << " of " << seen[i].total;
    }
}

TEST(CloneStations, APortThatCannotBeOpenedHoldsUpNoOtherStation) {
    Session session(1, {.readFirst = false, .verify = false});
    SimulatedRadio& radio = session.Add();
    session.extraPorts.push_back("/dev/no-such-port");
    session.Start();
    session.Finish();
    ASSERT_EQ(session.observer.portFailures.count("/dev/no-such-port"), 1u);
    EXPECT_EQ(session.observer.portFailures["/dev/no-such-port"].rfind(
                  LinkMessageText(kMsgCouldNotOpenPort, SourceTexts()), 0),
              0u);
    ASSERT_EQ(session.reports.size(), 2u);
    EXPECT_EQ(CompleteWrites(radio), 1);
}

TEST(CloneStations, APortThatFailsToOpenIsLoggedOnceAndTriedAgainUntilItOpens) {
    Session session(1, {.readFirst = false, .verify = false});
    const std::unique_ptr<SimulatedRadio> radio = StartRadio(InstantReplies());
    // The station's port: missing until the test links it to the radio, as
    // a cable plugged back in.
    const TempDir folder;
    const std::string port = folder.File("radio");
    session.extraPorts.push_back(port);
    session.Start();
    // The station says that it tries again, and only then is the port there.
    ASSERT_TRUE(session.observer.WaitUntil(
        [&] { return session.observer.states[port] == StationState::PortUnavailable; }));
    EXPECT_EQ(session.observer.portFailures.count(port), 1u);
    std::filesystem::create_symlink(radio->DevicePath(), port);
    session.Finish();
    // Waiting, not available (said once, however often it was tried), and
    // waiting again once it opened, before the radio is written.
    std::vector<StationState> states;
    for (const RecordingStations::Step& step : session.observer.history[port]) {
        states.push_back(step.state);
    }
    ASSERT_GE(states.size(), 4u);
    EXPECT_EQ(
        std::vector<StationState>(states.begin(), states.begin() + 4),
        std::vector<StationState>({StationState::WaitingForRadio, StationState::PortUnavailable,
                                   StationState::WaitingForRadio, StationState::Writing}));
    EXPECT_EQ(std::count(states.begin(), states.end(), StationState::PortUnavailable), 1);
    ASSERT_EQ(session.reports.size(), 2u);
    const RadioReport& failed = session.reports[0];
    EXPECT_EQ(failed.port, port);
    EXPECT_EQ(failed.radioNumber, 1);
    EXPECT_EQ(failed.result, RadioResult::Failed);
    EXPECT_EQ(failed.message.rfind(LinkMessageText(kMsgCouldNotOpenPort, SourceTexts()), 0), 0u)
        << failed.message;
    EXPECT_EQ(session.reports[1].radioNumber, 2);
    EXPECT_EQ(session.reports[1].result, RadioResult::Written) << session.reports[1].message;
    EXPECT_EQ(CompleteWrites(*radio), 1);
}

} // namespace
