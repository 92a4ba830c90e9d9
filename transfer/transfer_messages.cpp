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
        text = QString::fromStdString(
            JoinSentences(text.toStdString(), LinkMessageString(*message.followUp).toStdString()));
    }
    if (const std::string detail = LinkMessageDetail(message, AppTexts()); !detail.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(detail);
    }
    return text;
}

PromptAnswer AskCommunicationError(QWidget* parent, const PortHolders& holders) {
    const MessageAnswer answer =
        MessageService::Show(parent, LinkMessageString(PromptMessage(holders)),
                             MessageButtons::RetryCancel, MessageIcon::Stop);
    return answer == MessageAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void ShowEndMessage(QWidget* parent, const LinkMessage& message, TransferOutcome outcome) {
    // A fault is an error; a cancel's note (what the radio holds now) a
    // caution; a success a result.
    const MessageIcon icon = outcome == TransferOutcome::Failed      ? MessageIcon::Stop
                             : outcome == TransferOutcome::Cancelled ? MessageIcon::Exclamation
                                                                     : MessageIcon::Information;
    MessageService::Show(parent, LinkMessageString(message), MessageButtons::Ok, icon);
}
