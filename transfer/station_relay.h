#pragma once
// The clone stations' reports brought to the window thread. The stations call
// from their own threads: the relay records each radio there (its log row,
// its count, what a read-first found kept in the radio history) and passes
// every report on as a signal, which reaches the window queued, so that the
// stations never wait for the window.

#include "model/text_catalogue.h"
#include "station/clone_recorder.h"
#include "station/radio_report.h"

#include <QObject>
#include <QString>
#include <mutex>
#include <string>

Q_DECLARE_METATYPE(StationState)
Q_DECLARE_METATYPE(RadioReport)

class StationRelay : public QObject, public StationObserver {
    Q_OBJECT
public:
    // historyFolder: where the radios read before writing are kept; texts:
    // the catalogue a failure to keep one is told in.
    StationRelay(CloneRecorder& recorder, std::string historyFolder, const TextCatalogue& texts,
                 QObject* parent = nullptr);

    void OnState(const std::string& port, StationState state) override;
    void OnProgress(const std::string& port, int position, int total) override;
    void OnRadio(const RadioReport& report) override;
    void OnPortFailed(const std::string& port, const std::string& message) override;

signals:
    void stateChanged(const QString& port, StationState state);
    void progressed(const QString& port, int position, int total);
    void radioReported(const RadioReport& report);
    void portFailed(const QString& port, const QString& message);
    // The first radio whose row could not be written to the log.
    void logFailed();
    // A radio read before writing could not be kept in the history.
    void historyFailed(const QString& message);

private:
    CloneRecorder& m_recorder;
    const std::string m_historyFolder;
    const TextCatalogue& m_texts;
    // Two stations may keep a radio in the history at once.
    std::mutex m_historyMutex;
};
