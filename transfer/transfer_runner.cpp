#include "transfer/transfer_runner.h"

#include "link/wire_log_link.h"
#include "link_qt/qt_serial_link.h"
#include "transfer/prompt_request.h"
#include "transfer/transfer_messages.h"

#include <QPointer>
#include <QWidget>

#include <fstream>
#include <optional>

// Called on the worker thread: forwards progress and status to the window
// thread, and puts prompts and messages to it as requests the worker waits on.
class TransferRunner::Observer : public TransferObserver {
public:
    Observer(TransferRunner* runner, QWidget* messageParent)
        : m_runner(runner), m_texts(runner->m_texts), m_parent(messageParent) {}

    void OnPhase(const TransferPhase& phase) override {
        QMetaObject::invokeMethod(
            m_runner, [runner = m_runner, phase] { emit runner->Phase(phase); },
            Qt::QueuedConnection);
    }

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

    // The marked words (static texts) are worded on the window thread.
    void OnStatusWords(const TextId& words) override {
        QMetaObject::invokeMethod(
            m_runner,
            [runner = m_runner, texts = &m_texts, words] {
                emit runner->Status(QString::fromStdString(texts->Tr(words)));
            },
            Qt::QueuedConnection);
    }

    PromptAnswer OnCommunicationError(const PortHolders& holders) override {
        return ask([holders, texts = &m_texts](QWidget* parent) {
            return AskCommunicationError(parent, holders, *texts);
        });
    }

    void OnEnded(const TransferResult& result) override {
        // Only an end with words waits for the window.
        if (const std::optional<LinkMessage> message = EndMessage(result)) {
            ask([message = *message, outcome = result.outcome, texts = &m_texts](QWidget* parent) {
                ShowEndMessage(parent, message, outcome, *texts);
                return PromptAnswer::Cancel; // an OK box: the worker only waits for it
            });
        }
    }

    // Releases the worker from an open request and answers every later one
    // at once.
    void Release() { m_requests.Close(); }

private:
    // Shows the request on the window thread and waits for its answer. The
    // call is posted to the runner: a runner gone drops it, after Release
    // has answered the request.
    PromptAnswer ask(std::function<PromptAnswer(QWidget*)> show) {
        return m_requests.Ask(
            [this, show = std::move(show)](std::shared_ptr<PromptRequest> request) {
                QMetaObject::invokeMethod(
                    m_runner,
                    [parent = &m_parent, show, request] {
                        // Nothing of the runner is touched after the box: it
                        // may have gone meanwhile.
                        request->Answer(show(parent->data()));
                    },
                    Qt::QueuedConnection);
            });
    }

    TransferRunner* m_runner;
    // The program's catalogue, read on the window thread only.
    const TextCatalogue& m_texts;
    // Read on the window thread only; a parent gone leaves the boxes
    // without one.
    QPointer<QWidget> m_parent;
    PromptChannel m_requests;
};

TransferRunner::TransferRunner(const TextCatalogue& texts, QObject* parent)
    : QObject(parent), m_texts(texts) {}

TransferRunner::~TransferRunner() {
    if (!m_thread) {
        return;
    }
    if (m_control) {
        m_control->Cancel();
    }
    m_observer->Release();
    m_thread->wait();
}

bool TransferRunner::Start(Job job, const RadioImage& image, QWidget* messageParent,
                           std::shared_ptr<TransferControl> control) {
    if (m_thread) {
        return false;
    }
    m_image = image;
    m_control = std::move(control);
    m_observer = std::make_unique<Observer>(this, messageParent);
    m_thread.reset(QThread::create([this, job = std::move(job), wireLog = m_wireLog] {
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
    }));
    m_thread->start();
    return true;
}

void TransferRunner::onThreadDone(const TransferResult& result) {
    m_thread->wait();
    m_thread.reset();
    emit Finished(result);
}
