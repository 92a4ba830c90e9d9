#pragma once
// The window side of a transfer's observer: the "Communication Error" prompt
// and the final messages, shown through the message service over a parent
// widget. Called on the window thread (the transfer runner marshals the
// calls of its worker thread here).

#include "link/transfer_observer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// A transfer message in the language in use: string-table messages through
// the translation set (context "StringTable"), literal pairs by g_bChinese;
// its follow-up sentence and detail line after it.
QString LinkMessageString(const LinkMessage& message);

class MessageObserver : public TransferObserver {
public:
    explicit MessageObserver(QWidget* parent) : m_parent(parent) {}

    PromptAnswer OnCommunicationError(const LinkMessage& message) override;
    void OnMessage(const LinkMessage& message) override;

private:
    // A parent gone meanwhile leaves the messages without one.
    QPointer<QWidget> m_parent;
};
