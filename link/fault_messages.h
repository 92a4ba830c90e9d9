#pragma once
// The words of a transfer's prompt and ends: one table from the typed fault
// (and, for a success, the kind of transfer) to the message the window and
// the command line show. The engines report typed results only; a new fault
// gets its words by a row here.

#include "link/link_messages.h"
#include "link/port_holders.h"
#include "link/transfer_result.h"

#include <optional>

// The text of the "Communication Error" prompt (Retry and Cancel), with the
// programs seen holding the port as its detail line.
LinkMessage PromptMessage(const PortHolders& holders = {});

// The message of a fault; none for a fault without words of its own (None,
// UserCancel, VerifyMismatch). A prompt cancel's message is the prompt's.
std::optional<LinkMessage> FaultMessage(LinkFault fault);

// What is shown when a transfer run has ended, or none: a failure's message
// (the reason under "Could not Open the Port..." as its detail) with the
// note that the radio holds part of the new data after it when it does, the
// note alone for a user cancel that left it so, the success message of a
// squelch transfer. Nothing after a completed clone transfer, nor after a
// prompt cancel (the prompt said it).
std::optional<LinkMessage> EndMessage(const TransferResult& result);
