#include "link/port_holders.h"

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
    TextId what;
};

const KnownGrabber kKnownGrabbers[] = {
    {"ModemManager", TEXT_ID("PortHolders", "it probes newly plugged USB-serial adapters and can "
                                            "hold the port for several seconds.")},
    {"brltty", TEXT_ID("PortHolders", "it can claim USB-serial adapters with a CH340/CH341 chip.")},
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

std::string Process(const PortProcess& process, const TextCatalogue& texts) {
    return FormatText(texts.Tr("PortHolders", "%1 (process %2)"),
                      {process.name, std::to_string(process.pid)});
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

std::string PortHoldersText(const PortHolders& holders, const TextCatalogue& texts) {
    if (!holders.holding.empty()) {
        std::string list;
        for (const PortProcess& process : holders.holding) {
            list = list.empty() ? Process(process, texts)
                                : FormatText(texts.Tr("PortHolders", "%1, %2"),
                                             {list, Process(process, texts)});
        }
        return FormatText(texts.Tr("PortHolders", "The port is open in %1."), {list});
    }
    std::string text;
    for (const PortProcess& process : holders.grabbers) {
        for (const KnownGrabber& grabber : kKnownGrabbers) {
            if (process.name == grabber.name) {
                const std::string sentence =
                    FormatText(texts.Tr("PortHolders", "%1 is running; %2"),
                               {Process(process, texts), texts.Tr(grabber.what)});
                text = text.empty()
                           ? sentence
                           : FormatText(texts.Tr("PortHolders", "%1 %2"), {text, sentence});
            }
        }
    }
    return text;
}
