#pragma once
// The questions a transfer's worker thread puts to the window: the
// "Communication Error" prompt and the OK messages it waits on. Each is an
// explicit request the worker waits for: the window answers it, or a cancel
// releases the worker with Cancel (the runner going, its window closed). A
// closed channel answers every open and later request Cancel at once, so a
// worker never waits for a window that is gone. Plain C++, used from both
// threads.

#include "link/transfer_observer.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class PromptRequest {
public:
    // The worker: waits until the request is answered or cancelled.
    PromptAnswer Wait();
    // The window: the user's answer. Ignored once the request is settled.
    void Answer(PromptAnswer answer);
    // Any thread: settles the request with Cancel unless it was answered.
    void Cancel();

private:
    std::mutex m_mutex;
    std::condition_variable m_settled;
    std::optional<PromptAnswer> m_answer;
};

class PromptChannel {
public:
    // Posts to the window thread, which answers (or drops) the request.
    using Post = std::function<void(std::shared_ptr<PromptRequest>)>;

    // The worker: puts a request through post and waits for its answer;
    // Cancel at once, posting nothing, once the channel is closed.
    PromptAnswer Ask(const Post& post);
    // Any thread: cancels the open request and refuses every later one.
    void Close();

private:
    std::mutex m_mutex;
    bool m_closed = false;
    std::shared_ptr<PromptRequest> m_open;
};
