#pragma once
// The radios of a clone session counted by port and result, for its summary.

#include "station/radio_report.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

struct PortTally {
    std::string port;
    int good = 0; // written, and verified when asked
    int refused = 0;
    int failed = 0;
    int cancelled = 0;
    bool portFailed = false; // the port could not be opened
    int Radios() const { return good + refused + failed + cancelled; }
};

class CloneTally {
public:
    explicit CloneTally(const std::vector<std::string>& ports);
    // Thread-safe: the stations report at once.
    void Count(const RadioReport& report);
    void PortFailed(const std::string& port);

    std::vector<PortTally> Ports() const;
    PortTally Total() const;
    // Every radio good and every port opened.
    bool AllGood() const;

private:
    mutable std::mutex m_mutex;
    std::vector<PortTally> m_ports;
    PortTally& Of(const std::string& port); // with m_mutex held
};

// The summary in the language in use: a line for the session, one per port.
std::string SummaryText(const CloneTally& tally, bool cancelled, const TextCatalogue& texts);
