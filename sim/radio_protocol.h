#pragma once
// The radio's side of the programming dialogue as a pure state machine: bytes
// in, answers out, memory and protocol checks inside. SimulatedRadio serves it
// on a pseudo-terminal.

#include "sim/seeded_random.h"
#include "sim/simulated_radio.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the radio does after a byte: send these bytes (after delayMs), or hang
// up the line.
struct RadioAnswer {
    std::vector<std::uint8_t> bytes;
    int delayMs = 0;
    bool disconnect = false;
};

class RadioProtocol {
public:
    RadioProtocol(const RadioMemory& memory, const SimOptions& options);

    std::optional<RadioAnswer> Feed(std::uint8_t byte);

    RadioMemory& Memory() { return m_memory; }
    const RadioMemory& Memory() const { return m_memory; }
    const std::vector<std::string>& Violations() const { return m_violations; }
    const std::vector<SimRequest>& Requests() const { return m_requests; }
    const SimStats& Stats() const { return m_stats; }
    // Forgets the record of the dialogue and waits for a program-mode request.
    void Reset();
    // Applies the band type and password options to the memory.
    void ApplyOptions();

private:
    enum class Phase {
        Idle,           // waiting for 0x02 "PROGRA"
        Identification, // waiting for "M" 0x02
        EntryAck,       // waiting for the ACK that completes the entry
        Command,        // programming mode: waiting for a request
        BlockAck,       // waiting for the ACK after a data reply
        WriteData,      // collecting the data bytes of a write
        Dead,           // a protocol violation happened: answers nothing
    };

    std::optional<RadioAnswer> Violation(const std::string& what);
    std::optional<RadioAnswer> Answer(std::vector<std::uint8_t> bytes, int address);
    std::optional<RadioAnswer> OnProgramRequestByte(std::uint8_t byte);
    std::optional<RadioAnswer> OnRequest();
    std::optional<RadioAnswer> OnRead(int address, int length);
    std::optional<RadioAnswer> OnWrite(int address, int length);
    std::optional<RadioAnswer> OnWriteData();
    // True when the fault is set for this address and not spent yet.
    bool FaultHits(SimFaultKind kind, int address);
    std::vector<std::uint8_t> ReadReply(int address, int length) const;

    RadioMemory m_memory;
    SimOptions m_options;
    SeededRandom m_random;
    int m_faultAddress = -1;
    bool m_faultSpent = false;
    int m_requestsIgnored = 0;
    int m_entryAcksLeftOut = 0;

    Phase m_phase = Phase::Idle;
    std::size_t m_programIndex = 0;
    std::vector<std::uint8_t> m_pending;
    int m_writeAddress = 0;
    int m_writeLength = 0;
    int m_ackAddress = -1;

    // Order of the blocks in the current programming session.
    char m_sessionKind = 0;  // 0 none yet, 'R' reads, 'W' writes, 'S' squelch
    int m_nextBlock = -1;    // address the next block request must have
    int m_sessionStart = -1; // address of the session's first block
    bool m_closed = false;   // the closing band write happened

    std::vector<std::string> m_violations;
    std::vector<SimRequest> m_requests;
    SimStats m_stats;
};
