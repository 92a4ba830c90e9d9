#include "station/clone_station.h"

#include "link/clone_engine.h"
#include "link/fault_messages.h"
#include "link/forwarding_link.h"
#include "link/transfer_steps.h"
#include "station/radio_outcome.h"

#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
// The first byte of the program-mode request, which the entry sends alone.
constexpr std::uint8_t kProgramRequestStart = 0x02;

// One radio on one station: the transfer's observer and a watch on its link.
// The link tells when an attempt to reach a radio begins (the program-mode
// request's first byte) and when the radio first answers (an ACK to that
// request: until then the station is only waiting); the transfer tells when
// each step of the safe write begins.
class RadioRun : public TransferObserver, public ForwardingLink {
public:
    // portDown: the port could not be opened at the station's last attempt.
    RadioRun(SerialLink& link, const std::string& port, const CloneJob& job, CloneControl& control,
             StationObserver& observer, bool portDown)
        : ForwardingLink(link), m_port(port), m_job(job), m_control(control), m_observer(observer),
          m_portDown(portDown) {}

    SafeWriteResult Run() {
        return RunSafeWrite(*this, *this, m_cancel, m_port, m_job.image, m_job.safety,
                            *m_job.texts);
    }

    // Whether a radio answered, and whether it is one the station may write
    // (the session's count not yet reached by others).
    bool Answered() const { return m_answeredAt.has_value(); }
    // The port was down before this run and did not open in it.
    bool PortDown() const { return m_portDown; }
    bool Taken() const { return m_taken; }
    double Seconds() const {
        return m_answeredAt ? std::chrono::duration<double>(Clock::now() - *m_answeredAt).count()
                            : 0.0;
    }

    // TransferObserver
    // The state follows the step; its progress counts within the step.
    void OnPhase(const TransferPhase& phase) override {
        m_state = StateOf(phase.step);
        if (m_taken) {
            m_observer.OnState(m_port, m_state);
        }
    }
    void OnProgress(int position) override {
        if (m_taken) {
            m_observer.OnProgress(m_port, position,
                                  m_state == StationState::Writing ? kWriteRows : kReadRows);
        }
    }
    // The station tells its own states instead of the transfer's statuses.
    void OnStatusWords(const TextId&) override {}
    // While no radio answered, the prompt is only the sign that none is on
    // the cable yet: the station tries on. Once one answered, it is a fault.
    PromptAnswer OnCommunicationError(const PortHolders&) override {
        return Answered() ? PromptAnswer::Cancel : PromptAnswer::Retry;
    }
    void OnEnded(const TransferResult&) override {}
    // The cancel point: the session's cancel, or the count reached by other
    // stations while this one holds no radio. While waiting for a radio the
    // attempts are paced here.
    void Pump() override {
        if (!Answered() && m_attemptStart) {
            const Clock::time_point due = *m_attemptStart + m_job.attemptInterval;
            const Clock::time_point now = Clock::now();
            if (now < due) {
                m_control.Pause(std::chrono::duration_cast<std::chrono::milliseconds>(due - now));
            }
        }
        if (m_control.Cancelled() || (!m_taken && !m_control.RadiosLeft())) {
            m_cancel.store(true);
        }
    }

    // SerialLink
    // A port that was down and opens again: the station waits for a radio.
    bool Open(const std::string& portName) override {
        const bool opened = ForwardingLink::Open(portName);
        if (opened && m_portDown) {
            m_portDown = false;
            m_observer.OnState(m_port, StationState::WaitingForRadio);
        }
        return opened;
    }
    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (!Answered() && size == 1 && data[0] == kProgramRequestStart) {
            m_attemptStart = Clock::now(); // an attempt to reach a radio begins
        }
        return ForwardingLink::Write(data, size);
    }
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        const ReadResult result = ForwardingLink::Read(buffer, size);
        if (!Answered() && size == 1 && result.count == 1 && !result.error && buffer[0] == kAck) {
            OnAnswered();
        }
        return result;
    }

private:
    void OnAnswered() {
        m_answeredAt = Clock::now();
        m_taken = m_control.TakeRadio();
        if (!m_taken) {
            // Another station took the last radio of the count: this one is
            // left untouched (the cancel is seen before any block is written).
            m_cancel.store(true);
            return;
        }
        m_observer.OnState(m_port, m_state);
    }

    static StationState StateOf(TransferStep step) {
        switch (step) {
        case TransferStep::ReadFirst:
            return StationState::ReadingFirst;
        case TransferStep::Verify:
            return StationState::Verifying;
        case TransferStep::Read:
        case TransferStep::Write:
            break;
        }
        return StationState::Writing;
    }

    const std::string& m_port;
    const CloneJob& m_job;
    CloneControl& m_control;
    StationObserver& m_observer;
    StationState m_state = StationState::Writing;
    std::atomic<bool> m_cancel{false};
    std::optional<Clock::time_point> m_attemptStart;
    std::optional<Clock::time_point> m_answeredAt;
    bool m_taken = false;
    bool m_portDown;
};

} // namespace

CloneStations::CloneStations(CloneJob job, CloneControl& control, StationObserver& observer,
                             LinkFactory makeLink)
    : m_job(std::move(job)), m_control(control), m_observer(observer),
      m_makeLink(std::move(makeLink)) {}

CloneStations::~CloneStations() {
    if (!Finished()) {
        m_control.Cancel();
    }
    Join();
}

void CloneStations::Start(const std::vector<std::string>& ports) {
    m_running += static_cast<int>(ports.size());
    for (const std::string& port : ports) {
        m_threads.emplace_back([this, port] { RunStation(port); });
    }
}

bool CloneStations::Finished() const {
    return m_running.load() == 0;
}

void CloneStations::Join() {
    for (std::thread& thread : m_threads) {
        if (thread.joinable()) {
            thread.join();
        }
    }
}

void CloneStations::RunStation(const std::string& port) {
    const std::unique_ptr<SerialLink> link = m_makeLink();
    // The port could not be opened at the last attempt: said once, until it
    // opens again (a cable plugged back in).
    bool portDown = false;
    for (int number = 1; !m_control.Cancelled() && m_control.RadiosLeft(); ++number) {
        if (!portDown) {
            m_observer.OnState(port, StationState::WaitingForRadio);
        }
        RadioRun run(*link, port, m_job, m_control, m_observer, portDown);
        const SafeWriteResult written = run.Run();
        portDown = run.PortDown();
        if (!run.Answered()) {
            // No radio reached: the session ended while waiting, or the port
            // could not be opened; then the station tries again, paced as
            // its attempts to reach a radio are.
            if (written.result.fault != LinkFault::OpenFailed) {
                break;
            }
            if (!portDown) {
                portDown = true;
                ReportPortFailure(port, number, written);
                m_observer.OnState(port, StationState::PortUnavailable);
            } else {
                --number;
            }
            if (!m_control.Pause(m_job.attemptInterval)) {
                break;
            }
            continue;
        }
        if (!run.Taken()) {
            break;
        }
        RadioReport report;
        report.port = port;
        report.radioNumber = number;
        report.seconds = run.Seconds();
        DescribeOutcome(written, m_job.safety, m_control.Cancelled(), *m_job.texts, report);
        const ReleaseMark releases = m_control.Releases(port);
        m_observer.OnRadio(report);
        m_observer.OnState(port, StationState::WaitingForRelease);
        if (!m_control.WaitForRelease(port, releases)) {
            break;
        }
    }
    m_observer.OnState(port, StationState::Stopped);
    --m_running;
}

void CloneStations::ReportPortFailure(const std::string& port, int number,
                                      const SafeWriteResult& written) {
    // A failed attempt of its own: counted and logged as the station's next
    // radio, failed, with the reason the port gave.
    RadioReport report;
    report.port = port;
    report.radioNumber = number;
    report.result = RadioResult::Failed;
    const std::optional<LinkMessage> message = EndMessage(written.result);
    report.message = message ? LinkMessageText(*message, *m_job.texts) : std::string();
    m_observer.OnPortFailed(port, report.message);
    m_observer.OnRadio(report);
}
