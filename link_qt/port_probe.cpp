#include "link_qt/port_probe.h"

#include "link/port_name.h"
#include "link_qt/qt_serial_link.h"

#include <QSerialPortInfo>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

std::vector<std::string> SystemSerialDevices() {
    std::vector<std::string> devices;
    for (const auto& [number, port] : SystemSerialPorts()) {
        devices.push_back(port.device);
    }
    return devices;
}

std::map<int, PortDetails> SystemSerialPorts() {
    std::map<std::string, PortDetails> byDevice;
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string device = info.systemLocation().toStdString();
        byDevice[device] = {device, info.description().toStdString(),
                            info.manufacturer().toStdString()};
        devices.push_back(device);
    }
    std::map<int, PortDetails> ports;
    int number = 0;
    for (const std::string& device : OrderSerialDevices(std::move(devices))) {
        ports[++number] = byDevice[device];
    }
    return ports;
}

std::optional<std::string> ResolvePortDevice(const std::string& portName) {
    if (IsDevicePath(portName)) {
        return portName;
    }
    return DeviceForPortName(portName, SystemSerialDevices());
}

bool ProbePort(const std::string& portName) {
    QtSerialLink link;
    const bool opened = link.Open(portName);
    link.Close();
    return opened;
}

std::string OwningGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return {};
    }
    const struct group* owner = ::getgrgid(st.st_gid);
    return owner != nullptr && owner->gr_name != nullptr ? owner->gr_name : std::string();
}

OpenFailure DiagnoseOpenFailure(const std::string& device) {
    OpenFailure failure;
    failure.device = device;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        failure.reason = OpenFailureReason::Busy;
        failure.holders = FindPortHolders("/proc", device, static_cast<int>(::getpid()));
        return failure;
    }
    failure.reason = ReasonOfOpenError(errno);
    if (failure.reason == OpenFailureReason::PermissionDenied) {
        failure.group = OwningGroup(device);
    }
    return failure;
}

std::string BusyPortHoldersText(const std::string& portName, const TextCatalogue& texts) {
    const std::optional<std::string> device = ResolvePortDevice(portName);
    if (!device) {
        return {};
    }
    const OpenFailure failure = DiagnoseOpenFailure(*device);
    return failure.reason == OpenFailureReason::Busy ? PortHoldersText(failure.holders, texts)
                                                     : std::string();
}
