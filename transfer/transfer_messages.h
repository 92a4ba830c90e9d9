#pragma once
// The window's words for a transfer: the "Communication Error" prompt and the
// messages of its ends (worded by link/fault_messages.h), shown through the
// message service over a parent widget. Called on the window thread (the
// transfer runner puts its worker's requests here).

#include "link/fault_messages.h"
#include "link/transfer_observer.h"
#include "model/text_catalogue.h"

#include <QString>

class QWidget;

// A transfer message in the language in use: string-table messages through
// the translation set (context "StringTable"), the others through texts (the
// program's catalogue); its follow-up sentence and detail line after it.
QString LinkMessageString(const LinkMessage& message, const TextCatalogue& texts);

// The "Communication Error" prompt over parent (none when null), naming the
// programs seen holding the port: Retry or Cancel.
PromptAnswer AskCommunicationError(QWidget* parent, const PortHolders& holders,
                                   const TextCatalogue& texts);
// The message of a transfer's end with an OK button over parent (none when
// null), with the icon of the outcome's kind.
void ShowEndMessage(QWidget* parent, const LinkMessage& message, TransferOutcome outcome,
                    const TextCatalogue& texts);
