#pragma once
// What the Port Setting dialog needs from the system: whether a port can be
// opened exclusively right now, and which device each COM name stands for.

#include <optional>
#include <string>
#include <vector>

// The system's serial devices (system locations such as "/dev/ttyUSB0"), in
// the stable order of the naming rule: COMn is element n-1.
std::vector<std::string> SystemSerialDevices();

// The device a port name opens: a device path as it stands, "COMn" the n-th
// system device; nothing when the system has no such device.
std::optional<std::string> ResolvePortDevice(const std::string& portName);

// Opens the port exclusively for reading and writing and closes it at once.
// True when the open succeeded (the port exists and nobody holds it).
bool ProbePort(const std::string& portName);
