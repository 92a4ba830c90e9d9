#include "link_qt/qt_serial_link.h"

#include "link_qt/port_probe.h"

#include <QEventLoop>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
    // Round up so that a wait never ends before its deadline.
    return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

// A USB adapter is known to the system by its vendor; a pseudo-terminal or
// an on-board port is not. A device named through a link (/dev/serial/by-id)
// is looked up as the tty it names.
bool IsUsbAdapter(const std::string& device) {
    std::error_code error;
    const std::filesystem::path tty = std::filesystem::canonical(device, error);
    const QString location = QString::fromStdString(error ? device : tty.string());
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == location) {
            return info.hasVendorIdentifier();
        }
    }
    return false;
}

bool IsLineError(QSerialPort::SerialPortError error) {
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

} // namespace

QtSerialLink::QtSerialLink() = default;

QtSerialLink::~QtSerialLink() {
    Close();
}

bool QtSerialLink::Open(const std::string& portName) {
    Close();
    m_openFailure = {};
    const std::optional<std::string> device = ResolvePortDevice(portName);
    if (!device) {
        m_openFailure.reason = OpenFailureReason::NoSuchDevice;
        return false;
    }
    if (QThread::currentThread()->eventDispatcher() == nullptr) {
        // A thread Qt did not start (a std::thread) has no event dispatcher,
        // and the port's notifiers would complain without one; making an
        // event loop gives the thread one. The calls here wait synchronously
        // and never need it to run.
        const QEventLoop dispatcherForThisThread;
    }
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(QString::fromStdString(*device));
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_port.reset();
        m_openFailure = DiagnoseOpenFailure(*device);
        return false;
    }
    m_device = *device;
    DeviceSerialSettings settings(m_port->handle());
    m_lowLatency = m_latencyRequest.Request(settings);
    return true;
}

PortHolders QtSerialLink::AdapterHolders() const {
    if (!m_port || !IsUsbAdapter(m_device)) {
        return {};
    }
    return FindPortHolders("/proc", m_device, static_cast<int>(::getpid()));
}

void QtSerialLink::SetTimeouts(const LinkTimeouts& timeouts) {
    m_timeouts = timeouts;
}

bool QtSerialLink::SetLine9600_8N1() {
    if (!m_port) {
        return false;
    }
    // Qt opens the port raw (no character translation, no parity checking);
    // only the line settings change here.
    return m_port->setBaudRate(QSerialPort::Baud9600) && m_port->setDataBits(QSerialPort::Data8) &&
           m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop) &&
           m_port->setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialLink::Clear() {
    // Write has already handed every byte to the driver and nothing of ours
    // waits in Qt's buffer, so only the input side holds anything to discard.
    // Bytes handed to the driver are left to go out: a synchronous write on a
    // serial port has completed once it returns, and a pseudo-terminal would
    // otherwise drop bytes the other end has not read yet.
    if (m_port) {
        m_port->clear(QSerialPort::Input);
    }
}

bool QtSerialLink::Write(const std::uint8_t* data, std::size_t size) {
    if (!m_port) {
        return false;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeouts.writePerByteMs *
                                                                       static_cast<int>(size) +
                                                                   m_timeouts.writeTotalMs);
    const qint64 queued =
        m_port->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    if (queued != static_cast<qint64>(size)) {
        return false;
    }
    while (m_port->bytesToWrite() > 0) {
        const int wait = MillisecondsUntil(deadline);
        if (wait == 0 || (!m_port->waitForBytesWritten(wait) && IsLineError(m_port->error()))) {
            return false;
        }
    }
    return true;
}

ReadResult QtSerialLink::Read(std::uint8_t* buffer, std::size_t size) {
    ReadResult result;
    if (!m_port) {
        result.error = true;
        return result;
    }
    const auto start = Clock::now();
    const auto total =
        start + std::chrono::milliseconds(m_timeouts.readPerByteMs * static_cast<int>(size) +
                                          m_timeouts.readTotalMs);
    auto lastByte = start;
    while (result.count < size) {
        const qint64 got = m_port->read(reinterpret_cast<char*>(buffer + result.count),
                                        static_cast<qint64>(size - result.count));
        if (got < 0) {
            result.error = true;
            break;
        }
        if (got > 0) {
            result.count += static_cast<std::size_t>(got);
            lastByte = Clock::now();
            continue;
        }
        auto deadline = total;
        if (result.count > 0) {
            deadline =
                std::min(deadline, lastByte + std::chrono::milliseconds(m_timeouts.readGapMs));
        }
        const int wait = MillisecondsUntil(deadline);
        if (wait == 0) {
            break;
        }
        if (!m_port->waitForReadyRead(wait) && IsLineError(m_port->error())) {
            result.error = true;
            break;
        }
    }
    return result;
}

void QtSerialLink::Sleep(int milliseconds) {
    PreciseSleep(milliseconds);
}

void QtSerialLink::Close() {
    if (m_port) {
        DeviceSerialSettings settings(m_port->handle());
        m_latencyRequest.Restore(settings);
        m_lowLatency = false;
        m_port->close();
        m_port.reset();
    }
}

bool QtSerialLink::IsOpen() const {
    return m_port != nullptr;
}
