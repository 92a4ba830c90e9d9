// The runner's side of a transfer's questions: the requests a worker waits
// on, answered by the window or released when the window or the runner goes,
// and the runner's teardown while its worker waits. The jobs here talk to
// the observer only; the transfers themselves are run against the simulated
// radio by the Process dialog and Squelch Tuning tests.

#include "tests/ui/message_recorder.h"
#include "transfer/prompt_request.h"
#include "transfer/transfer_runner.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

class TransferRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void requestsSettleOnce();
    void promptsAndEndsReachTheWindow();
    void runnerGoneReleasesItsWaitingWorker();
};

void TransferRunnerTest::requestsSettleOnce() {
    // The window answers, or the channel closes while the worker waits;
    // whatever comes second is ignored.
    enum class Then { Answer, Close, AnswerThenClose, CloseThenAnswer };
    struct Case {
        const char* name;
        Then then;
        PromptAnswer expected;
    };
    const Case cases[] = {
        {"answered", Then::Answer, PromptAnswer::Retry},
        {"closed while waiting", Then::Close, PromptAnswer::Cancel},
        {"answered, then closed", Then::AnswerThenClose, PromptAnswer::Retry},
        {"closed, then answered", Then::CloseThenAnswer, PromptAnswer::Cancel},
    };
    for (const Case& c : cases) {
        PromptChannel channel;
        std::promise<std::shared_ptr<PromptRequest>> posted;
        std::future<std::shared_ptr<PromptRequest>> request = posted.get_future();
        std::future<PromptAnswer> answer = std::async(std::launch::async, [&] {
            return channel.Ask([&](std::shared_ptr<PromptRequest> r) { posted.set_value(r); });
        });
        const std::shared_ptr<PromptRequest> open = request.get();
        switch (c.then) {
        case Then::Answer:
            open->Answer(PromptAnswer::Retry);
            break;
        case Then::Close:
            channel.Close();
            break;
        case Then::AnswerThenClose:
            open->Answer(PromptAnswer::Retry);
            channel.Close();
            break;
        case Then::CloseThenAnswer:
            channel.Close();
            open->Answer(PromptAnswer::Retry);
            break;
        }
        // A worker left waiting fails the case instead of hanging the test.
        const bool released = answer.wait_for(std::chrono::minutes(1)) == std::future_status::ready;
        open->Cancel();
        QVERIFY2(released, c.name);
        QVERIFY2(answer.get() == c.expected, c.name);
        QVERIFY2(open->Wait() == c.expected, c.name);
    }

    // A closed channel posts nothing and answers Cancel at once.
    PromptChannel closed;
    closed.Close();
    bool posted = false;
    QVERIFY(closed.Ask([&](std::shared_ptr<PromptRequest>) { posted = true; }) ==
            PromptAnswer::Cancel);
    QVERIFY(!posted);
}

void TransferRunnerTest::promptsAndEndsReachTheWindow() {
    // The prompt's answer reaches the worker; an end with words waits for its
    // box, one without shows none.
    MessageRecorder messages;
    messages.Answer(MessageAnswer::Retry);
    QWidget parent;
    TransferRunner runner(SourceTexts());
    QSignalSpy finished(&runner, &TransferRunner::Finished);
    std::vector<PromptAnswer> answers;
    QVERIFY(runner.Start(
        [&answers](SerialLink&, TransferObserver& observer, RadioImage&) {
            answers.push_back(observer.OnCommunicationError({}));
            TransferResult result;
            result.outcome = TransferOutcome::Completed;
            observer.OnEnded(result);
            result.kind = TransferKind::SquelchRead;
            observer.OnEnded(result);
            return result;
        },
        RadioImage{}, &parent));
    QVERIFY(!runner.Start({}, RadioImage{}, &parent));
    QVERIFY(finished.wait(60000));
    QVERIFY(!runner.IsRunning());
    QVERIFY(answers == std::vector<PromptAnswer>{PromptAnswer::Retry});
    QCOMPARE(int(messages.seen.size()), 2);
    QCOMPARE(messages.seen[0].text,
             QStringLiteral(
                 "Communication Error, Please check all the connections and the radio power"));
    QVERIFY(messages.seen[0].buttons == MessageButtons::RetryCancel);
    QCOMPARE(messages.seen[1].text, QStringLiteral("Read Successfully"));
    QVERIFY(messages.seen[1].buttons == MessageButtons::Ok);
}

void TransferRunnerTest::runnerGoneReleasesItsWaitingWorker() {
    // The window never gets to the prompt: the runner goes first. Its worker
    // is released with Cancel, asked nothing more, told to stop and joined;
    // no box is shown and Finished never comes.
    MessageRecorder messages;
    auto runner = std::make_unique<TransferRunner>(SourceTexts());
    QSignalSpy finished(runner.get(), &TransferRunner::Finished);
    auto control = std::make_shared<TransferControl>();
    QVERIFY(control->Start());
    std::atomic<bool> asking{false};
    std::vector<PromptAnswer> answers;
    QVERIFY(runner->Start(
        [&](SerialLink&, TransferObserver& observer, RadioImage&) {
            asking = true;
            answers.push_back(observer.OnCommunicationError({}));
            answers.push_back(observer.OnCommunicationError({}));
            TransferResult result;
            result.fault = LinkFault::Timeout;
            observer.OnEnded(result);
            return result;
        },
        RadioImage{}, nullptr, control));
    while (!asking) {
        std::this_thread::yield();
    }
    runner.reset();
    QVERIFY(answers == std::vector<PromptAnswer>(2, PromptAnswer::Cancel));
    QVERIFY(control->CancelFlag().load());
    QCoreApplication::processEvents();
    QVERIFY(messages.seen.empty());
    QCOMPARE(finished.count(), 0);
}

QTEST_MAIN(TransferRunnerTest)
#include "transfer_runner_test.moc"
