#include "transfer/transfer_runner.h"

#include "link_qt/qt_serial_link.h"
#include "transfer/message_observer.h"
#include "ui/message_service.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>
#include <QWidget>

// Called on the worker thread: forwards progress and status to the window
// thread, and blocks on the window thread for prompts and messages.
class TransferRunner::Observer : public TransferObserver {
public:
    Observer(TransferRunner* runner, QWidget* messageParent)
        : m_runner(runner), m_parent(messageParent) {}

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
            m_runner,
            [this, message] {
                const MessageAnswer choice = MessageService::Show(
                    m_parent, LinkMessageString(message), MessageButtons::RetryCancel);
                return choice == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
            },
            Qt::BlockingQueuedConnection, &answer);
        return answer;
    }

    void OnMessage(const LinkMessage& message) override {
        QMetaObject::invokeMethod(
            m_runner,
            [this, message] {
                MessageService::Show(m_parent, LinkMessageString(message), MessageButtons::Ok);
            },
            Qt::BlockingQueuedConnection);
    }

private:
    TransferRunner* m_runner;
    // Read on the window thread only.
    QPointer<QWidget> m_parent;
};

TransferRunner::TransferRunner(QObject* parent) : QObject(parent) {}

TransferRunner::~TransferRunner() {
    if (m_thread == nullptr) {
        return;
    }
    m_control->Cancel();
    // A prompt the worker is waiting for would never be answered now: drop
    // it, which releases the worker with the answer Cancel.
    while (!m_thread->wait(QDeadlineTimer(20))) {
        QCoreApplication::removePostedEvents(this);
    }
    delete m_thread;
}

bool TransferRunner::Start(TransferDirection direction, const std::string& portName,
                           const RadioImage& image, std::shared_ptr<TransferControl> control,
                           QWidget* messageParent) {
    if (m_thread != nullptr) {
        return false;
    }
    m_image = image;
    m_control = std::move(control);
    m_observer = std::make_unique<Observer>(this, messageParent);
    m_thread = QThread::create([this, direction, portName] {
        QtSerialLink link;
        CloneEngine engine(link, *m_observer, m_control->CancelFlag());
        const TransferResult result = engine.Run(direction, portName, m_image);
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
