#pragma once
// The steps the clone and the squelch transfers share: port setup, the
// programming-mode entry with its failure count and prompt, and the checked
// reads. A fault stops the transfer by throwing TransferStop, which the
// engines turn into their typed result.

#include "link/serial_link.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"

#include <atomic>
#include <cstdint>
#include <string>

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kReadCommand = 0x52;  // "R"
inline constexpr std::uint8_t kWriteCommand = 0x57; // "W"
inline constexpr int kReplyHeaderBytes = 4;
inline constexpr int kBlockBytes = 8;
// Consecutive failed attempts before the "Communication Error" prompt.
inline constexpr int kAttemptLimit = 15;
// Above this failure count a missing ACK after the identification ends the
// transfer instead of prompting.
inline constexpr int kLateAckLimit = 5;

// Thrown to end a transfer: the fault, the radio address it happened at (-1
// when none) and, for a port that did not open, what the system told.
struct TransferStop {
    LinkFault fault;
    int address = -1;
    OpenFailure openFailure{};
};

// How a programming-mode entry behaves: the clone transfer pumps, shows the
// status text and clears the input before each byte of the program-mode
// request; the squelch transfer does not.
struct EntryStyle {
    bool pumpAndStatus = true;
    bool clearBeforeEachRequestByte = true;
};

inline constexpr EntryStyle kCloneEntry{.pumpAndStatus = true, .clearBeforeEachRequestByte = true};
inline constexpr EntryStyle kSquelchEntry{.pumpAndStatus = false,
                                          .clearBeforeEachRequestByte = false};

class TransferSteps {
public:
    // cancel may be null (no pump passes, nothing to poll).
    TransferSteps(SerialLink& link, TransferObserver& observer, const std::atomic<bool>* cancel);

    // Opens the port and sets timeouts and line settings; stops with
    // OpenFailed (and the reason the link knows) when it cannot be opened.
    void OpenAndConfigure(const std::string& portName);
    // Puts the radio into programming mode, attempt after attempt, with the
    // prompt after kAttemptLimit failures. The failure count lives across
    // entries of one transfer.
    void EnterProgramMode(const EntryStyle& style);

    // One pump pass, then the cancel test.
    void PumpPass();
    // Stops with a user cancel when the cancel flag is set. An entry without
    // pump passes tests it before each attempt.
    void TestCancel();
    void Send(const std::uint8_t* data, std::size_t size);
    // Sends a 4-byte request: command, address high, address low, length.
    void SendRequest(std::uint8_t command, int address, int length);
    // Reads exactly size bytes; fewer stops the transfer.
    void ReceiveReply(std::uint8_t* buffer, std::size_t size, int address);
    // Reads one byte that must be the ACK; anything else stops the transfer.
    void ExpectAck(int address);

    SerialLink& Link() { return m_link; }
    TransferObserver& Observer() { return m_observer; }

private:
    // The "Communication Error" prompt: Retry resets the failure count,
    // Cancel ends the transfer.
    void Prompt();
    // What a 1-byte read for an ACK delivered: the ACK, nothing, another
    // byte, or a read error.
    enum class AckRead { Ack, Nothing, Other, Error };
    AckRead ReadAck();

    SerialLink& m_link;
    TransferObserver& m_observer;
    const std::atomic<bool>* m_cancel;
    int m_failureCount = 1;
};

// Closes the port and turns a stop into the result.
TransferResult FinishStopped(SerialLink& link, const TransferStop& stop);
