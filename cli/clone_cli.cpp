#include "cli/clone_cli.h"

#include "cli/cli_common.h"
#include "cli/history_cli.h"
#include "model/language.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

std::string RadioLine(const RadioReport& report) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", report.seconds);
    std::string line = report.port + Tr2(" radio ", " 第 ") + std::to_string(report.radioNumber) +
                       Tr2(": ", " 台对讲机：") + ResultText(report.result) + Tr2(" (", "（") +
                       seconds + Tr2(" s)", " 秒）");
    if (!report.message.empty()) {
        line += Tr2(": ", "：") + report.message;
    }
    return EscapeControls(line);
}

CliStationObserver::CliStationObserver(bool quiet, CloneRecorder& recorder)
    : m_quiet(quiet), m_bell(::isatty(1) == 1), m_recorder(recorder) {}

void CliStationObserver::OnState(const std::string& port, StationState state) {
    if (m_quiet) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::cerr << port << ": " << StateText(state);
    if (state == StationState::WaitingForRelease) {
        std::cerr << Tr2(" (press Enter)", "（按回车键）");
    }
    std::cerr << '\n';
}

void CliStationObserver::OnRadio(const RadioReport& report) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_recorder.Record(report) == LogOutcome::FirstFailure) {
        std::cerr << "program-cli: "
                  << Tr2("the clone log could not be written", "无法写入克隆日志") << '\n';
    }
    if (report.before) {
        KeepInHistory(*report.before, "radio before writing");
    }
    for (const VerifyMismatch& mismatch : report.mismatches) {
        std::cerr << "  " << EscapeControls(MismatchLine(mismatch)) << '\n';
    }
    std::cout << RadioLine(report) << (m_bell ? "\a" : "") << '\n' << std::flush;
}

void CliStationObserver::OnPortFailed(const std::string& port, const std::string& message) {
    // The failed radio's line that follows says it.
    (void)message;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_recorder.PortFailed(port);
}
