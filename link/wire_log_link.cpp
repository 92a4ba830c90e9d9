#include "link/wire_log_link.h"

#include <cstdio>

WireLogLink::WireLogLink(SerialLink& inner, std::ostream& out)
    : ForwardingLink(inner), m_out(out), m_start(std::chrono::steady_clock::now()) {}

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
    const bool ok = ForwardingLink::Open(portName);
    Line("open " + portName + (ok ? " ok" : " failed"));
    if (ok) {
        Line(LowLatency() ? "low latency granted" : "low latency not granted");
    }
    return ok;
}

bool WireLogLink::SetLine9600_8N1() {
    const bool ok = ForwardingLink::SetLine9600_8N1();
    Line(ok ? "line 9600 8N1" : "line 9600 8N1 refused");
    return ok;
}

void WireLogLink::Clear() {
    ForwardingLink::Clear();
    Line("clear");
}

bool WireLogLink::Write(const std::uint8_t* data, std::size_t size) {
    const bool ok = ForwardingLink::Write(data, size);
    Bytes('>', data, size, ok ? "" : " (write error)");
    return ok;
}

ReadResult WireLogLink::Read(std::uint8_t* buffer, std::size_t size) {
    const ReadResult result = ForwardingLink::Read(buffer, size);
    std::string suffix;
    if (result.error) {
        suffix = " (read error)";
    } else if (result.count < size) {
        suffix = " (" + std::to_string(result.count) + " of " + std::to_string(size) + ")";
    }
    Bytes('<', buffer, result.count, suffix.c_str());
    return result;
}

void WireLogLink::Close() {
    if (IsOpen()) {
        Line("close");
    }
    ForwardingLink::Close();
}
