#include "link_qt/low_latency.h"

#include <sys/ioctl.h>

bool DeviceSerialSettings::Get(serial_struct& settings) {
    return ::ioctl(m_fd, TIOCGSERIAL, &settings) == 0;
}

bool DeviceSerialSettings::Set(const serial_struct& settings) {
    return ::ioctl(m_fd, TIOCSSERIAL, &settings) == 0;
}

bool LowLatencyRequest::Request(SerialSettingsHandle& port) {
    m_previous.reset();
    serial_struct settings{};
    if (!port.Get(settings)) {
        return false;
    }
    if ((settings.flags & ASYNC_LOW_LATENCY) != 0) {
        return true;
    }
    serial_struct wanted = settings;
    wanted.flags |= ASYNC_LOW_LATENCY;
    if (!port.Set(wanted)) {
        return false;
    }
    m_previous = settings;
    serial_struct now{};
    return port.Get(now) && (now.flags & ASYNC_LOW_LATENCY) != 0;
}

void LowLatencyRequest::Restore(SerialSettingsHandle& port) {
    if (m_previous) {
        port.Set(*m_previous);
        m_previous.reset();
    }
}
