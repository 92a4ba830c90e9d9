// bench/transfer: a full read and a full write against the simulated radio,
// (a) with instant replies and (b) with 9600-baud wire time, each timed
// against its floor: the waits the protocol mandates (every Sleep the
// transfer asks for), plus in case (b) the wire time of every byte sent and
// received, less the waits that overlap it (a wait between two writes, such
// as the 1 ms between a block's header and its data, passes while the first
// write's bytes are still leaving). Also how long the 1 and 2 ms waits really
// take, and what a USB-serial adapter's latency timer would add: it holds
// each reply for up to the timer, once per turnaround (a read that follows a
// write). Prints figures; never fails.

#include "link/clone_engine.h"
#include "link/fault_messages.h"
#include "link/forwarding_link.h"
#include "link_qt/qt_serial_link.h"
#include "sim/simulated_radio.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kByteSeconds = 10.0 / 9600.0;

// Passes every call on and adds up the mandated waits, the bytes moved and
// how much of the waits lies within the wire time of the write before them.
class MeasuringLink : public ForwardingLink {
public:
    using ForwardingLink::ForwardingLink;

    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (m_waitAfterWrite > 0) {
            // A wait between two writes: the first write's bytes were on the
            // wire while it passed.
            overlapSeconds += std::min(m_waitAfterWrite / 1000.0,
                                       static_cast<double>(m_lastWriteBytes) * kByteSeconds);
        }
        m_waitAfterWrite = 0;
        m_lastWriteBytes = size;
        bytes += size;
        m_lastWasWrite = true;
        return ForwardingLink::Write(data, size);
    }
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        Interrupted();
        const ReadResult result = ForwardingLink::Read(buffer, size);
        bytes += result.count;
        turnarounds += m_lastWasWrite ? 1 : 0;
        m_lastWasWrite = false;
        return result;
    }
    void Clear() override {
        Interrupted();
        ForwardingLink::Clear();
    }
    void Sleep(int milliseconds) override {
        waitMs += milliseconds;
        m_waitAfterWrite = m_lastWriteBytes > 0 ? m_waitAfterWrite + milliseconds : 0;
        ForwardingLink::Sleep(milliseconds);
    }

    long waitMs = 0;
    std::size_t bytes = 0;
    double overlapSeconds = 0;
    long turnarounds = 0;

private:
    // A read or a clear between a write and the next one: the wait after the
    // write does not end in a write.
    void Interrupted() {
        m_waitAfterWrite = 0;
        m_lastWriteBytes = 0;
    }

    std::size_t m_lastWriteBytes = 0;
    int m_waitAfterWrite = 0;
    bool m_lastWasWrite = false;
};

class QuietObserver : public TransferObserver {
public:
    void OnStatusWords(const TextId&) override {}
    PromptAnswer OnCommunicationError(const PortHolders&) override { return PromptAnswer::Cancel; }
    void OnEnded(const TransferResult& result) override {
        if (const std::optional<LinkMessage> message = EndMessage(result)) {
            std::printf("  unexpected message: %s\n",
                        LinkMessageText(*message, SourceTexts()).c_str());
        }
    }
};

void MeasureSleeps() {
    for (const int ms : {1, 2}) {
        std::vector<double> taken;
        for (int i = 0; i < 200; ++i) {
            const auto start = Clock::now();
            PreciseSleep(ms);
            taken.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        std::sort(taken.begin(), taken.end());
        double sum = 0;
        for (const double t : taken) {
            sum += t;
        }
        std::printf("Sleep(%d): mean %.3f ms, median %.3f ms, max %.3f ms (200 waits)\n", ms,
                    sum / static_cast<double>(taken.size()), taken[taken.size() / 2], taken.back());
    }
}

struct Run {
    double seconds = 0;
    double floor = 0;
    long waitMs = 0;
    std::size_t bytes = 0;
    long turnarounds = 0;
    bool completed = false;
};

Run RunTransfer(bool wireTime, TransferDirection direction) {
    SimOptions options;
    options.wireTime = wireTime;
    // A quick radio: the turnaround after the entry is not a protocol wait.
    options.entryAckTurnaroundMs = 2;
    SimulatedRadio radio(options);
    Run run;
    if (!radio.Start()) {
        return run;
    }
    QtSerialLink serial;
    MeasuringLink link(serial);
    QuietObserver observer;
    std::atomic<bool> cancel{false};
    RadioImage image;
    CloneEngine engine(link, observer, cancel);

    const auto start = Clock::now();
    const TransferResult result = engine.Run(direction, radio.DevicePath(), image);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.floor = static_cast<double>(link.waitMs) / 1000.0;
    if (wireTime) {
        run.floor += static_cast<double>(link.bytes) * kByteSeconds - link.overlapSeconds;
    }
    run.waitMs = link.waitMs;
    run.bytes = link.bytes;
    run.turnarounds = link.turnarounds;
    run.completed = result.outcome == TransferOutcome::Completed;
    return run;
}

// Runs a case several times and prints the best and the median run (a busy
// machine only ever makes a run slower).
void MeasureTransfer(const char* label, bool wireTime, TransferDirection direction, int runs) {
    std::vector<Run> done;
    for (int i = 0; i < runs; ++i) {
        const Run run = RunTransfer(wireTime, direction);
        if (run.completed) {
            done.push_back(run);
        }
    }
    const char* what = direction == TransferDirection::Read ? "read " : "write";
    if (done.empty()) {
        std::printf("%-26s %s  no run completed\n", label, what);
        return;
    }
    std::sort(done.begin(), done.end(),
              [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    const Run& best = done.front();
    const Run& median = done[done.size() / 2];
    std::printf("%-26s %s  best %.3f s  median %.3f s  floor %.3f s  ratio %.3f (median %.3f)"
                "  [waits %ld ms, %zu bytes, %zu of %d runs completed]\n",
                label, what, best.seconds, median.seconds, best.floor, best.seconds / best.floor,
                median.seconds / median.floor, best.waitMs, best.bytes, done.size(), runs);
    if (!wireTime) {
        return;
    }
    // Each turnaround waits for the adapter's latency timer at most once.
    const double turnarounds = static_cast<double>(best.turnarounds);
    std::printf("%-26s %s  %ld turnarounds; through a USB adapter at most %.2f s (16 ms "
                "latency timer), %.2f s (1 ms)\n",
                "", what, best.turnarounds, median.seconds + turnarounds * 0.016,
                median.seconds + turnarounds * 0.001);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // transfer [RUNS]: how many times each case runs (default 3).
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    MeasureSleeps();
    for (const bool wireTime : {false, true}) {
        const char* label = wireTime ? "(b) 9600-baud wire time" : "(a) instant replies";
        MeasureTransfer(label, wireTime, TransferDirection::Read, runs);
        MeasureTransfer(label, wireTime, TransferDirection::Write, runs);
    }
    return 0;
}
