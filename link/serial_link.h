#pragma once
// The serial port as the transfers use it: exactly the operations the clone
// protocol and the squelch transfer need, nothing more. A backend opens a real
// serial port or a pseudo-terminal; the engines never see which.

#include "link/open_failure.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Read and write deadlines, in milliseconds. A read of N bytes ends when N
// bytes arrived, when more than readGapMs passed between two bytes (once the
// first byte is in), or when readPerByteMs * N + readTotalMs passed since the
// read started; whatever arrived by then is the result. A timeout is not an
// error.
struct LinkTimeouts {
    int readGapMs = 30;
    int readPerByteMs = 100;
    int readTotalMs = 90;
    int writePerByteMs = 50;
    int writeTotalMs = 50;
};

// The timeouts every transfer sets on the port.
inline constexpr LinkTimeouts kTransferTimeouts{};

// What a read delivered: the bytes that arrived (count) and whether the port
// reported an error (a vanished device, an I/O failure).
struct ReadResult {
    std::size_t count = 0;
    bool error = false;
};

class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the named port for reading and writing, exclusively (no other
    // program may hold it), existing device only. The name is a port name
    // ("COM3", "\\.\COM12") mapped by the platform rule of port_name.h, or a
    // device path. False when the port cannot be opened.
    virtual bool Open(const std::string& portName) = 0;
    // Why the last Open failed, as far as the backend can tell.
    virtual OpenFailure LastOpenFailure() const { return {}; }
    // Whether the driver granted low latency when the port was opened (a
    // USB-serial adapter then passes received bytes on at once instead of
    // holding them for its latency timer); false for a port without it.
    virtual bool LowLatency() const { return false; }
    // For an open USB-serial adapter: what else is likely in the way of the
    // port, looked up now (another program that has it open, or a program
    // known to grab adapters); nothing for other ports.
    virtual PortHolders AdapterHolders() const { return {}; }
    // Sets the read and write deadlines of the calls that follow.
    virtual void SetTimeouts(const LinkTimeouts& timeouts) = 0;
    // Keeps the port's other settings but sets 9600 baud, 8 data bits, no
    // parity, 1 stop bit, raw bytes without character translation, parity
    // checking off. False when the port refuses the settings.
    virtual bool SetLine9600_8N1() = 0;
    // Discards every byte received and not read yet. The protocol's purge-all
    // and clear are both this: Write returns only after handing its bytes to
    // the driver (a synchronous write on a serial port has completed when it
    // returns), so nothing of ours is left to discard or abort.
    virtual void Clear() = 0;
    // Writes all bytes synchronously within the write deadline. False on an
    // error or when not every byte left within the deadline.
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
    // Reads up to size bytes within the read deadlines.
    virtual ReadResult Read(std::uint8_t* buffer, std::size_t size) = 0;
    // Waits this many milliseconds; 1 and 2 ms really are 1 and 2 ms. Every
    // wait of a transfer goes through here, so a link that watches the
    // transfer sees the protocol's timing.
    virtual void Sleep(int milliseconds) = 0;
    // Closes the port; harmless when it is not open.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
};

// Waits the given milliseconds with sub-millisecond accuracy (no scheduler
// tick rounding). Backends implement SerialLink::Sleep with it.
void PreciseSleep(int milliseconds);
