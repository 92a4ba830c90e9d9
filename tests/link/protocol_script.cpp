#include "protocol_script.h"

#include "link/address_map.h"

#include <gtest/gtest.h>

void Add(Lines& to, const Lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

void Add(Replies& to, const Replies& more) {
    to.insert(to.end(), more.begin(), more.end());
}

namespace {

std::string WriteLine(const ByteVector& bytes) {
    return "write " + ScriptedLink::Hex(bytes);
}

} // namespace

std::string RequestLine(std::uint8_t command, int address, int length) {
    return WriteLine({command, static_cast<std::uint8_t>(address >> 8),
                      static_cast<std::uint8_t>(address & 0xFF),
                      static_cast<std::uint8_t>(length)});
}

// The calls and replies of a transfer, as the radio's protocol has them.

Lines PortSetup() {
    return {"open " + kPort, "timeouts", "line 9600 8N1"};
}

// From the pump waits to the last byte of the program-mode request.
Lines ProgramRequest(Entry entry) {
    Lines lines;
    if (entry == Entry::Clone) {
        lines = Lines(6, "sleep 1"); // one after each of the six pump passes
    }
    lines.push_back("clear"); // the purge-all
    for (const std::uint8_t byte : {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41}) {
        lines.push_back("sleep 2");
        if (entry == Entry::Clone) {
            lines.push_back("clear");
        }
        lines.push_back(WriteLine({byte}));
    }
    return lines;
}

// From the identification request to the read of the ACK that ends the entry.
Lines Identification() {
    return {"sleep 1", "clear", "write 4D 02", "read 8", "clear", "write 06", "sleep 1", "read 1"};
}

namespace {

Lines EntryCalls(Entry entry) {
    Lines lines = ProgramRequest(entry);
    lines.push_back("read 1");
    Add(lines, Identification());
    return lines;
}

} // namespace

Replies EntryReplies() {
    return {{0x06}, kIdentification, {0x06}};
}

ByteVector BlockReply(const RadioMemory& memory, int address, int length) {
    // The radio's reply: a 4-byte header, then the data.
    return Concat({{0x57, static_cast<std::uint8_t>(address >> 8),
                    static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)},
                   ByteVector(memory.begin() + address, memory.begin() + address + length)});
}

namespace {

Lines BandCheckCalls() {
    Lines lines;
    for (const int address : {0x0FD0, 0x0FD8}) {
        Add(lines, {"clear", RequestLine('R', address, 8), "read 12", "sleep 1", "clear",
                    "write 06", "read 1"});
    }
    return lines;
}

} // namespace

namespace {

Replies BandCheckReplies(const RadioMemory& memory) {
    return {BlockReply(memory, 0x0FD0), {0x06}, BlockReply(memory, 0x0FD8), {0x06}};
}

} // namespace

Lines CloneReadCalls() {
    Lines lines = PortSetup();
    Add(lines, EntryCalls(Entry::Clone));
    Add(lines, BandCheckCalls());
    Add(lines, EntryCalls(Entry::Clone));
    // The password check: no clear before the request nor before the ACK.
    Add(lines, {RequestLine('R', 0x0FE0, 8), "read 12", "write 06", "read 1"});
    for (int address = 0; address < kLinearEnd; address += 8) {
        // 1 ms before the second and the third block of a row, not the first.
        if (address % 24 != 0) {
            lines.push_back("sleep 1");
        }
        Add(lines, {"clear", RequestLine('R', address, 8), "read 12", "sleep 1", "clear",
                    "write 06", "read 1"});
    }
    for (int address = kLinearEnd; address < kRadioMemorySize; address += 8) {
        Add(lines,
            {"clear", RequestLine('R', address, 8), "read 12", "clear", "write 06", "read 1"});
    }
    lines.push_back("close");
    return lines;
}

Replies CloneReadReplies(const RadioMemory& memory) {
    Replies replies = EntryReplies();
    Add(replies, BandCheckReplies(memory));
    Add(replies, EntryReplies());
    Add(replies, {BlockReply(memory, 0x0FE0), {0x06}});
    for (int address = 0; address < kRadioMemorySize; address += 8) {
        Add(replies, {BlockReply(memory, address), {0x06}});
    }
    return replies;
}

// Index of the read that receives the reply to the block at address in a
// clone read: three entry reads, four of the band check, three of the second
// entry, two of the password check, then a reply and an ACK per block.
std::size_t CloneReadReplyIndex(int address) {
    return 12 + 2 * static_cast<std::size_t>(address / 8);
}

Lines CloneWriteCalls(const RadioImage& image) {
    Lines lines = PortSetup();
    Add(lines, EntryCalls(Entry::Clone));
    Add(lines, BandCheckCalls());
    Add(lines, EntryCalls(Entry::Clone));
    for (int address = 0; address < 0x0FF0; address += 8) {
        if (address >= 0x0FD0 && address < 0x0FE0) {
            continue;
        }
        const std::size_t at = ImageOffsetOfRadioAddress(address);
        Add(lines, {"clear", RequestLine('W', address, 8), "sleep 1",
                    WriteLine(ByteVector(image.data() + at, image.data() + at + 8)), "read 1"});
    }
    Add(lines, {"clear", "write 57 0F D1 01", "sleep 1", "write 03", "read 1", "close"});
    return lines;
}

Replies CloneWriteReplies(const RadioMemory& memory) {
    Replies replies = EntryReplies();
    Add(replies, BandCheckReplies(memory));
    Add(replies, EntryReplies());
    Add(replies, Replies(508 + 1, ByteVector{0x06}));
    return replies;
}

Lines SquelchCalls(TransferDirection direction, const ByteVector& levels) {
    Lines lines = PortSetup();
    Add(lines, EntryCalls(Entry::Squelch));
    if (direction == TransferDirection::Read) {
        Add(lines, {"clear", RequestLine('R', 0x0FF6, 4), "sleep 1", "read 8", "close"});
    } else {
        Add(lines, {"clear", RequestLine('W', 0x0FF6, 4), "sleep 1", WriteLine(levels), "read 1",
                    "close"});
    }
    return lines;
}

// Fails the test at the first call that differs, with the calls around it.
void ExpectSameCalls(const Lines& actual, const Lines& expected) {
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    if (at == actual.size() && at == expected.size()) {
        return;
    }
    std::string context;
    for (std::size_t i = at < 4 ? 0 : at - 4; i < at + 4; ++i) {
        context += "\n  #" + std::to_string(i) + (i == at ? " > " : "   ") + "expected \"" +
                   (i < expected.size() ? expected[i] : "(end)") + "\", got \"" +
                   (i < actual.size() ? actual[i] : "(end)") + "\"";
    }
    ADD_FAILURE() << "the calls differ at #" << at << " (" << actual.size() << " calls, "
                  << expected.size() << " expected):" << context;
}

RadioMemory TestMemory() {
    RadioMemory memory = PatternMemory(5); // band type 3, no password
    memory[0x0FF6] = 9;
    memory[0x0FF7] = 118;
    memory[0x0FF8] = 64;
    memory[0x0FF9] = 30;
    return memory;
}
