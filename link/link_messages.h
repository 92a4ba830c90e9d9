#pragma once
// The texts the transfers show: string-table messages by id, literal pairs
// with their English and Chinese wording, and the status texts.

#include <string>

struct LinkMessage {
    // String-table id, or 0 for a literal pair.
    int stringId = 0;
    // English and Chinese (UTF-8) wording of a literal pair; for a
    // string-table message the English text of the id.
    const char* english = "";
    const char* chinese = "";
    // A sentence that follows the message (the radio's state after a write
    // that stopped part-way); null when none.
    const LinkMessage* followUp = nullptr;
    // What the system reported, in the language in use, on a line of its own
    // after the message (why a port cannot be opened); empty when nothing.
    std::string detail;

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

// The text of a message in the language in use (g_bChinese), its follow-up
// sentence and its detail line included. String-table messages give their
// English text here; the windows translate them by id.
std::string LinkMessageText(const LinkMessage& message);

// Status text while the radio is being put into programming mode.
std::string WaitingForRadioText();
