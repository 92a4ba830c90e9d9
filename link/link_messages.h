#pragma once
// The texts the transfers show: string-table messages by id, messages worded
// in the catalogue, and the status texts. A message stays language-free
// (ids and what the system reported); its edge renders it through the
// catalogue of the language in use.

#include "link/open_failure.h"
#include "link/port_holders.h"
#include "model/text_catalogue.h"

#include <optional>
#include <string>

struct LinkMessage {
    // String-table id, or 0 for a message worded by text.
    int stringId = 0;
    // The words of a message without an id.
    TextId text;
    // A sentence that follows the message (the radio's state after a write
    // that stopped part-way); null when none.
    const LinkMessage* followUp = nullptr;
    // Why a port could not be opened, told on a line of its own after the
    // message; none when nothing is known.
    std::optional<OpenFailure> openFailure;
    // The programs seen holding the port, told on a line of their own (the
    // "Communication Error" prompt).
    PortHolders holders;

    bool operator==(const LinkMessage& other) const;
};

extern const LinkMessage kMsgCommunicationError; // 61449, Retry and Cancel
extern const LinkMessage kMsgCouldNotOpenPort;   // 61451
extern const LinkMessage kMsgProgramInterrupt;   // 61452
extern const LinkMessage kMsgBandTypeError;      // "Band type error"
extern const LinkMessage kMsgPasswordError;      // "Password Error!"
extern const LinkMessage kMsgWriteSuccessfully;  // squelch write done
extern const LinkMessage kMsgReadSuccessfully;   // squelch read done
// Said after a write that stopped once data blocks had gone to the radio.
extern const LinkMessage kMsgRadioPartlyWritten;
// Said when the read-back after a completed write failed or was cancelled.
extern const LinkMessage kMsgVerifyNotFinished;
extern const LinkMessage kMsgVerifyCancelled;

// The message with the follow-up sentence after it.
LinkMessage WithFollowUp(LinkMessage message, const LinkMessage& followUp);

// Two sentences of one message (UTF-8) as one text: the first closed with a
// full stop when it has no end mark of its own ("." after English, "。"
// after Chinese), a space between them after an English end mark.
std::string JoinSentences(std::string first, const std::string& second);

// The line told under the message (why the port could not be opened, or
// who holds it) in the catalogue's language; empty when there is none.
std::string LinkMessageDetail(const LinkMessage& message, const TextCatalogue& texts);

// The text of a message in the catalogue's language, its follow-up sentence
// and its detail line included. String-table messages give their English
// text here; the windows translate them by id.
std::string LinkMessageText(const LinkMessage& message, const TextCatalogue& texts);

// Status text while the radio is being put into programming mode.
extern const TextId kWaitingForRadio;
