#include "link/open_failure.h"

#include <cerrno>

OpenFailureReason ReasonOfOpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return OpenFailureReason::NoSuchDevice;
    case EACCES:
    case EPERM:
        return OpenFailureReason::PermissionDenied;
    case EBUSY:
        return OpenFailureReason::Busy;
    default:
        return OpenFailureReason::Unknown;
    }
}

std::string OpenFailureText(const OpenFailure& failure, const TextCatalogue& texts) {
    // Each sentence has a wording with the device's name and one without.
    const auto sentence = [&](const char* withDevice, const char* without,
                              std::vector<std::string> args) {
        if (!failure.device.empty()) {
            args.insert(args.begin(), failure.device);
        }
        return FormatText(texts.Tr("OpenFailure", failure.device.empty() ? without : withDevice),
                          args);
    };
    switch (failure.reason) {
    case OpenFailureReason::Unknown:
        return {};
    case OpenFailureReason::NoSuchDevice:
        return sentence("Reason: no such device (%1).", "Reason: the system has no such port.", {});
    case OpenFailureReason::Busy: {
        const std::string busy =
            sentence("Reason: the port is busy; another program is using it (%1).",
                     "Reason: the port is busy; another program is using it.", {});
        const std::string holders = PortHoldersText(failure.holders, texts);
        return holders.empty() ? busy
                               : FormatText(texts.Tr("OpenFailure", "%1 %2"), {busy, holders});
    }
    case OpenFailureReason::PermissionDenied:
        if (failure.group.empty()) {
            return sentence("Reason: permission denied (%1). Your user must be in the group "
                            "that owns the device; log in again after joining it.",
                            "Reason: permission denied. Your user must be in the group that "
                            "owns the device; log in again after joining it.",
                            {});
        }
        return sentence("Reason: permission denied (%1). Your user must be in the group \"%2\", "
                        "which owns the device; log in again after joining it.",
                        "Reason: permission denied. Your user must be in the group \"%1\", "
                        "which owns the device; log in again after joining it.",
                        {failure.group});
    }
    return {};
}
