#include "link/wire_log_link.h"

#include <cstdio>

WireLogLink::WireLogLink(SerialLink& inner, std::ostream& out)
    : m_inner(inner), m_out(out), m_start(std::chrono::steady_clock::now()) {}

void WireLogLink::Line(const std::string& text) {
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start)
            .count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.3f ", ms);
    m_out << stamp << text << '\n';
    m_out.flush();
}

void WireLogLink::Bytes(char direction, const std::uint8_t* data, std::size_t size,
                        const char* suffix) {
    std::string text(1, direction);
    char hex[4];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(hex, sizeof hex, " %02X", data[i]);
        text += hex;
    }
    if (size == 0) {
        text += " (none)";
    }
    text += suffix;
    Line(text);
}

bool WireLogLink::Open(const std::string& portName) {
    const bool ok = m_inner.Open(portName);
    Line("open " + portName + (ok ? " ok" : " failed"));
    return ok;
}

void WireLogLink::SetQueues(int inputBytes, int outputBytes) {
    m_inner.SetQueues(inputBytes, outputBytes);
}

void WireLogLink::SetTimeouts(const LinkTimeouts& timeouts) {
    m_inner.SetTimeouts(timeouts);
}

bool WireLogLink::SetLine9600_8N1() {
    const bool ok = m_inner.SetLine9600_8N1();
    Line(ok ? "line 9600 8N1" : "line 9600 8N1 refused");
    return ok;
}

void WireLogLink::PurgeAll() {
    m_inner.PurgeAll();
    Line("purge");
}

void WireLogLink::Clear() {
    m_inner.Clear();
    Line("clear");
}

bool WireLogLink::Write(const std::uint8_t* data, std::size_t size) {
    const bool ok = m_inner.Write(data, size);
    Bytes('>', data, size, ok ? "" : " (write error)");
    return ok;
}

ReadResult WireLogLink::Read(std::uint8_t* buffer, std::size_t size) {
    const ReadResult result = m_inner.Read(buffer, size);
    std::string suffix;
    if (result.error) {
        suffix = " (read error)";
    } else if (result.count < size) {
        suffix = " (" + std::to_string(result.count) + " of " + std::to_string(size) + ")";
    }
    Bytes('<', buffer, result.count, suffix.c_str());
    return result;
}

void WireLogLink::Sleep(int milliseconds) {
    m_inner.Sleep(milliseconds);
}

void WireLogLink::Close() {
    if (m_inner.IsOpen()) {
        Line("close");
    }
    m_inner.Close();
}

bool WireLogLink::IsOpen() const {
    return m_inner.IsOpen();
}
