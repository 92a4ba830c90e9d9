#include "link_qt/port_probe.h"

#include "link/port_name.h"
#include "link_qt/qt_serial_link.h"

#include <QSerialPortInfo>

std::vector<std::string> SystemSerialDevices() {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.push_back(info.systemLocation().toStdString());
    }
    return OrderSerialDevices(std::move(devices));
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
