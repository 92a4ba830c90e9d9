#pragma once
// Every message box of the program goes through this one service, so that
// tests can observe what the user would be shown and answer it, without a
// modal box on screen. Every box names its kind, and shows that kind's icon:
// an error, a caution, a result or a question.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The kind of a box: a result (Information), a caution (Exclamation), an
// error (Stop) or a question (Question).
enum class MessageIcon { Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, RetryCancel, SaveDiscardCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Retry, Save, Discard, Yes, No };

struct MessageRequest {
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
    // Shown below the text, each in full, in a scrollable list with Copy.
    QStringList lines = {};
    // The answer of the default button (Enter); none: the box's own choice.
    std::optional<MessageAnswer> defaultAnswer = {};
};

class MessageService {
public:
    using Handler = std::function<MessageAnswer(const MessageRequest&)>;

    // Shows a message box and returns the answer. An empty caption stands for
    // the application's display name.
    static MessageAnswer Show(QWidget* parent, const QString& text, MessageButtons buttons,
                              MessageIcon icon, const QString& caption = {});

    // A question whose default button (Enter) gives the safe answer, for a
    // question whose other answer cannot be taken back.
    static MessageAnswer Ask(QWidget* parent, const QString& text, MessageButtons buttons,
                             MessageAnswer safeAnswer);

    // The same box with lines below its text, every one of them listed in a
    // scrollable area with a Copy button (ui/list_message_box.h).
    static MessageAnswer ShowList(QWidget* parent, const QString& text, const QStringList& lines,
                                  MessageButtons buttons, MessageIcon icon);

    // The caption of every message box that names none: the "Company" text.
    static void SetDisplayName(const QString& name);
    static QString DisplayName();

    // Replaces the real message box (tests); an empty handler restores it.
    static void SetHandler(Handler handler);
};
