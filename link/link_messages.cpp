#include "link/link_messages.h"

#include "model/language.h"
#include "model/string_table.h"

#include <cstring>
#include <utility>

bool LinkMessage::operator==(const LinkMessage& other) const {
    const bool sameFollowUp = followUp == nullptr || other.followUp == nullptr
                                  ? followUp == other.followUp
                                  : *followUp == *other.followUp;
    return stringId == other.stringId && std::strcmp(english, other.english) == 0 &&
           std::strcmp(chinese, other.chinese) == 0 && sameFollowUp && detail == other.detail;
}

namespace {

LinkMessage FromStringTable(int id) {
    LinkMessage message;
    message.stringId = id;
    message.english = StringTableText(id);
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

LinkMessage Literal(const char* english, const char* chinese) {
    LinkMessage message;
    message.english = english;
    message.chinese = chinese;
    return message;
}

} // namespace

const LinkMessage kMsgCommunicationError = FromStringTable(IDS_COMMUNICATION_ERROR);
const LinkMessage kMsgCouldNotOpenPort = FromStringTable(IDS_COULD_NOT_OPEN_PORT);
const LinkMessage kMsgProgramInterrupt = FromStringTable(IDS_PROGRAM_INTERRUPT);
const LinkMessage kMsgBandTypeError = Literal("Band type error", "频宽类型错误");
const LinkMessage kMsgPasswordError = Literal("Password Error!", "Password Error!");
const LinkMessage kMsgWriteSuccessfully = Literal("Write Successfully", "写数据成功");
const LinkMessage kMsgReadSuccessfully = Literal("Read Successfully", "读数据成功");
const LinkMessage kMsgRadioPartlyWritten =
    Literal("The radio now holds part of the new data and must be written again before use.",
            "对讲机中现在只有部分新数据，使用前必须重新写入。");
const LinkMessage kMsgVerifyNotFinished =
    Literal("The write completed, but the verify could not finish: the radio could not be read "
            "back. Read the radio, or write it again with verify, before use.",
            "写入已完成，但校验未能完成：未能读回对讲机。使用前请读取对讲机，或带校验重新写入。");
const LinkMessage kMsgVerifyCancelled =
    Literal("The write completed, but the verify was cancelled: what the radio holds has not been "
            "checked.",
            "写入已完成，但校验已取消：对讲机中的数据未经检查。");

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

std::string LinkMessageText(const LinkMessage& message) {
    std::string text = message.stringId != 0 ? StringTableText(message.stringId)
                                             : Tr2(message.english, message.chinese);
    if (message.followUp != nullptr) {
        text = JoinSentences(std::move(text), LinkMessageText(*message.followUp));
    }
    if (!message.detail.empty()) {
        text += '\n' + message.detail;
    }
    return text;
}

std::string WaitingForRadioText() {
    return Tr2("Waiting the response from radio....", "请等待对机讲响应....");
}
