#pragma once
// A SerialLink that passes every call to another one: the base of links that
// watch a transfer (the wire log, the benchmark's counters) and override only
// the calls they look at.

#include "link/serial_link.h"

class ForwardingLink : public SerialLink {
public:
    explicit ForwardingLink(SerialLink& inner) : m_inner(inner) {}

    bool Open(const std::string& portName) override { return m_inner.Open(portName); }
    OpenFailure LastOpenFailure() const override { return m_inner.LastOpenFailure(); }
    bool LowLatency() const override { return m_inner.LowLatency(); }
    PortHolders AdapterHolders() const override { return m_inner.AdapterHolders(); }
    void SetTimeouts(const LinkTimeouts& timeouts) override { m_inner.SetTimeouts(timeouts); }
    bool SetLine9600_8N1() override { return m_inner.SetLine9600_8N1(); }
    void Clear() override { m_inner.Clear(); }
    bool Write(const std::uint8_t* data, std::size_t size) override {
        return m_inner.Write(data, size);
    }
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        return m_inner.Read(buffer, size);
    }
    void Sleep(int milliseconds) override { m_inner.Sleep(milliseconds); }
    void Close() override { m_inner.Close(); }
    bool IsOpen() const override { return m_inner.IsOpen(); }

private:
    SerialLink& m_inner;
};
