#include "ui/message_service.h"

#include "ui/dialog_frame.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

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

// A message box is as wide as its text needs, which can be narrower than its
// title: a row of room at the foot of its layout keeps the whole title in
// sight (the title bar's own buttons and margins counted).
void KeepTitleInSight(QMessageBox& box) {
    constexpr int kTitleBarExtra = 120;
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (layout == nullptr) {
        return;
    }
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    layout->rowCount(), 0, 1, layout->columnCount());
}

MessageAnswer showBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    parent, kDialogFrame);
    KeepTitleInSight(box);
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
