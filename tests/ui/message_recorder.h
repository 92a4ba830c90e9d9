#pragma once
// Observes every message box of the code under test and answers it: the
// answers queued with Answer() in order, then OK. Restores the real boxes
// when it goes.

#include "ui/message_service.h"

#include <deque>
#include <vector>

class MessageRecorder {
public:
    MessageRecorder() {
        MessageService::SetHandler([this](const MessageRequest& request) {
            seen.push_back(request);
            if (m_answers.empty()) {
                return MessageAnswer::Ok;
            }
            const MessageAnswer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { MessageService::SetHandler({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Answer(MessageAnswer answer) { m_answers.push_back(answer); }

    std::vector<MessageRequest> seen;

private:
    std::deque<MessageAnswer> m_answers;
};
