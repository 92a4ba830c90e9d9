#include "station/station_line.h"

void StationLine::OnState(StationState state) {
    if (state != m_state) {
        m_percent = 0;
    }
    m_state = state;
    if (state != StationState::PortUnavailable) {
        m_portFailure.clear(); // the port opened again, or the station ended
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

std::string StationLine::OutcomeText(const TextCatalogue& texts) const {
    if (!m_lastResult) {
        return {};
    }
    std::string text;
    if (IsGood(*m_lastResult)) {
        text = texts.Tr("StationLine", "done");
    } else if (m_lastPartlyWritten) {
        text = texts.Tr("StationLine", "partly written");
    } else {
        text = ResultText(*m_lastResult, texts);
    }
    if (!m_lastMessage.empty()) {
        text = FormatText(texts.Tr("StationLine", "%1: %2"), {text, m_lastMessage});
    }
    return text;
}

LineMark StationLine::Mark() const {
    if (m_state == StationState::PortUnavailable) {
        return LineMark::Retrying;
    }
    if (!m_lastResult ||
        (m_state != StationState::WaitingForRelease && m_state != StationState::Stopped)) {
        return LineMark::None;
    }
    if (IsGood(*m_lastResult)) {
        // After the stop the row says "stopped" alone: no mark of a radio.
        return m_state == StationState::WaitingForRelease ? LineMark::Good : LineMark::None;
    }
    // A radio cancelled before anything was written is no failure.
    const bool cancelledUntouched = *m_lastResult == RadioResult::Cancelled && !m_lastPartlyWritten;
    return cancelledUntouched ? LineMark::None : LineMark::Bad;
}

std::string StationLine::Text(const TextCatalogue& texts) const {
    switch (m_state) {
    case StationState::ReadingFirst:
    case StationState::Writing:
    case StationState::Verifying:
        return StateText(m_state, texts) + ' ' + std::to_string(m_percent) + " %";
    case StationState::WaitingForRelease:
        return OutcomeText(texts);
    case StationState::Stopped:
        // A radio that did not end well stays in sight after the stop.
        if (m_lastResult && !IsGood(*m_lastResult)) {
            return FormatText(texts.Tr("StationLine", "%1; %2"),
                              {StateText(m_state, texts), OutcomeText(texts)});
        }
        break;
    case StationState::WaitingForRadio:
    case StationState::PortUnavailable:
        break;
    }
    return StateText(m_state, texts);
}
