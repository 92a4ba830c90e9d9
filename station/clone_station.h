#pragma once
// Clone stations: the same image written into one radio after another on
// several ports at once, one station per port, each on a thread of its own
// with its own link.
//
// A station waits for a radio (it tries to put one into programming mode
// about once a second, quietly, until one answers), writes the image with
// the chosen safety steps (read first, verify), reports the radio, and then
// waits for the operator's release before it waits for the next radio, so
// that a radio left on the cable is never written twice. A radio that refuses
// (band type, password) or fails is reported and the station goes on. A port
// that cannot be opened is reported once as a failed radio, and the station
// keeps trying it as it tries to reach a radio, its state saying so, until it
// opens again and the station waits for a radio. The session's count, cancel
// and release are shared through a CloneControl; a cancel stops each station
// at its next cancel point of the transfer.

#include "link/serial_link.h"
#include "link/write_safety.h"
#include "station/clone_control.h"
#include "station/radio_report.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Makes a station's link; called on the station's own thread.
using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

struct CloneJob {
    // Written into every radio (the channel table already encoded into it).
    RadioImage image;
    WriteSafety safety;
    // How often a station tries to reach a radio while none answers.
    std::chrono::milliseconds attemptInterval{1000};
    // The catalogue the radios' messages are worded in.
    const TextCatalogue* texts = &SourceTexts();
};

class CloneStations {
public:
    CloneStations(CloneJob job, CloneControl& control, StationObserver& observer,
                  LinkFactory makeLink);
    // Cancels the stations still running and waits for them.
    ~CloneStations();
    CloneStations(const CloneStations&) = delete;
    CloneStations& operator=(const CloneStations&) = delete;

    // Starts one station for each port.
    void Start(const std::vector<std::string>& ports);
    // Whether every station has stopped.
    bool Finished() const;
    // Waits until every station has stopped.
    void Join();

private:
    void RunStation(const std::string& port);
    void ReportPortFailure(const std::string& port, int number, const SafeWriteResult& written);

    const CloneJob m_job;
    CloneControl& m_control;
    StationObserver& m_observer;
    LinkFactory m_makeLink;
    std::vector<std::thread> m_threads;
    std::atomic<int> m_running{0};
};
