#pragma once
// How a transfer ended, with the typed fault behind a failure.

#include "link/link_messages.h"

#include <optional>

enum class TransferDirection { Read, Write };

enum class TransferOutcome {
    Completed, // every step done
    Cancelled, // Cancel at a pump point, or Cancel answered to the prompt
    Failed,    // a fault ended it; its message was shown
};

enum class LinkFault {
    None,
    OpenFailed,   // the port could not be opened
    Io,           // the port reported an error on a read or a write
    Timeout,      // nothing arrived where a reply was due
    NoAck,        // a byte arrived but it was not the acknowledge
    ShortReply,   // fewer bytes than the reply needs
    BadReply,     // a reply whose header did not echo its request, twice
    BandType,     // the radio's band type is refused
    Password,     // the radio's password differs from the document's
    PromptCancel, // "Communication Error" answered with Cancel
    UserCancel,   // the cancel flag was seen at a pump point
    // The write completed, but reading the radio back found other data.
    VerifyMismatch,
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Failed;
    LinkFault fault = LinkFault::None;
    // The message shown for a failure (also the prompt's text after a
    // PromptCancel); for a user cancel only the note that the radio is
    // partly written, when it is; nothing for a completed transfer.
    std::optional<LinkMessage> message;
    // The last progress position (clone transfers): 191 after a read, 189
    // after a write.
    int progress = 0;
    // Radio address of the block the fault happened at, -1 when none.
    int faultAddress = -1;
    // A write that stopped after its first data block went out: the radio
    // holds a mixture of old and new data and must be written again.
    bool radioPartlyWritten = false;
};
