#include "transfer/message_observer.h"

#include "ui/cell_message.h"
#include "ui/message_service.h"

QString LinkMessageString(const LinkMessage& message) {
    if (message.stringId == 0) {
        return QString::fromStdString(LinkMessageText(message));
    }
    QString text = StringTableString(message.stringId);
    if (message.followUp != nullptr) {
        text += QLatin1Char(' ') + LinkMessageString(*message.followUp);
    }
    if (!message.detail.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(message.detail);
    }
    return text;
}

PromptAnswer MessageObserver::OnCommunicationError(const LinkMessage& message) {
    const MessageAnswer answer =
        MessageService::Show(m_parent, LinkMessageString(message), MessageButtons::RetryCancel);
    return answer == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void MessageObserver::OnMessage(const LinkMessage& message) {
    MessageService::Show(m_parent, LinkMessageString(message), MessageButtons::Ok);
}
