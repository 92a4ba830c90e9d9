#pragma once
// What a clone station tells: its state while it works, and one report for
// every radio it dealt with.

#include "link/write_safety.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <optional>
#include <string>
#include <vector>

enum class RadioResult {
    Written,   // written completely (no verify asked)
    Verified,  // written and read back the same
    Refused,   // the radio refused: its band type, or its password (read first)
    Failed,    // a fault ended it, a verify difference included
    Cancelled, // the session was cancelled while the radio was on
};

enum class StationState {
    WaitingForRadio,   // trying to reach a radio, about once a second
    PortUnavailable,   // the port cannot be opened; tried again as radios are
    ReadingFirst,      // reading the radio before writing
    Writing,           // progress: rows written
    Verifying,         // reading the radio back
    WaitingForRelease, // done with a radio; waits for the operator
    Stopped,           // the station has ended
};

struct RadioReport {
    std::string port;
    int radioNumber = 0; // the station's count of radios, from 1
    RadioResult result = RadioResult::Failed;
    double seconds = 0; // from the radio answering to its report
    // What happened, in the language of the job's catalogue; empty for a good radio.
    std::string message;
    // The write stopped after data had gone out: the radio must be written again.
    bool partlyWritten = false;
    // What the radio held before, when it was read first.
    std::optional<RadioImage> before;
    std::vector<VerifyMismatch> mismatches;
};

// Whether the radio is good: written, and verified when asked.
inline bool IsGood(RadioResult result) {
    return result == RadioResult::Written || result == RadioResult::Verified;
}

// The result as the log keeps it: "written", "verified", "refused", "failed",
// "cancelled" (the same in every language, for scripts and spreadsheets).
const char* ResultKeyword(RadioResult result);
// The result in the catalogue's language.
std::string ResultText(RadioResult result, const TextCatalogue& texts);
// The state in the catalogue's language.
std::string StateText(StationState state, const TextCatalogue& texts);

// The calls come from the stations' own threads, several at once: an
// observer makes them safe (and a window marshals them to its thread).
class StationObserver {
public:
    virtual ~StationObserver() = default;
    virtual void OnState(const std::string& port, StationState state) {
        (void)port;
        (void)state;
    }
    // Progress of the step the state names, 0..total.
    virtual void OnProgress(const std::string& port, int position, int total) {
        (void)port;
        (void)position;
        (void)total;
    }
    virtual void OnRadio(const RadioReport& report) = 0;
    // The station's port could not be opened, with the message; the failure
    // follows as a failed radio (OnRadio), and the station keeps trying the
    // port until it opens again.
    virtual void OnPortFailed(const std::string& port, const std::string& message) = 0;
};
