#include "link/port_holders.h"

#include "model/language.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace {

// Programs that take serial adapters for themselves, with what they do.
struct KnownGrabber {
    const char* name;
    const char* english;
    const char* chinese;
};

constexpr KnownGrabber kKnownGrabbers[] = {
    {"ModemManager",
     "it probes newly plugged USB-serial adapters and can hold the port for several seconds.",
     "它会探测新插入的 USB 串口适配器，可能占用端口数秒。"},
    {"brltty", "it can claim USB-serial adapters with a CH340/CH341 chip.",
     "它可能占用带 CH340/CH341 芯片的 USB 串口适配器。"},
};

std::optional<int> ProcessId(const std::string& entry) {
    if (entry.empty() || entry.size() > 9 ||
        !std::all_of(entry.begin(), entry.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    return std::stoi(entry);
}

// The command name of a process (its "comm" file without the line end).
std::string CommandName(const fs::path& processDir) {
    std::ifstream in(processDir / "comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// True when one of the process's open files links to one of the names.
bool HasOpen(const fs::path& processDir, const std::set<std::string>& names) {
    std::error_code error;
    fs::directory_iterator files(processDir / "fd", error);
    for (; !error && files != fs::directory_iterator(); files.increment(error)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(files->path(), linkError);
        if (!linkError && names.count(target.string()) != 0) {
            return true;
        }
    }
    return false;
}

std::string Pick(const std::string& english, const std::string& chinese) {
    return g_bChinese ? chinese : english;
}

std::string Process(const PortProcess& process) {
    const std::string pid = std::to_string(process.pid);
    return Pick(process.name + " (process " + pid + ")", process.name + "（进程 " + pid + "）");
}

} // namespace

PortHolders FindPortHolders(const fs::path& procRoot, const std::string& device, int ownPid) {
    std::set<std::string> names{device};
    std::error_code error;
    const fs::path resolved = fs::canonical(device, error);
    if (!error) {
        names.insert(resolved.string());
    }
    PortHolders found;
    fs::directory_iterator entries(procRoot, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::optional<int> pid = ProcessId(entries->path().filename().string());
        if (!pid || *pid == ownPid) {
            continue;
        }
        const PortProcess process{CommandName(entries->path()), *pid};
        if (HasOpen(entries->path(), names)) {
            found.holding.push_back(process);
        }
        for (const KnownGrabber& grabber : kKnownGrabbers) {
            if (process.name == grabber.name) {
                found.grabbers.push_back(process);
            }
        }
    }
    if (!found.holding.empty()) {
        found.grabbers.clear();
    }
    const auto byPid = [](const PortProcess& a, const PortProcess& b) { return a.pid < b.pid; };
    std::sort(found.holding.begin(), found.holding.end(), byPid);
    std::sort(found.grabbers.begin(), found.grabbers.end(), byPid);
    return found;
}

std::string PortHoldersText(const PortHolders& holders) {
    if (!holders.holding.empty()) {
        std::string list;
        for (const PortProcess& process : holders.holding) {
            list += (list.empty() ? "" : Pick(", ", "、")) + Process(process);
        }
        return Pick("The port is open in " + list + ".", "打开该端口的程序：" + list + "。");
    }
    std::string text;
    for (const PortProcess& process : holders.grabbers) {
        for (const KnownGrabber& grabber : kKnownGrabbers) {
            if (process.name == grabber.name) {
                text += (text.empty() ? "" : Pick(" ", "")) +
                        Pick(Process(process) + " is running; " + grabber.english,
                             Process(process) + "正在运行；" + grabber.chinese);
            }
        }
    }
    return text;
}
