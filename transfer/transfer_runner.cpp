#include "transfer/transfer_runner.h"

#include "link/wire_log_link.h"
#include "link_qt/qt_serial_link.h"
#include "transfer/message_observer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

#include <fstream>
#include <optional>

// Called on the worker thread: forwards progress and status to the window
// thread, and blocks on the window thread for prompts and messages.
class TransferRunner::Observer : public TransferObserver {
public:
    Observer(TransferRunner* runner, QWidget* messageParent)
        : m_runner(runner), m_messages(messageParent) {}

    void OnProgress(int position) override {
        QMetaObject::invokeMethod(
            m_runner, [runner = m_runner, position] { emit runner->Progress(position); },
            Qt::QueuedConnection);
    }

    void OnStatus(const std::string& text) override {
        QMetaObject::invokeMethod(
            m_runner,
            [runner = m_runner, status = QString::fromStdString(text)] {
                emit runner->Status(status);
            },
            Qt::QueuedConnection);
    }

    PromptAnswer OnCommunicationError(const LinkMessage& message) override {
        // Left at Cancel when the runner is torn down before the prompt shows.
        PromptAnswer answer = PromptAnswer::Cancel;
        QMetaObject::invokeMethod(
            m_runner, [this, message] { return m_messages.OnCommunicationError(message); },
            Qt::BlockingQueuedConnection, &answer);
        return answer;
    }

    void OnMessage(const LinkMessage& message) override {
        QMetaObject::invokeMethod(
            m_runner, [this, message] { m_messages.OnMessage(message); },
            Qt::BlockingQueuedConnection);
    }

private:
    TransferRunner* m_runner;
    // Used on the window thread only.
    MessageObserver m_messages;
};

TransferRunner::TransferRunner(QObject* parent) : QObject(parent) {}

TransferRunner::~TransferRunner() {
    if (m_thread == nullptr) {
        return;
    }
    if (m_control) {
        m_control->Cancel();
    }
    // A prompt the worker is waiting for would never be answered now: drop
    // it, which releases the worker with the answer Cancel.
    while (!m_thread->wait(QDeadlineTimer(20))) {
        QCoreApplication::removePostedEvents(this);
    }
    delete m_thread;
}

bool TransferRunner::Start(Job job, const RadioImage& image, QWidget* messageParent,
                           std::shared_ptr<TransferControl> control) {
    if (m_thread != nullptr) {
        return false;
    }
    m_image = image;
    m_control = std::move(control);
    m_observer = std::make_unique<Observer>(this, messageParent);
    m_thread = QThread::create([this, job = std::move(job), wireLog = m_wireLog] {
        QtSerialLink serial;
        std::ofstream log;
        std::optional<WireLogLink> logged;
        if (!wireLog.empty()) {
            log.open(wireLog, std::ios::app);
            if (log.is_open()) {
                logged.emplace(serial, log);
            }
        }
        SerialLink& link = logged ? static_cast<SerialLink&>(*logged) : serial;
        const TransferResult result = job(link, *m_observer, m_image);
        QMetaObject::invokeMethod(
            this, [this, result] { onThreadDone(result); }, Qt::QueuedConnection);
    });
    m_thread->start();
    return true;
}

void TransferRunner::onThreadDone(const TransferResult& result) {
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit Finished(result);
}
