#include "link/link_messages.h"

#include "model/string_table.h"

#include <cstring>
#include <utility>

bool LinkMessage::operator==(const LinkMessage& other) const {
    const bool sameFollowUp = followUp == nullptr || other.followUp == nullptr
                                  ? followUp == other.followUp
                                  : *followUp == *other.followUp;
    return stringId == other.stringId && text == other.text && sameFollowUp &&
           openFailure == other.openFailure && holders == other.holders;
}

namespace {

LinkMessage FromStringTable(int id) {
    LinkMessage message;
    message.stringId = id;
    return message;
}

// Whether text ends in a character of three or more UTF-8 bytes (Chinese
// text and its full-width marks).
bool EndsWide(const std::string& text) {
    std::size_t lead = text.size();
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
        --lead;
    }
    return lead > 0 && static_cast<unsigned char>(text[lead - 1]) >= 0xE0;
}

bool EndsSentence(const std::string& text) {
    for (const char* mark : {".", "!", "?", "。", "！", "？"}) {
        const std::size_t length = std::strlen(mark);
        if (text.size() >= length && text.compare(text.size() - length, length, mark) == 0) {
            return true;
        }
    }
    return false;
}

LinkMessage Worded(TextId text) {
    LinkMessage message;
    message.text = text;
    return message;
}

} // namespace

const LinkMessage kMsgCommunicationError = FromStringTable(IDS_COMMUNICATION_ERROR);
const LinkMessage kMsgCouldNotOpenPort = FromStringTable(IDS_COULD_NOT_OPEN_PORT);
const LinkMessage kMsgProgramInterrupt = FromStringTable(IDS_PROGRAM_INTERRUPT);
const LinkMessage kMsgBandTypeError = Worded(TEXT_ID("LinkMessages", "Band type error"));
const LinkMessage kMsgPasswordError = Worded(TEXT_ID("LinkMessages", "Password Error!"));
const LinkMessage kMsgWriteSuccessfully = Worded(TEXT_ID("LinkMessages", "Write Successfully"));
const LinkMessage kMsgReadSuccessfully = Worded(TEXT_ID("LinkMessages", "Read Successfully"));
const LinkMessage kMsgRadioPartlyWritten = Worded(
    TEXT_ID("LinkMessages",
            "The radio now holds part of the new data and must be written again before use."));
const LinkMessage kMsgVerifyNotFinished = Worded(
    TEXT_ID("LinkMessages",
            "The write completed, but the verify could not finish: the radio could not be read "
            "back. Read the radio, or write it again with verify, before use."));
const LinkMessage kMsgVerifyCancelled =
    Worded(TEXT_ID("LinkMessages", "The write completed, but the verify was cancelled: what the "
                                   "radio holds has not been checked."));
const TextId kWaitingForRadio = TEXT_ID("LinkMessages", "Waiting the response from radio....");

LinkMessage WithFollowUp(LinkMessage message, const LinkMessage& followUp) {
    message.followUp = &followUp;
    return message;
}

std::string JoinSentences(std::string first, const std::string& second) {
    if (!EndsSentence(first)) {
        first += EndsWide(first) ? "。" : ".";
    }
    if (!EndsWide(first)) {
        first += ' ';
    }
    return first + second;
}

std::string LinkMessageDetail(const LinkMessage& message, const TextCatalogue& texts) {
    return message.openFailure ? OpenFailureText(*message.openFailure, texts)
                               : PortHoldersText(message.holders, texts);
}

std::string LinkMessageText(const LinkMessage& message, const TextCatalogue& texts) {
    std::string text =
        message.stringId != 0 ? StringTableText(message.stringId) : texts.Tr(message.text);
    if (message.followUp != nullptr) {
        text = JoinSentences(std::move(text), LinkMessageText(*message.followUp, texts));
    }
    if (const std::string detail = LinkMessageDetail(message, texts); !detail.empty()) {
        text += '\n' + detail;
    }
    return text;
}
