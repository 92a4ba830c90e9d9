#include "transfer/transfer_messages.h"

#include "texts_qt/qt_catalogue.h"
#include "ui/cell_message.h"
#include "ui/message_service.h"

QString LinkMessageString(const LinkMessage& message) {
    if (message.stringId == 0) {
        return QString::fromStdString(LinkMessageText(message, AppTexts()));
    }
    QString text = StringTableString(message.stringId);
    if (message.followUp != nullptr) {
        text += QLatin1Char(' ') + LinkMessageString(*message.followUp);
    }
    if (const std::string detail = LinkMessageDetail(message, AppTexts()); !detail.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(detail);
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
