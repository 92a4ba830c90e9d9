// What is in the way of a port: the programs holding the device, found in a
// scratch /proc tree laid out as the system lays out its own, or else the
// programs known to grab adapters. How the messages name them is tested with
// the reasons a port does not open.

#include "link/port_holders.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kOwnPid = 100;

// A process as /proc shows it: its command name and where its open files
// lead; without readable open files (another user's process) when fds is
// empty.
struct FakeProcess {
    int pid;
    std::string comm;
    std::vector<std::string> fds;
};

void Lay(const fs::path& root, const FakeProcess& process) {
    const fs::path dir = root / std::to_string(process.pid);
    fs::create_directories(dir);
    WriteFile((dir / "comm").string(), process.comm + "\n");
    if (process.fds.empty()) {
        return;
    }
    fs::create_directory(dir / "fd");
    int fd = 0;
    for (const std::string& target : process.fds) {
        fs::create_symlink(target, dir / "fd" / std::to_string(fd++));
    }
}

TEST(PortHolders, FoundInAProcTree) {
    struct Case {
        const char* name;
        std::vector<FakeProcess> processes;
        PortHolders expected;
    };
    const std::string usb = "/dev/ttyUSB0";
    const Case cases[] = {
        {"nothing in the way", {{1, "systemd", {"/dev/null"}}, {7, "bash", {"/dev/pts/0"}}}, {}},
        {"a terminal program holds the device",
         {{1, "systemd", {"/dev/null"}}, {4242, "minicom", {"/dev/null", usb, "socket:[81]"}}},
         {{{"minicom", 4242}}, {}}},
        {"this program itself is left out", {{kOwnPid, "program-cli", {usb}}}, {}},
        {"ModemManager runs, holding another adapter",
         {{812, "ModemManager", {"/dev/ttyUSB1"}}},
         {{}, {{"ModemManager", 812}}}},
        {"a holder is named instead of the grabbers",
         {{845, "brltty", {"/dev/null"}}, {4242, "minicom", {usb}}},
         {{{"minicom", 4242}}, {}}},
        {"ModemManager holding the device is a holder",
         {{812, "ModemManager", {usb}}},
         {{{"ModemManager", 812}}, {}}},
        {"open files not readable: the grabbers, by process id",
         {{900, "screen", {}}, {845, "brltty", {}}, {812, "ModemManager", {}}},
         {{}, {{"ModemManager", 812}, {"brltty", 845}}}},
        {"two holders, by process id",
         {{5000, "screen", {usb}}, {4242, "minicom", {usb, usb}}},
         {{{"minicom", 4242}, {"screen", 5000}}, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir proc;
        // Entries that are no process: links, files, folders with other names.
        fs::create_symlink("4242", proc.Path() / "self");
        fs::create_directory(proc.Path() / "sys");
        WriteFile(proc.File("uptime"), "1.0 1.0\n");
        for (const FakeProcess& process : c.processes) {
            Lay(proc.Path(), process);
        }
        EXPECT_EQ(FindPortHolders(proc.Path(), usb, kOwnPid), c.expected);
    }
}

// A device named through a link (as /dev/serial/by-id names adapters) is
// found open under the name the link resolves to.
TEST(PortHolders, DeviceNamedThroughALink) {
    TempDir scratch;
    const fs::path tty = scratch.Path() / "ttyUSB3";
    WriteFile(tty.string(), "");
    const fs::path byId = scratch.Path() / "usb-FTDI_FT232R_A50285BI-if00-port0";
    fs::create_symlink(tty, byId);
    const fs::path proc = scratch.Path() / "proc";
    Lay(proc, {4242, "minicom", {fs::canonical(tty).string()}});
    const PortHolders expected{{{"minicom", 4242}}, {}};
    EXPECT_EQ(FindPortHolders(proc, byId.string(), kOwnPid), expected);
    EXPECT_EQ(FindPortHolders(proc / "missing", byId.string(), kOwnPid), PortHolders{});
}

// The system's own /proc: this test holding a pseudo-terminal is found by
// its name and process id, unless it is the program asking.
TEST(PortHolders, TheSystemsProc) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string device = ::ptsname(master);
    const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    std::string self = ReadFile("/proc/self/comm");
    self.erase(self.find('\n'));

    const PortHolders seen = FindPortHolders("/proc", device, -1);
    const std::vector<PortProcess> us{{self, static_cast<int>(::getpid())}};
    EXPECT_EQ(seen.holding, us);
    EXPECT_TRUE(FindPortHolders("/proc", device, ::getpid()).holding.empty());
    ::close(slave);
    ::close(master);
}

} // namespace
