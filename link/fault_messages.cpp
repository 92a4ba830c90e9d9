#include "link/fault_messages.h"

#include <array>

namespace {

// One row of a table: what a key is worded as.
template <typename Key> struct Words {
    Key key;
    const LinkMessage* message;
};
using FaultWords = Words<LinkFault>;
using SuccessWords = Words<TransferKind>;

// Faults missing here have no words of their own.
const std::array kFaultWords{
    FaultWords{LinkFault::OpenFailed, &kMsgCouldNotOpenPort},
    FaultWords{LinkFault::Io, &kMsgProgramInterrupt},
    FaultWords{LinkFault::Timeout, &kMsgProgramInterrupt},
    FaultWords{LinkFault::NoAck, &kMsgProgramInterrupt},
    FaultWords{LinkFault::ShortReply, &kMsgProgramInterrupt},
    FaultWords{LinkFault::BadReply, &kMsgProgramInterrupt},
    FaultWords{LinkFault::BandType, &kMsgBandTypeError},
    FaultWords{LinkFault::Password, &kMsgPasswordError},
    FaultWords{LinkFault::PromptCancel, &kMsgCommunicationError},
};

// A completed clone transfer is told by the window's status line instead.
const std::array kSuccessWords{
    SuccessWords{TransferKind::SquelchRead, &kMsgReadSuccessfully},
    SuccessWords{TransferKind::SquelchWrite, &kMsgWriteSuccessfully},
};

template <typename Key, std::size_t N>
std::optional<LinkMessage> Lookup(const std::array<Words<Key>, N>& table, Key key) {
    for (const Words<Key>& row : table) {
        if (row.key == key) {
            return *row.message;
        }
    }
    return std::nullopt;
}

} // namespace

LinkMessage PromptMessage(const PortHolders& holders) {
    LinkMessage message = kMsgCommunicationError;
    message.holders = holders;
    return message;
}

std::optional<LinkMessage> FaultMessage(LinkFault fault) {
    return Lookup(kFaultWords, fault);
}

std::optional<LinkMessage> EndMessage(const TransferResult& result) {
    if (result.outcome == TransferOutcome::Completed) {
        return Lookup(kSuccessWords, result.kind);
    }
    if (result.verifyUnfinished) {
        return result.outcome == TransferOutcome::Cancelled ? kMsgVerifyCancelled
                                                            : kMsgVerifyNotFinished;
    }
    if (result.fault == LinkFault::PromptCancel) {
        return std::nullopt;
    }
    std::optional<LinkMessage> message = FaultMessage(result.fault);
    if (message && result.fault == LinkFault::OpenFailed) {
        message->openFailure = result.openFailure;
    }
    if (result.radioPartlyWritten) {
        return message ? WithFollowUp(*message, kMsgRadioPartlyWritten) : kMsgRadioPartlyWritten;
    }
    return message;
}
