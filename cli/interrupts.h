#pragma once
// Ctrl+C, SIGTERM (a kill or a shutdown) and SIGHUP (a closed terminal) as
// the Cancel button of the transfer commands, and the core application
// object the Qt serial backend needs while a port is open.

#include <QCoreApplication>

#include <array>
#include <atomic>
#include <csignal>
#include <optional>

// While the object lives, the signals set a flag that the transfer tests at
// its next cancel point: the transfer then closes the port and says what
// state the radio is in, where being killed outright would leave that unsaid.
class InterruptAsCancel {
public:
    InterruptAsCancel();
    ~InterruptAsCancel();
    InterruptAsCancel(const InterruptAsCancel&) = delete;
    InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

    // Set once one of the signals came (cleared when an object is made).
    static const std::atomic<bool>& Flag();

private:
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> m_previous{};
};

// A core application object for the serial ports, made when the process has
// none; it ends with the object, before the program's statics.
class SerialPortsApplication {
public:
    SerialPortsApplication();

private:
    std::optional<QCoreApplication> m_app;
};
