#include "link/open_failure.h"

#include "model/language.h"

#include <cerrno>

namespace {

// The wording of the language in use from a built pair.
std::string Pick(std::string english, std::string chinese) {
    return g_bChinese ? std::move(chinese) : std::move(english);
}

} // namespace

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

std::string OpenFailureText(const OpenFailure& failure) {
    const std::string device = failure.device.empty() ? "" : " (" + failure.device + ")";
    const std::string deviceZh = failure.device.empty() ? "" : "（" + failure.device + "）";
    switch (failure.reason) {
    case OpenFailureReason::Unknown:
        return {};
    case OpenFailureReason::NoSuchDevice:
        return failure.device.empty()
                   ? Tr2("Reason: the system has no such port.", "原因：系统中没有这个端口。")
                   : Pick("Reason: no such device" + device + ".",
                          "原因：没有这个设备" + deviceZh + "。");
    case OpenFailureReason::Busy: {
        const std::string holders = PortHoldersText(failure.holders);
        const std::string gap = holders.empty() ? "" : Pick(" ", "");
        return Pick("Reason: the port is busy; another program is using it" + device + ".",
                    "原因：端口正忙，另一个程序正在使用它" + deviceZh + "。") +
               gap + holders;
    }
    case OpenFailureReason::PermissionDenied:
        if (failure.group.empty()) {
            return Pick("Reason: permission denied" + device +
                            ". Your user must be in the group that owns the device; log in "
                            "again after joining it.",
                        "原因：没有权限" + deviceZh +
                            "。您的用户必须属于拥有该设备的用户组，加入后请重新登录。");
        }
        return Pick("Reason: permission denied" + device + ". Your user must be in the group \"" +
                        failure.group + "\", which owns the device; log in again after joining it.",
                    "原因：没有权限" + deviceZh + "。您的用户必须属于拥有该设备的用户组“" +
                        failure.group + "”，加入后请重新登录。");
    }
    return {};
}
