#include "cli/clone_cli.h"

#include "cli/cli_common.h"
#include "cli/history_cli.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

std::string RadioLine(const RadioReport& report, const TextCatalogue& texts) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", report.seconds);
    std::string line = FormatText(texts.Tr("CloneCommand", "%1 radio %2: %3 (%4 s)"),
                                  {report.port, std::to_string(report.radioNumber),
                                   ResultText(report.result, texts), seconds});
    if (!report.message.empty()) {
        line += FormatText(texts.Tr("CloneCommand", ": %1"), {report.message});
    }
    return EscapeControls(line);
}

CliStationObserver::CliStationObserver(bool quiet, CloneRecorder& recorder,
                                       const TextCatalogue& texts)
    : m_quiet(quiet), m_bell(::isatty(1) == 1), m_recorder(recorder), m_texts(texts) {}

void CliStationObserver::OnState(const std::string& port, StationState state) {
    if (m_quiet) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    // A port that cannot be opened is said once, by its failed radio's line;
    // its retries and its opening again pass quietly, as the waiting does.
    if (state == StationState::PortUnavailable) {
        m_portsDown.insert(port);
        return;
    }
    if (m_portsDown.erase(port) > 0 && state == StationState::WaitingForRadio) {
        return;
    }
    std::cerr << port << ": " << StateText(state, m_texts);
    if (state == StationState::WaitingForRelease) {
        std::cerr << m_texts.Tr("CloneCommand", " (press Enter)");
    }
    std::cerr << '\n';
}

void CliStationObserver::OnRadio(const RadioReport& report) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_recorder.Record(report) == LogOutcome::FirstFailure) {
        std::cerr << "program-cli: "
                  << m_texts.Tr("CloneCommand", "the clone log could not be written") << '\n';
    }
    if (report.before) {
        KeepInHistory(*report.before, "radio before writing", m_texts);
    }
    for (const VerifyMismatch& mismatch : report.mismatches) {
        std::cerr << "  " << EscapeControls(MismatchLine(mismatch, m_texts)) << '\n';
    }
    std::cout << RadioLine(report, m_texts) << (m_bell ? "\a" : "") << '\n' << std::flush;
}

void CliStationObserver::OnPortFailed(const std::string& port, const std::string& message) {
    // The failed radio's line that follows says it.
    (void)message;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_recorder.PortFailed(port);
}
