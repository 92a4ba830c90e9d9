#include "transfer/station_relay.h"

#include "model/read_history.h"

StationRelay::StationRelay(CloneRecorder& recorder, std::string historyFolder,
                           const TextCatalogue& texts, QObject* parent)
    : QObject(parent), m_recorder(recorder), m_historyFolder(std::move(historyFolder)),
      m_texts(texts) {
    qRegisterMetaType<StationState>();
    qRegisterMetaType<RadioReport>();
}

void StationRelay::OnState(const std::string& port, StationState state) {
    emit stateChanged(QString::fromStdString(port), state);
}

void StationRelay::OnProgress(const std::string& port, int position, int total) {
    emit progressed(QString::fromStdString(port), position, total);
}

void StationRelay::OnRadio(const RadioReport& report) {
    if (m_recorder.Record(report) == LogOutcome::FirstFailure) {
        emit logFailed();
    }
    if (report.before) {
        const std::lock_guard<std::mutex> lock(m_historyMutex);
        std::string saved;
        const FileResult kept =
            history::SaveRead(m_historyFolder, *report.before, history::Clock::now(), saved);
        if (!kept.Ok()) {
            emit historyFailed(QString::fromStdString(kept.Message(m_texts)));
        }
    }
    emit radioReported(report);
}

void StationRelay::OnPortFailed(const std::string& port, const std::string& message) {
    m_recorder.PortFailed(port);
    emit portFailed(QString::fromStdString(port), QString::fromStdString(message));
}
