#include "link/port_name.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <tuple>

std::string PortNameFromNumber(int number) {
    if (number >= 10) {
        return "\\\\.\\COM" + std::to_string(number);
    }
    return "COM" + std::to_string(number);
}

std::optional<int> PortNumberFromName(const std::string& name) {
    int number = 0;
    if (std::sscanf(name.c_str(), "%*[^M]M%d", &number) == 1) {
        return number;
    }
    return std::nullopt;
}

bool IsDevicePath(const std::string& name) {
    return !name.empty() && name.front() == '/';
}

namespace {

// The sort key of a device: family rank, family name, number in the name.
std::tuple<int, std::string, long, std::string> DeviceKey(const std::string& device) {
    const std::string base = device.substr(device.find_last_of('/') + 1);
    std::size_t digits = base.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(base[digits - 1]))) {
        --digits;
    }
    const std::string family = base.substr(0, digits);
    const long number = digits < base.size() ? std::stol(base.substr(digits)) : -1;
    static const char* const kFamilies[] = {"ttyS", "ttyUSB", "ttyACM"};
    int rank = 3;
    for (int i = 0; i < 3; ++i) {
        if (family == kFamilies[i]) {
            rank = i;
        }
    }
    return {rank, family, number, device};
}

} // namespace

std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices) {
    std::sort(devices.begin(), devices.end(), [](const std::string& a, const std::string& b) {
        return DeviceKey(a) < DeviceKey(b);
    });
    return devices;
}

std::optional<std::string> DeviceForPortName(const std::string& name,
                                             const std::vector<std::string>& orderedDevices) {
    if (IsDevicePath(name)) {
        return name;
    }
    const std::optional<int> number = PortNumberFromName(name);
    if (!number || *number < 1 || static_cast<std::size_t>(*number) > orderedDevices.size()) {
        return std::nullopt;
    }
    return orderedDevices[static_cast<std::size_t>(*number - 1)];
}
