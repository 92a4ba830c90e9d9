#include "station/radio_outcome.h"

#include "link/fault_messages.h"

namespace {

std::string CancelledText(const SafeWriteResult& written, const TextCatalogue& texts) {
    if (written.result.radioPartlyWritten) {
        return LinkMessageText(kMsgRadioPartlyWritten, texts);
    }
    if (written.stage == WriteStage::Verify) {
        return LinkMessageText(kMsgVerifyCancelled, texts);
    }
    return texts.Tr("CloneStation", "Cancelled before anything was written.");
}

// The failure's message, with what the step means for the radio.
std::string FailureText(const SafeWriteResult& written, const TextCatalogue& texts) {
    const TransferResult& result = written.result;
    if (result.fault == LinkFault::VerifyMismatch) {
        return VerifyFailureText(written.mismatches, texts);
    }
    const std::optional<LinkMessage> message = EndMessage(result);
    std::string text = message ? LinkMessageText(*message, texts) : std::string();
    // A read-back that failed says itself that the write completed.
    if (written.stage == WriteStage::ReadFirst) {
        text += ' ' + texts.Tr(kReadFirstFailed);
    }
    return text;
}

} // namespace

void DescribeOutcome(const SafeWriteResult& written, const WriteSafety& safety,
                     bool sessionCancelled, const TextCatalogue& texts, RadioReport& report) {
    const TransferResult& result = written.result;
    report.partlyWritten = result.radioPartlyWritten;
    report.before = written.before;
    report.mismatches = written.mismatches;
    report.message.clear();
    if (result.outcome == TransferOutcome::Completed) {
        report.result = safety.verify ? RadioResult::Verified : RadioResult::Written;
        return;
    }
    if (result.outcome == TransferOutcome::Cancelled && sessionCancelled) {
        report.result = RadioResult::Cancelled;
        report.message = CancelledText(written, texts);
        return;
    }
    const bool refused = result.fault == LinkFault::BandType || result.fault == LinkFault::Password;
    report.result = refused ? RadioResult::Refused : RadioResult::Failed;
    report.message = FailureText(written, texts);
}
