#pragma once
// How a transfer ended, with the typed fault behind a failure. The engines
// report only this; the window and the command line word it
// (link/fault_messages.h).

#include "link/open_failure.h"

enum class TransferDirection { Read, Write };

// What a transfer moved: the whole memory, or the squelch levels alone.
enum class TransferKind { Clone, SquelchRead, SquelchWrite };

enum class TransferOutcome {
    Completed, // every step done
    Cancelled, // Cancel at a pump point, or Cancel answered to the prompt
    Failed,    // a fault ended it
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
    TransferKind kind = TransferKind::Clone;
    TransferOutcome outcome = TransferOutcome::Failed;
    LinkFault fault = LinkFault::None;
    // Why the port could not be opened (OpenFailed), as far as the system
    // told.
    OpenFailure openFailure;
    // The last progress position (clone transfers): 191 after a read, 189
    // after a write.
    int progress = 0;
    // Radio address of the block the fault happened at, -1 when none.
    int faultAddress = -1;
    // A write that stopped after its first data block went out: the radio
    // holds a mixture of old and new data and must be written again.
    bool radioPartlyWritten = false;
    // A write that completed but whose read-back to verify it failed or was
    // cancelled: nothing shows that the radio holds what was written.
    bool verifyUnfinished = false;
};
