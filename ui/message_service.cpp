#include "ui/message_service.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString& displayName() {
    static QString name;
    return name;
}

MessageService::Handler& handler() {
    static MessageService::Handler h;
    return h;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    parent);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    case MessageButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Save:
        return MessageAnswer::Save;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace

MessageAnswer MessageService::Show(QWidget* parent, const QString& text, MessageButtons buttons,
                                   MessageIcon icon, const QString& caption) {
    MessageRequest request{text, caption.isEmpty() ? displayName() : caption, buttons, icon};
    if (handler()) {
        return handler()(request);
    }
    return showBox(parent, request);
}

void MessageService::SetDisplayName(const QString& name) {
    displayName() = name;
}

QString MessageService::DisplayName() {
    return displayName();
}

void MessageService::SetHandler(Handler h) {
    handler() = std::move(h);
}
