#include "station/radio_report.h"

const char* ResultKeyword(RadioResult result) {
    switch (result) {
    case RadioResult::Written:
        return "written";
    case RadioResult::Verified:
        return "verified";
    case RadioResult::Refused:
        return "refused";
    case RadioResult::Failed:
        return "failed";
    case RadioResult::Cancelled:
        return "cancelled";
    }
    return "failed";
}

std::string ResultText(RadioResult result, const TextCatalogue& texts) {
    switch (result) {
    case RadioResult::Written:
        return texts.Tr("CloneStation", "written");
    case RadioResult::Verified:
        return texts.Tr("CloneStation", "written and verified");
    case RadioResult::Refused:
        return texts.Tr("CloneStation", "refused");
    case RadioResult::Failed:
        return texts.Tr("CloneStation", "failed");
    case RadioResult::Cancelled:
        return texts.Tr("CloneStation", "cancelled");
    }
    return texts.Tr("CloneStation", "failed");
}

std::string StateText(StationState state, const TextCatalogue& texts) {
    switch (state) {
    case StationState::WaitingForRadio:
        return texts.Tr("CloneStation", "waiting for a radio");
    case StationState::PortUnavailable:
        return texts.Tr("CloneStation", "port not available, trying again");
    case StationState::ReadingFirst:
        return texts.Tr("CloneStation", "reading first");
    case StationState::Writing:
        return texts.Tr("CloneStation", "writing");
    case StationState::Verifying:
        return texts.Tr("CloneStation", "verifying");
    case StationState::WaitingForRelease:
        return texts.Tr("CloneStation", "done; waiting for the operator to swap the radio");
    case StationState::Stopped:
        return texts.Tr("CloneStation", "stopped");
    }
    return {};
}
