#include "ui/message_service.h"

#include "ui/dialog_frame.h"
#include "ui/list_message_box.h"

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
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
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

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The box that lists lines; its standard buttons are those of a message box.
int execListBox(QWidget* parent, const MessageRequest& request) {
    // The icon a message box of the same kind shows.
    QMessageBox plain;
    plain.setIcon(boxIcon(request.icon));
    ListMessageBox box(plain.iconPixmap(), request.caption,
                       request.text, request.lines,
                       QDialogButtonBox::StandardButtons(
                           standardButtons(request.buttons).toInt()),
                       parent);
    return box.exec();
}

// The buttons of a box and the answers they give.
constexpr std::pair<QMessageBox::StandardButton, MessageAnswer> kAnswers[] = {
    {QMessageBox::Ok, MessageAnswer::Ok},         {QMessageBox::Retry, MessageAnswer::Retry},
    {QMessageBox::Save, MessageAnswer::Save},     {QMessageBox::Discard, MessageAnswer::Discard},
    {QMessageBox::Yes, MessageAnswer::Yes},       {QMessageBox::No, MessageAnswer::No},
    {QMessageBox::Cancel, MessageAnswer::Cancel},
};

MessageAnswer showBox(QWidget* parent, const MessageRequest& request) {
    int button = 0;
    if (request.lines.isEmpty()) {
        QMessageBox box(boxIcon(request.icon), request.caption, request.text,
                        standardButtons(request.buttons), parent, kDialogFrame);
        KeepTitleInSight(box);
        for (const auto& [standard, answer] : kAnswers) {
            if (request.defaultAnswer == answer) {
                box.setDefaultButton(standard);
            }
        }
        button = box.exec();
    } else {
        button = execListBox(parent, request);
    }
    for (const auto& [standard, answer] : kAnswers) {
        if (button == standard) {
            return answer;
        }
    }
    // A box closed without a button of its own.
    return MessageAnswer::Cancel;
}

// To the test's handler when there is one, else on screen.
MessageAnswer deliver(QWidget* parent, const MessageRequest& request) {
    return handler() ? handler()(request) : showBox(parent, request);
}

} // namespace

MessageAnswer MessageService::Show(QWidget* parent, const QString& text, MessageButtons buttons,
                                   MessageIcon icon, const QString& caption) {
    return deliver(parent, {text, caption.isEmpty() ? displayName() : caption, buttons, icon});
}

MessageAnswer MessageService::Ask(QWidget* parent, const QString& text, MessageButtons buttons,
                                  MessageAnswer safeAnswer) {
    return deliver(parent,
                   {text, displayName(), buttons, MessageIcon::Question, {}, safeAnswer});
}

MessageAnswer MessageService::ShowList(QWidget* parent, const QString& text,
                                       const QStringList& lines, MessageButtons buttons,
                                       MessageIcon icon) {
    return deliver(parent, {text, displayName(), buttons, icon, lines});
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
