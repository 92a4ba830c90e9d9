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

    bool operator==(const LinkMessage& other) const;
};

extern const LinkMessage kMsgCommunicationError; // 61449, Retry and Cancel
extern const LinkMessage kMsgCouldNotOpenPort;   // 61451
extern const LinkMessage kMsgProgramInterrupt;   // 61452
extern const LinkMessage kMsgBandTypeError;      // "Band type error"
extern const LinkMessage kMsgPasswordError;      // "Password Error!"
extern const LinkMessage kMsgWriteSuccessfully;  // squelch write done
extern const LinkMessage kMsgReadSuccessfully;   // squelch read done

// The text of a message in the language in use (g_bChinese). String-table
// messages give their English text here; the windows translate them by id.
std::string LinkMessageText(const LinkMessage& message);

// Status text while the radio is being put into programming mode.
std::string WaitingForRadioText();
