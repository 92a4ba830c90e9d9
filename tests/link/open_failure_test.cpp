// The reason shown when a port cannot be opened, from the system's error, in
// both languages.

#include "link/open_failure.h"
#include "link_qt/port_probe.h"
#include "tests/settings/unprivileged.h"
#include "tests/texts/test_catalogues.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace {

TEST(OpenFailure, ReasonOfTheSystemsError) {
    const std::pair<int, OpenFailureReason> cases[] = {
        {ENOENT, OpenFailureReason::NoSuchDevice},
        {ENODEV, OpenFailureReason::NoSuchDevice},
        {ENXIO, OpenFailureReason::NoSuchDevice},
        {EACCES, OpenFailureReason::PermissionDenied},
        {EPERM, OpenFailureReason::PermissionDenied},
        {EBUSY, OpenFailureReason::Busy},
        {EIO, OpenFailureReason::Unknown},
        {0, OpenFailureReason::Unknown}};
    for (const auto& [error, reason] : cases) {
        EXPECT_EQ(ReasonOfOpenError(error), reason) << error;
    }
}

TEST(OpenFailure, TextInBothLanguages) {
    struct Case {
        OpenFailure failure;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {{OpenFailureReason::Unknown, "/dev/ttyS0", "", {}}, "", ""},
        {{OpenFailureReason::NoSuchDevice, "", "", {}},
         "Reason: the system has no such port.",
         "原因：系统中没有这个端口。"},
        {{OpenFailureReason::NoSuchDevice, "/dev/ttyUSB0", "", {}},
         "Reason: no such device (/dev/ttyUSB0).",
         "原因：没有这个设备（/dev/ttyUSB0）。"},
        {{OpenFailureReason::Busy, "/dev/ttyUSB0", "", {}},
         "Reason: the port is busy; another program is using it (/dev/ttyUSB0).",
         "原因：端口正忙，另一个程序正在使用它（/dev/ttyUSB0）。"},
        // What holds a busy port, where the system lets us see it.
        {{OpenFailureReason::Busy, "/dev/ttyUSB0", "", {{{"minicom", 4242}}, {}}},
         "Reason: the port is busy; another program is using it (/dev/ttyUSB0). The port is open "
         "in minicom (process 4242).",
         "原因：端口正忙，另一个程序正在使用它（/dev/ttyUSB0）。打开该端口的程序：minicom（进程 "
         "4242）。"},
        {{OpenFailureReason::Busy, "", "", {{{"minicom", 4242}, {"screen", 5000}}, {}}},
         "Reason: the port is busy; another program is using it. The port is open in minicom "
         "(process 4242), screen (process 5000).",
         "原因：端口正忙，另一个程序正在使用它。打开该端口的程序：minicom（进程 4242）、screen（进程 "
         "5000）。"},
        {{OpenFailureReason::Busy, "", "", {{}, {{"ModemManager", 812}, {"brltty", 845}}}},
         "Reason: the port is busy; another program is using it. ModemManager (process 812) is "
         "running; it probes newly plugged USB-serial adapters and can hold the port for several "
         "seconds. brltty (process 845) is running; it can claim USB-serial adapters with a "
         "CH340/CH341 chip.",
         "原因：端口正忙，另一个程序正在使用它。ModemManager（进程 812）正在运行；它会探测新插入的 "
         "USB 串口适配器，可能占用端口数秒。brltty（进程 845）正在运行；它可能占用带 CH340/CH341 "
         "芯片的 USB 串口适配器。"},
        {{OpenFailureReason::PermissionDenied, "/dev/ttyUSB0", "dialout", {}},
         "Reason: permission denied (/dev/ttyUSB0). Your user must be in the group \"dialout\", "
         "which owns the device; log in again after joining it.",
         "原因：没有权限（/dev/ttyUSB0）。您的用户必须属于拥有该设备的用户组“dialout”，"
         "加入后请重新登录。"},
        {{OpenFailureReason::PermissionDenied, "/dev/ttyUSB0", "", {}},
         "Reason: permission denied (/dev/ttyUSB0). Your user must be in the group that owns the "
         "device; log in again after joining it.",
         "原因：没有权限（/dev/ttyUSB0）。您的用户必须属于拥有该设备的用户组，加入后请重新登录。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OpenFailureText(c.failure, SourceTexts()), c.english);
        EXPECT_EQ(OpenFailureText(c.failure, ChineseTexts()), c.chinese);
    }
}

// The group named for a denied device is the one that owns it.
TEST(OpenFailure, OwningGroupAndDiagnosis) {
    EXPECT_EQ(OwningGroup("/dev/null"), "root");
    EXPECT_EQ(OwningGroup("/dev/no-such-port"), "");
    const OpenFailure missing = DiagnoseOpenFailure("/dev/no-such-port");
    EXPECT_EQ(missing.reason, OpenFailureReason::NoSuchDevice);
    EXPECT_EQ(missing.device, "/dev/no-such-port");
    EXPECT_EQ(missing.group, "");

    // A device only its owner may open, tried by another user: denied, and
    // the group that owns it is named.
    char path[] = "/tmp/open-failure-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::chmod(path, 0600), 0);
    const std::string group = OwningGroup(path);
    ASSERT_FALSE(group.empty());
    const int failedStep = RunUnprivileged([&] {
        const OpenFailure denied = DiagnoseOpenFailure(path);
        if (denied.reason != OpenFailureReason::PermissionDenied) {
            return 1;
        }
        return denied.group == group && denied.device == path ? 0 : 2;
    });
    ::unlink(path);
    if (::geteuid() == 0) {
        EXPECT_EQ(failedStep, 0);
    } else {
        // Our own file opens for us: what stands in the way is another holder.
        EXPECT_EQ(failedStep, 1);
    }
}

} // namespace
