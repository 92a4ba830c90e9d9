// bench/clone_stations: four simulated radios at 9600-baud wire time written
// and verified at once by four clone stations, against one radio by one
// station; prints both times and their ratio (target: at most 1.15). Prints
// figures; never fails.

#include "link_qt/qt_serial_link.h"
#include "sim/simulated_radio.h"
#include "station/clone_station.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class CountingStations : public StationObserver {
public:
    void OnRadio(const RadioReport& report) override {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++radios;
        good += report.result == RadioResult::Verified ? 1 : 0;
        if (report.result != RadioResult::Verified) {
            std::printf("  %s: %s\n", report.port.c_str(), report.message.c_str());
        }
    }
    void OnPortFailed(const std::string& port, const std::string& message) override {
        std::printf("  %s: %s\n", port.c_str(), message.c_str());
    }
    int radios = 0;
    int good = 0;

private:
    std::mutex m_mutex;
};

struct Run {
    double seconds = 0;
    int good = 0;
};

// Writes and verifies `count` radios at once, one station each; the time
// runs from the stations' start until the last has stopped.
Run WriteAtOnce(int count) {
    SimOptions options;
    options.wireTime = true;
    // A quick radio: the turnaround after the entry is not a protocol wait.
    options.entryAckTurnaroundMs = 2;
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::string> ports;
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<SimulatedRadio>(options));
        if (!radios.back()->Start()) {
            return {};
        }
        ports.push_back(radios.back()->DevicePath());
    }
    CloneJob job;
    job.image.bytes().fill(0x5A);
    job.safety.verify = true;
    CloneControl control(count);
    CountingStations observer;
    const auto start = Clock::now();
    {
        CloneStations stations(job, control, observer,
                               [] { return std::make_unique<QtSerialLink>(); });
        stations.Start(ports);
        stations.Join();
    }
    return {std::chrono::duration<double>(Clock::now() - start).count(), observer.good};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // clone_stations [RUNS]: runs of each case, the best counts (default 1).
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    double best[2] = {0, 0};
    const int counts[2] = {1, 4};
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < runs; ++i) {
            const Run run = WriteAtOnce(counts[c]);
            std::printf("%d radio(s) written and verified at once: %.3f s (%d of %d good)\n",
                        counts[c], run.seconds, run.good, counts[c]);
            if (run.good == counts[c] && (best[c] == 0 || run.seconds < best[c])) {
                best[c] = run.seconds;
            }
        }
    }
    if (best[0] > 0 && best[1] > 0) {
        std::printf("four at once / one: %.3f s / %.3f s, ratio %.3f (target at most 1.15)\n",
                    best[1], best[0], best[1] / best[0]);
    } else {
        std::printf("not every radio was written and verified: no ratio\n");
    }
    return 0;
}
