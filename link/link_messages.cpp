#include "link/link_messages.h"

#include "model/language.h"
#include "model/string_table.h"

#include <cstring>

bool LinkMessage::operator==(const LinkMessage& other) const {
    return stringId == other.stringId && std::strcmp(english, other.english) == 0 &&
           std::strcmp(chinese, other.chinese) == 0;
}

const LinkMessage kMsgCommunicationError{IDS_COMMUNICATION_ERROR,
                                         StringTableText(IDS_COMMUNICATION_ERROR), ""};
const LinkMessage kMsgCouldNotOpenPort{IDS_COULD_NOT_OPEN_PORT,
                                       StringTableText(IDS_COULD_NOT_OPEN_PORT), ""};
const LinkMessage kMsgProgramInterrupt{IDS_PROGRAM_INTERRUPT,
                                       StringTableText(IDS_PROGRAM_INTERRUPT), ""};
const LinkMessage kMsgBandTypeError{0, "Band type error", "频宽类型错误"};
const LinkMessage kMsgPasswordError{0, "Password Error!", "Password Error!"};
const LinkMessage kMsgWriteSuccessfully{0, "Write Successfully", "写数据成功"};
const LinkMessage kMsgReadSuccessfully{0, "Read Successfully", "读数据成功"};

std::string LinkMessageText(const LinkMessage& message) {
    if (message.stringId != 0) {
        return StringTableText(message.stringId);
    }
    return Tr2(message.english, message.chinese);
}

std::string WaitingForRadioText() {
    return Tr2("Waiting the response from radio....", "请等待对机讲响应....");
}
