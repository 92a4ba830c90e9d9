#pragma once
// The calls and replies of whole transfers on a scripted link, as the radio's
// protocol has them, and a rig that runs an engine on that link: what the
// engine step tests compare a transfer's transcript with.

#include "link/clone_engine.h"
#include "link/squelch_engine.h"
#include "link_test_support.h"
#include "scripted_link.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using Replies = std::vector<ByteVector>;

inline const std::string kPort = "/dev/scripted";
inline const ByteVector kIdentification{0x53, 0x49, 0x4D, 0x2D, 0x52, 0x41, 0x44, 0x00};

void Add(Lines& to, const Lines& more);
void Add(Replies& to, const Replies& more);

// "write 52 01 00 08": the transcript line of a 4-byte request.
std::string RequestLine(std::uint8_t command, int address, int length);

// "open PORT", the timeouts and the line settings.
Lines PortSetup();

enum class Entry { Clone, Squelch };

// From the pump waits to the last byte of the program-mode request.
Lines ProgramRequest(Entry entry);
// From the identification request to the read of the ACK that ends the entry.
Lines Identification();
// The radio's answers to one programming-mode entry.
Replies EntryReplies();

// The radio's reply to a read request: a 4-byte header, then the data.
ByteVector BlockReply(const RadioMemory& memory, int address, int length = 8);

// Whole transfers: the calls an engine makes and the replies it reads.
Lines CloneReadCalls();
Replies CloneReadReplies(const RadioMemory& memory);
// Index of the read that receives the reply to the block at address in a
// clone read.
std::size_t CloneReadReplyIndex(int address);
Lines CloneWriteCalls(const RadioImage& image);
Replies CloneWriteReplies(const RadioMemory& memory);
Lines SquelchCalls(TransferDirection direction, const ByteVector& levels);

// Fails the test at the first call that differs, with the calls around it.
void ExpectSameCalls(const Lines& actual, const Lines& expected);

// A radio memory with a seeded pattern (band type 3, no password) and squelch
// levels of its own.
RadioMemory TestMemory();

struct Rig {
    ScriptedLink link;
    RecordingObserver observer;
    std::atomic<bool> cancel{false};
    RadioImage image;

    TransferResult Clone(TransferDirection direction) {
        CloneEngine engine(link, observer, cancel);
        return engine.Run(direction, kPort, image);
    }
    TransferResult Squelch(TransferDirection direction) {
        SquelchEngine engine(link, observer);
        return direction == TransferDirection::Read ? engine.Read(kPort, image)
                                                    : engine.Write(kPort, image);
    }
};
