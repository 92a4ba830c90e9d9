#pragma once
// Runs one transfer with the radio on a worker thread, so that the windows
// stay painted and responsive: the clone transfer of the Process dialog and
// the squelch transfers of the Squelch Tuning dialog alike. Start returns at
// once; the transfer works on its own copy of the image, which the owner
// takes back when Finished arrives. Phases, progress and status arrive as
// signals.
// The Retry/Cancel prompt and the messages of its end are requests the
// worker waits on (transfer/prompt_request.h), shown on the window thread
// through the message service, modal to the message parent; the runner going
// releases a request still open with Cancel. With a wire log set, every byte
// of every transfer is appended to it.

#include "link/serial_link.h"
#include "link/transfer_control.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>
#include <string>

class QWidget;

class TransferRunner : public QObject {
    Q_OBJECT
public:
    // The transfer itself, run on the worker thread: one engine over link
    // (the serial port, behind the wire log when one is set), reporting to
    // observer, on the runner's copy of the image.
    using Job = std::function<TransferResult(SerialLink& link, TransferObserver& observer,
                                             RadioImage& image)>;

    // texts: the program's catalogue; the window thread words the worker's
    // status and messages through it.
    explicit TransferRunner(const TextCatalogue& texts, QObject* parent = nullptr);
    // Asks a running transfer to stop (when it has a control), answers a
    // prompt or message it waits for, and any later one, with Cancel, and
    // joins its thread. Finished is not emitted then.
    ~TransferRunner() override;

    // The file every later transfer appends its wire log to; empty: no log.
    // A log that cannot be opened leaves the transfer unlogged.
    void SetWireLog(std::string path) { m_wireLog = std::move(path); }
    const std::string& WireLog() const { return m_wireLog; }

    // Starts job on a copy of image; messages are shown over messageParent.
    // control, when given, is cancelled when the runner goes. False (and
    // nothing starts) while a transfer runs.
    bool Start(Job job, const RadioImage& image, QWidget* messageParent,
               std::shared_ptr<TransferControl> control = {});
    bool IsRunning() const { return m_thread != nullptr; }

    // The transfer's copy of the image; complete after Finished.
    const RadioImage& Image() const { return m_image; }

signals:
    // A step of a write began; the positions that follow count within it.
    void Phase(const TransferPhase& phase);
    void Progress(int position);
    void Status(const QString& text);
    // The transfer has ended and its thread is joined.
    void Finished(const TransferResult& result);

private:
    class Observer;
    void onThreadDone(const TransferResult& result);

    const TextCatalogue& m_texts;
    std::string m_wireLog;
    RadioImage m_image;
    std::shared_ptr<TransferControl> m_control;
    std::unique_ptr<Observer> m_observer;
    std::unique_ptr<QThread> m_thread;
};
