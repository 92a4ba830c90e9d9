#pragma once
// Runs one clone transfer on a worker thread, so that the windows stay
// responsive and Cancel takes effect at the transfer's next pump point. The
// transfer works on its own copy of the image; the owner takes the copy back
// when the transfer has ended. Progress and status arrive as signals; the
// Retry/Cancel prompt and the failure messages are shown on the window
// thread through the message service while the transfer waits for them.

#include "link/clone_engine.h"
#include "link/transfer_control.h"
#include "model/radio_image.h"

#include <QObject>
#include <memory>
#include <string>

class QThread;
class QWidget;

class TransferRunner : public QObject {
    Q_OBJECT
public:
    explicit TransferRunner(QObject* parent = nullptr);
    // Asks a running transfer to stop and waits for its thread.
    ~TransferRunner() override;

    // Starts the transfer of image on portName; messages are shown over
    // messageParent. False (and nothing starts) while a transfer runs.
    bool Start(TransferDirection direction, const std::string& portName, const RadioImage& image,
               std::shared_ptr<TransferControl> control, QWidget* messageParent);
    bool IsRunning() const { return m_thread != nullptr; }

    // The transfer's copy of the image; complete after Finished.
    const RadioImage& Image() const { return m_image; }

signals:
    void Progress(int position);
    void Status(const QString& text);
    // The transfer has ended and its thread is gone.
    void Finished(const TransferResult& result);

private:
    class Observer;
    void onThreadDone(const TransferResult& result);

    RadioImage m_image;
    std::shared_ptr<TransferControl> m_control;
    std::unique_ptr<Observer> m_observer;
    QThread* m_thread = nullptr;
};
