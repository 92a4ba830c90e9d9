#pragma once
// SerialLink over Qt SerialPort. Opens system serial ports and
// pseudo-terminals: a device path is used as it stands, a COM name goes
// through the platform rule of port_name.h.
//
// The port object is created by Open and destroyed by Close, on the calling
// thread, so a transfer may run on any thread (with or without an event
// loop): every call waits synchronously.
//
// On a port whose driver allows it (a USB-serial adapter), Open asks for low
// latency and Close puts the driver's previous settings back.
//
// Clear discards the received bytes not read yet. Bytes already written are
// not taken back: Write returns only once they were handed to the driver, as
// a synchronous write on a serial port has completed when it returns.

#include "link/serial_link.h"
#include "link_qt/low_latency.h"

#include <memory>

class QSerialPort;

class QtSerialLink : public SerialLink {
public:
    QtSerialLink();
    ~QtSerialLink() override;

    bool Open(const std::string& portName) override;
    OpenFailure LastOpenFailure() const override { return m_openFailure; }
    bool LowLatency() const override { return m_lowLatency; }
    PortHolders AdapterHolders() const override;
    void SetTimeouts(const LinkTimeouts& timeouts) override;
    bool SetLine9600_8N1() override;
    void Clear() override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override;
    void Sleep(int milliseconds) override;
    void Close() override;
    bool IsOpen() const override;

private:
    std::unique_ptr<QSerialPort> m_port;
    std::string m_device;
    LowLatencyRequest m_latencyRequest;
    bool m_lowLatency = false;
    LinkTimeouts m_timeouts;
    OpenFailure m_openFailure;
};
