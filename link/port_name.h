#pragma once
// Naming of the serial port every transfer opens.
//
// The program shows, stores and hands around Windows-style port names:
// "COM1".."COM9", and "\\.\COM10".."\\.\COM16" from port 10 on. On a system
// without COM names (Linux, macOS) a port name is mapped to a device this way:
//   - a name that starts with "/" is a device path and is opened as it stands
//     (pseudo-terminals, unusual adapters, the simulated radio);
//   - "COMn" (and "\\.\COMn") is the n-th serial device of the system, in a
//     stable order: first the on-board ports (ttyS*), then USB serial adapters
//     (ttyUSB*), then USB modem-class adapters (ttyACM*), then every other
//     serial device (ttyAMA*, cu.*, ...) by name; inside a family by the
//     number in the name. OrderSerialDevices gives that order.
// The per-user stored port number is kept by the windows' settings store, not
// here.

#include <optional>
#include <string>
#include <vector>

inline constexpr int kPortCount = 16;

// "COM%d" for 0 < n < 10, "\\.\COM%d" for n >= 10.
std::string PortNameFromNumber(int number);

// The number after the first "M" of the name (scan rule "%*[^M]M%d");
// nothing when no number follows an "M".
std::optional<int> PortNumberFromName(const std::string& name);

// True when the name is a device path (starts with "/").
bool IsDevicePath(const std::string& name);

// Sorts system device names (paths or bare names such as "ttyUSB0") into the
// stable order described above.
std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices);

// The device a port name stands for, given the system's serial devices
// (already in stable order): the path itself for a device path, the n-th
// device for "COMn", nothing when there is no such device.
std::optional<std::string> DeviceForPortName(const std::string& name,
                                             const std::vector<std::string>& orderedDevices);
