#pragma once
// The terminal side of program-cli clone: what the stations report, as the
// operator sees it (one line per radio on stdout with the terminal bell, the
// stations' states on stderr unless quiet), the log row of each radio, what a
// read-first found kept in the radio history, and the tally for the summary.

#include "station/clone_recorder.h"
#include "station/radio_report.h"

#include <mutex>
#include <set>
#include <string>

// The line printed for a radio (the catalogue's language), without its line end.
std::string RadioLine(const RadioReport& report, const TextCatalogue& texts);

class CliStationObserver : public StationObserver {
public:
    CliStationObserver(bool quiet, CloneRecorder& recorder, const TextCatalogue& texts);

    void OnState(const std::string& port, StationState state) override;
    void OnRadio(const RadioReport& report) override;
    void OnPortFailed(const std::string& port, const std::string& message) override;

private:
    std::mutex m_mutex;
    bool m_quiet;
    bool m_bell;
    CloneRecorder& m_recorder;
    const TextCatalogue& m_texts;
    // The ports whose station found them not available at the last attempt.
    std::set<std::string> m_portsDown;
};
