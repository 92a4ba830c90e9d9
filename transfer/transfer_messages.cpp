#include "transfer/transfer_messages.h"

#include "ui/cell_message.h"
#include "ui/message_service.h"

QString LinkMessageString(const LinkMessage& message, const TextCatalogue& texts) {
    if (message.stringId == 0) {
        return QString::fromStdString(LinkMessageText(message, texts));
    }
    QString text = StringTableString(message.stringId);
    if (message.followUp != nullptr) {
        text = QString::fromStdString(JoinSentences(
            text.toStdString(), LinkMessageString(*message.followUp, texts).toStdString()));
    }
    if (const std::string detail = LinkMessageDetail(message, texts); !detail.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(detail);
    }
    return text;
}

PromptAnswer AskCommunicationError(QWidget* parent, const PortHolders& holders,
                                   const TextCatalogue& texts) {
    const MessageAnswer answer =
        MessageService::Show(parent, LinkMessageString(PromptMessage(holders), texts),
                             MessageButtons::RetryCancel, MessageIcon::Stop);
    return answer == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void ShowEndMessage(QWidget* parent, const LinkMessage& message, TransferOutcome outcome,
                    const TextCatalogue& texts) {
    // A fault is an error; a cancel's note (what the radio holds now) a
    // caution; a success a result.
    const MessageIcon icon = outcome == TransferOutcome::Failed      ? MessageIcon::Stop
                             : outcome == TransferOutcome::Cancelled ? MessageIcon::Exclamation
                                                                     : MessageIcon::Information;
    MessageService::Show(parent, LinkMessageString(message, texts), MessageButtons::Ok, icon);
}
