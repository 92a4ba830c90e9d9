#pragma once
// A radio of this family on a pseudo-terminal. It answers the programming
// dialogue from its own 4096-byte memory, checks that the program keeps to the
// protocol, and can inject faults. Start opens a new pseudo-terminal and
// serves it on a thread of its own until Stop (or destruction), so it runs
// inside a test, a benchmark, the command line or the window program's demo
// mode alike.
//
// The radio's side of the protocol:
//   0x02 "PROGRA"          -> 0x06
//   "M" 0x02               -> 8 identification bytes
//   0x06                   -> 0x06 (programming mode entered)
//   "R" hi lo 0x08         -> "W" hi lo 0x08 + 8 data bytes, then expects 0x06 -> 0x06
//   "R" 0x0F 0xF6 0x04     -> "W" 0x0F 0xF6 0x04 + 4 squelch bytes (no ACK follows)
//   "W" hi lo 0x08 + 8     -> 0x06
//   "W" 0x0F 0xD1 0x01 + 1 -> 0x06 (the closing band byte)
//   "W" 0x0F 0xF6 0x04 + 4 -> 0x06 (squelch levels)
// A read request may repeat the block read just before it (a program asks
// again for a reply it could not use). A request out of order (blocks not in
// ascending steps of 8 from 0x0000, a block after the closing band write), a write into
// 0x0FD0..0x0FDF other than the closing band byte, a block write into 0x0FF0..0x0FFF outside the
// squelch levels, a wrong length, an unknown command or a missing ACK after a
// data reply is a protocol violation: the radio records it and stops
// answering until it is reset with ResetProtocolState.

#include "link/address_map.h"
#include "model/radio_image.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class SimFaultKind {
    None,
    Silent,     // never answers anything
    NoAck,      // answers a request at `address` with 0x15 instead of the ACK
    ShortReply, // sends only `shortLength` bytes of the reply at `address`
    Garbage,    // replaces the reply at `address` with seeded random bytes
    Disconnect, // hangs up the line when the request at `address` arrives
    Delay,      // answers the request at `address` only after `delayMs`
    Stray,      // sends kStrayBytes seeded random bytes before the reply at `address`
    Corrupt,    // stores the block written at `address` with its first byte inverted,
                // and acknowledges it as if all were well (a failing memory cell)
};

// How many bytes of line noise a Stray fault puts before a reply.
inline constexpr int kStrayBytes = 3;

struct SimFault {
    SimFaultKind kind = SimFaultKind::None;
    // Radio address of the request the fault hits; -1 picks one of the
    // transfer's block addresses from the seed (same seed, same address).
    int address = -1;
    int shortLength = 11;
    int delayMs = 0;
    std::uint32_t seed = 1;
};

struct SimOptions {
    // Band type byte at radio 0x0FD1, replacing what the memory holds.
    std::optional<std::uint8_t> bandType;
    // Password at radio 0x0FE2..0x0FE7 (up to 6 characters, 0xFF padded),
    // replacing what the memory holds.
    std::optional<std::string> password;
    // Extra time before every answer, in milliseconds.
    int replyLatencyMs = 0;
    // Emulates the wire at 9600 baud, 8N1: a byte takes 10/9600 s to arrive
    // and to leave, so no answer comes before its request could have crossed
    // the line, as with a real radio. A reply is handed over whole when its
    // last byte would have arrived, never with a gap inside it. Off, the
    // radio answers at once (tests that need speed).
    bool wireTime = true;
    // Ignores this many program-mode requests before answering one (a radio
    // switched on late).
    int ignoredProgramRequests = 0;
    // Leaves out the ACK that completes the entry this many times.
    int missingEntryAcks = 0;
    // The radio answers the ACK that completes the entry only this long after
    // it arrived (a radio slow to switch into programming mode).
    int entryAckTurnaroundMs = 0;
    SimFault fault;
};

// A radio that answers at once, without the wire's time.
inline SimOptions InstantReplies() {
    SimOptions options;
    options.wireTime = false;
    return options;
}

// One request as the radio understood it.
struct SimRequest {
    char kind = 0; // 'P' program-mode request, 'M' identification, 'A' ACK, 'R' read, 'W' write
    int address = -1;
    int length = 0;
    bool operator==(const SimRequest&) const = default;
};

struct SimStats {
    int programModeRequests = 0; // complete 0x02 "PROGRA" requests received
    int entries = 0;             // programming-mode entries completed (ACK answered)
    int blocksRead = 0;
    int blocksWritten = 0;
    int squelchReads = 0;
    int squelchWrites = 0;
    int closingBandWrites = 0;
};

// A fresh radio memory: 0xFF with band type 3, the default band code
// 136..174 / 400..480 MHz and the default squelch levels.
RadioMemory DefaultRadioMemory();

class SimulatedRadio {
public:
    explicit SimulatedRadio(SimOptions options = {});
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // Memory from an image through the address map (before or while serving).
    void LoadImage(const RadioImage& image);
    void SetMemory(const RadioMemory& memory);

    // Opens a new pseudo-terminal and starts answering on it. False (with a
    // reason) when no pseudo-terminal could be made.
    bool Start(std::string* error = nullptr);
    // Stops answering and closes the pseudo-terminal.
    void Stop();
    // The device path a program opens ("/dev/pts/N"); empty before Start.
    std::string DevicePath() const;

    RadioMemory Memory() const;
    // The memory laid into an image through the address map (every other byte
    // 0xFF), as a .dat would hold it.
    RadioImage MemoryAsImage() const;
    bool DumpToFile(const std::string& path) const;

    std::vector<std::string> Violations() const;
    std::vector<SimRequest> Requests() const;
    // Every byte received, in order.
    std::vector<std::uint8_t> ReceivedBytes() const;
    SimStats Stats() const;
    // Forgets violations, requests, received bytes and statistics and goes
    // back to waiting for a program-mode request.
    void ResetProtocolState();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
