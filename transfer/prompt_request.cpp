#include "transfer/prompt_request.h"

PromptAnswer PromptRequest::Wait() {
    std::unique_lock lock(m_mutex);
    m_settled.wait(lock, [this] { return m_answer.has_value(); });
    return *m_answer;
}

void PromptRequest::Answer(PromptAnswer answer) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_answer) {
            return;
        }
        m_answer = answer;
    }
    m_settled.notify_all();
}

void PromptRequest::Cancel() {
    Answer(PromptAnswer::Cancel);
}

PromptAnswer PromptChannel::Ask(const Post& post) {
    std::shared_ptr<PromptRequest> request;
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed) {
            return PromptAnswer::Cancel;
        }
        request = std::make_shared<PromptRequest>();
        m_open = request;
    }
    post(request);
    const PromptAnswer answer = request->Wait();
    const std::lock_guard lock(m_mutex);
    m_open.reset();
    return answer;
}

void PromptChannel::Close() {
    const std::lock_guard lock(m_mutex);
    m_closed = true;
    if (m_open) {
        m_open->Cancel();
    }
}
