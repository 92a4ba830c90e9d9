#include "transfer/message_observer.h"

#include "ui/cell_message.h"
#include "ui/message_service.h"

QString LinkMessageString(const LinkMessage& message) {
    if (message.stringId != 0) {
        return StringTableString(message.stringId);
    }
    return QString::fromStdString(LinkMessageText(message));
}

PromptAnswer MessageObserver::OnCommunicationError(const LinkMessage& message) {
    const MessageAnswer answer =
        MessageService::Show(m_parent, LinkMessageString(message), MessageButtons::RetryCancel);
    return answer == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void MessageObserver::OnMessage(const LinkMessage& message) {
    MessageService::Show(m_parent, LinkMessageString(message), MessageButtons::Ok);
}
