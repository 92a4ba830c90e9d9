#pragma once
// A SerialLink that passes every call to another one and writes each byte
// sent and received, with its direction and a millisecond time stamp since
// the log started, to a text stream. Lines:
//     12.345 open /dev/pts/3 ok
//     12.401 low latency not granted   ("granted" when the driver passes
//                                       received bytes on at once)
//     14.101 > 02                       (bytes sent)
//    205.880 < 06                       (bytes received; "(none)" on timeout)
//    205.990 clear | close
// A user's log is a capture of the whole dialogue.

#include "link/forwarding_link.h"

#include <chrono>
#include <ostream>

class WireLogLink : public ForwardingLink {
public:
    WireLogLink(SerialLink& inner, std::ostream& out);

    bool Open(const std::string& portName) override;
    bool SetLine9600_8N1() override;
    void Clear() override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override;
    void Close() override;

private:
    void Line(const std::string& text);
    void Bytes(char direction, const std::uint8_t* data, std::size_t size, const char* suffix);

    std::ostream& m_out;
    std::chrono::steady_clock::time_point m_start;
};
