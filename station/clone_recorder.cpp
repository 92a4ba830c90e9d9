#include "station/clone_recorder.h"

CloneRecorder::CloneRecorder(CloneLog& log, std::string imageSha256, CloneTally& tally)
    : m_log(log), m_sha256(std::move(imageSha256)), m_tally(tally) {}

LogOutcome CloneRecorder::Record(const RadioReport& report) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_tally.Count(report);
    if (m_log.Append(report, m_sha256)) {
        return LogOutcome::Written;
    }
    const bool first = !m_logFailed;
    m_logFailed = true;
    return first ? LogOutcome::FirstFailure : LogOutcome::Failed;
}

void CloneRecorder::PortFailed(const std::string& port) {
    m_tally.PortFailed(port);
}
