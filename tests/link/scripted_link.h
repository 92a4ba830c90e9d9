#pragma once
// A SerialLink without a port for the engine tests: it plays the radio's
// replies from a script, one reply per Read, and records every call in order,
// waits included. A test then sees each step of an engine (a clear, a 1 ms
// wait, a second read) that a pseudo-terminal cannot show, without a clock.

#include "link/serial_link.h"
#include "link_test_support.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

class ScriptedLink : public SerialLink {
public:
    enum class Op { Open, SetTimeouts, SetLine, Clear, Write, Read, Sleep, Close };

    struct Call {
        Op op = Op::Open;
        ByteVector bytes{};    // what a write sent
        std::size_t asked = 0; // the bytes a read asked for
        int milliseconds = 0;  // a wait
        std::string port{};    // an open
    };

    // Appends the replies of the coming reads, one per Read in order. A read
    // past the end of the script delivers nothing (a timeout).
    void Script(const std::vector<ByteVector>& replies);
    // The read with this index (0 for the first Read of the run) reports an
    // error and delivers nothing; its scripted reply is used up.
    void FailRead(std::size_t readIndex);
    // The read with this index delivers only the first count bytes of its
    // reply.
    void ShortenRead(std::size_t readIndex, std::size_t count);
    // Open fails (the port is held by another program).
    void RefuseOpen() { m_refuseOpen = true; }
    // What the link reports in the way of the adapter.
    PortHolders adapterHolders;

    const std::vector<Call>& Calls() const { return m_calls; }
    // The calls as lines: "open PORT", "timeouts", "line 9600 8N1", "clear",
    // "write 52 0F D0 08", "read 12" (bytes asked for), "sleep 1", "close".
    std::vector<std::string> Transcript() const;
    // The replies the engine did not read.
    std::size_t UnreadReplies() const { return m_replies.size(); }

    bool Open(const std::string& portName) override;
    void SetTimeouts(const LinkTimeouts& timeouts) override;
    bool SetLine9600_8N1() override;
    void Clear() override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override;
    void Sleep(int milliseconds) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    PortHolders AdapterHolders() const override { return adapterHolders; }

    // "52 0F D0 08"
    static std::string Hex(const ByteVector& bytes);

private:
    enum class ReadFault { Error, Short };
    struct InjectedFault {
        ReadFault kind = ReadFault::Error;
        std::size_t count = 0;
    };

    std::deque<ByteVector> m_replies;
    std::map<std::size_t, InjectedFault> m_faults;
    std::vector<Call> m_calls;
    std::size_t m_reads = 0;
    bool m_open = false;
    bool m_refuseOpen = false;
};
