#pragma once
// What the Port Setting dialog needs from the system: whether a port can be
// opened exclusively right now, and which device each COM name stands for.

#include "link/open_failure.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// A serial port as the system reports it.
struct PortDetails {
    std::string device;       // "/dev/ttyUSB0"
    std::string description;  // the adapter's description, "" when none
    std::string manufacturer; // the adapter's manufacturer, "" when none
    bool operator==(const PortDetails&) const = default;
};

// The system's serial devices (system locations such as "/dev/ttyUSB0"), in
// the stable order of the naming rule: COMn is element n-1.
std::vector<std::string> SystemSerialDevices();

// The system's serial ports by COM number: COMn is the n-th device of the
// same order.
std::map<int, PortDetails> SystemSerialPorts();

// The device a port name opens: a device path as it stands, "COMn" the n-th
// system device; nothing when the system has no such device.
std::optional<std::string> ResolvePortDevice(const std::string& portName);

// Opens the port exclusively for reading and writing and closes it at once.
// True when the open succeeded (the port exists and nobody holds it).
bool ProbePort(const std::string& portName);

// Why the device cannot be opened, found by opening it once more directly
// (without locks) and reading the system's error: no such device, permission
// denied (with the group that owns the device) or busy. A direct open that
// succeeds where the port's open failed means another program holds the
// port's lock: busy. For a busy port also the programs that hold it, where
// the system lets us see them.
OpenFailure DiagnoseOpenFailure(const std::string& device);

// What holds a port that cannot be opened because it is busy, as sentences
// in the catalogue's language; empty when the port is not busy or nothing is
// known.
std::string BusyPortHoldersText(const std::string& portName, const TextCatalogue& texts);

// The name of the group that owns the file; empty when unknown.
std::string OwningGroup(const std::string& path);
