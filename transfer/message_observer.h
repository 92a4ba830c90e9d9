#pragma once
// A transfer observer for transfers that run to completion inside a button
// handler of a modal dialog: the "Communication Error" prompt and the final
// messages are shown through the message service on the calling thread.

#include "link/transfer_observer.h"

#include <QString>

class QWidget;

// A transfer message in the language in use: string-table messages through
// the translation set (context "StringTable"), literal pairs by g_bChinese.
QString LinkMessageString(const LinkMessage& message);

class MessageObserver : public TransferObserver {
public:
    explicit MessageObserver(QWidget* parent) : m_parent(parent) {}

    PromptAnswer OnCommunicationError(const LinkMessage& message) override;
    void OnMessage(const LinkMessage& message) override;

private:
    QWidget* m_parent;
};
