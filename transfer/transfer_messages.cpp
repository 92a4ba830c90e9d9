#include "transfer/transfer_messages.h"

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

PromptAnswer AskCommunicationError(QWidget* parent, const PortHolders& holders) {
    const MessageAnswer answer = MessageService::Show(parent, LinkMessageString(PromptMessage(holders)),
                                                      MessageButtons::RetryCancel);
    return answer == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void ShowLinkMessage(QWidget* parent, const LinkMessage& message) {
    MessageService::Show(parent, LinkMessageString(message), MessageButtons::Ok);
}
