#include "station/station_line.h"

#include "model/language.h"

void StationLine::OnState(StationState state) {
    if (state != m_state) {
        m_percent = 0;
    }
    m_state = state;
    if (HasRadioInHand()) {
        m_portFailure.reset(); // the port opened again
    }
}

void StationLine::OnProgress(int position, int total) {
    m_percent = total > 0 ? position * 100 / total : 0;
}

void StationLine::OnRadio(const RadioReport& report) {
    m_lastResult = report.result;
    m_lastPartlyWritten = report.partlyWritten;
    m_lastMessage = report.message;
    if (IsGood(report.result)) {
        ++m_done;
    } else if (report.result != RadioResult::Cancelled) {
        ++m_failed;
    }
}

void StationLine::OnPortFailed(const std::string& message) {
    m_portFailure = message;
}

bool StationLine::HasRadioInHand() const {
    return m_state == StationState::ReadingFirst || m_state == StationState::Writing ||
           m_state == StationState::Verifying;
}

std::string StationLine::OutcomeText() const {
    if (!m_lastResult) {
        return {};
    }
    std::string text;
    if (IsGood(*m_lastResult)) {
        text = Tr2("done", "完成");
    } else if (m_lastPartlyWritten) {
        text = Tr2("partly written", "部分写入");
    } else {
        text = ResultText(*m_lastResult);
    }
    if (!m_lastMessage.empty()) {
        text += Tr2(": ", "：") + m_lastMessage;
    }
    return text;
}

std::string StationLine::Text() const {
    if (m_portFailure) {
        return ResultText(RadioResult::Failed) + Tr2(": ", "：") + *m_portFailure;
    }
    switch (m_state) {
    case StationState::ReadingFirst:
    case StationState::Writing:
    case StationState::Verifying:
        return StateText(m_state) + ' ' + std::to_string(m_percent) + " %";
    case StationState::WaitingForRelease:
        return OutcomeText();
    case StationState::Stopped:
        // A radio that did not end well stays in sight after the stop.
        if (m_lastResult && !IsGood(*m_lastResult)) {
            return StateText(m_state) + Tr2("; ", "；") + OutcomeText();
        }
        break;
    case StationState::WaitingForRadio:
        break;
    }
    return StateText(m_state);
}
