#pragma once
// What the operator sees of one clone station: its state with the progress
// of the step in hand, how its last radio ended while it waits for the
// release, and its counts of radios done and failed. The front end feeds it
// the station's reports in order, on one thread.

#include "station/radio_report.h"

#include <optional>
#include <string>

// The mark a row carries beside its words, so that how a station stands is
// seen at a glance: its last radio good, its last radio not good (failed,
// refused or partly written), or its port not available.
enum class LineMark { None, Good, Bad, Retrying };

class StationLine {
public:
    void OnState(StationState state);
    void OnProgress(int position, int total);
    void OnRadio(const RadioReport& report);
    void OnPortFailed(const std::string& message);

    // The state in words, in the catalogue's language: "waiting for a radio",
    // "port not available, trying again", "writing 45 %", "done",
    // "failed: ...", "partly written: ...", "stopped", ...
    std::string Text(const TextCatalogue& texts) const;
    LineMark Mark() const;
    // Why the port is not available (its message), while it is not; empty
    // otherwise.
    const std::string& PortFailure() const { return m_portFailure; }
    StationState State() const { return m_state; }
    // A radio is on the cable and being read or written: stopping now
    // leaves it with part of the new data, or unverified.
    bool HasRadioInHand() const;
    // Done with a radio and waiting for the operator's release.
    bool AwaitsRelease() const { return m_state == StationState::WaitingForRelease; }
    bool Stopped() const { return m_state == StationState::Stopped; }

    int Done() const { return m_done; }
    // Failed or refused.
    int Failed() const { return m_failed; }

private:
    // How the last radio ended, in words.
    std::string OutcomeText(const TextCatalogue& texts) const;

    StationState m_state = StationState::WaitingForRadio;
    int m_percent = 0;
    std::optional<RadioResult> m_lastResult;
    bool m_lastPartlyWritten = false;
    std::string m_lastMessage;
    std::string m_portFailure;
    int m_done = 0;
    int m_failed = 0;
};
