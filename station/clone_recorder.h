#pragma once
// What becomes of every radio a clone session reports, whichever front end
// shows it (the command line or the window): its row in the clone log and
// its count in the tally. The stations report from their own threads.

#include "station/clone_log.h"
#include "station/clone_tally.h"
#include "station/radio_report.h"

#include <mutex>
#include <string>

// How the radio's row went into the log. The first failure is told apart so
// that a front end says once that the log cannot be written.
enum class LogOutcome { Written, FirstFailure, Failed };

class CloneRecorder {
public:
    // imageSha256: the SHA-256 (hex) of the image the session writes.
    CloneRecorder(CloneLog& log, std::string imageSha256, CloneTally& tally);

    // Counts the radio and appends its row to the log.
    LogOutcome Record(const RadioReport& report);
    // Counts a station whose port could not be opened.
    void PortFailed(const std::string& port);

private:
    std::mutex m_mutex;
    CloneLog& m_log;
    const std::string m_sha256;
    CloneTally& m_tally;
    bool m_logFailed = false;
};
