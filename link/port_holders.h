#pragma once
// What is likely in the way of a serial port: the programs that have the
// device open (where the system lets us read their open files), or else a
// running program known to grab serial adapters (ModemManager probing a new
// adapter with AT commands, brltty claiming adapters with a CH340/CH341
// chip). Found by scanning a /proc-like folder, so that tests can lay out a
// scratch one.

#include "model/text_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

// A running program: its name (the process's command name) and process id.
struct PortProcess {
    std::string name;
    int pid = 0;
    bool operator==(const PortProcess&) const = default;
};

struct PortHolders {
    // Programs with the device open, by process id.
    std::vector<PortProcess> holding;
    // Running programs known to grab serial adapters, by process id; looked
    // for only when no program is seen holding the device.
    std::vector<PortProcess> grabbers;

    bool operator==(const PortHolders&) const = default;
};

// Scans procRoot (the system's "/proc") for the programs that have device
// open, comparing each open file's link with the device as named and as the
// file system resolves it (a /dev/serial/by-id link names its tty). The
// process ownPid (this program, which may hold the port itself) is left out,
// and so is every process whose open files cannot be read.
PortHolders FindPortHolders(const std::filesystem::path& procRoot, const std::string& device,
                            int ownPid);

// The holders in the catalogue's language, one sentence for the programs
// holding the port or one per grabber; empty when nothing was found.
std::string PortHoldersText(const PortHolders& holders, const TextCatalogue& texts);
