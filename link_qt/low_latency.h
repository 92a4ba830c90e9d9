#pragma once
// Low latency for USB-serial adapters. An adapter holds received bytes for
// up to its latency timer (16 ms on an FTDI chip) before passing them on,
// and a transfer waits for a reply about a thousand times. The serial flag
// ASYNC_LOW_LATENCY asks the driver to pass bytes on at once (FTDI's driver
// then sets its timer to 1 ms). A port whose driver has no serial settings
// (a pseudo-terminal) or refuses the flag is used as it is.

#include <linux/serial.h>

#include <optional>

// The two calls on an open port that the flag needs: read and write the
// driver's serial settings (TIOCGSERIAL, TIOCSSERIAL on a real port).
class SerialSettingsHandle {
public:
    virtual ~SerialSettingsHandle() = default;
    // False when the driver has no serial settings.
    virtual bool Get(serial_struct& settings) = 0;
    // False when the driver refuses the settings.
    virtual bool Set(const serial_struct& settings) = 0;
};

// The calls on a file descriptor of an open port.
class DeviceSerialSettings : public SerialSettingsHandle {
public:
    explicit DeviceSerialSettings(int fd) : m_fd(fd) {}
    bool Get(serial_struct& settings) override;
    bool Set(const serial_struct& settings) override;

private:
    int m_fd;
};

class LowLatencyRequest {
public:
    // Asks for low latency and tells whether the driver now has it (a driver
    // that accepts the settings but leaves the flag off has not granted it).
    // The settings found are kept for Restore when this request changed them.
    bool Request(SerialSettingsHandle& port);
    // Puts back the settings Request found, when it changed them.
    void Restore(SerialSettingsHandle& port);

private:
    std::optional<serial_struct> m_previous;
};
