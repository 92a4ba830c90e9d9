#include "sim/radio_protocol.h"

#include "model/image_layout.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::array<std::uint8_t, 7> kProgramRequest{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr std::array<std::uint8_t, 8> kIdentification{0x53, 0x49, 0x4D, 0x2D,
                                                      0x52, 0x41, 0x44, 0x00};
constexpr int kBlock = 8;
constexpr int kLastBlock = kRadioMemorySize - kBlock;
constexpr int kLastWriteBlock = kBandCodeBlockAddress - kBlock; // row 255 is only read

std::string Hex(int address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

} // namespace

RadioProtocol::RadioProtocol(const RadioMemory& memory, const SimOptions& options)
    : m_memory(memory), m_options(options), m_random(options.fault.seed) {
    if (m_options.fault.address >= 0) {
        m_faultAddress = m_options.fault.address;
    } else {
        m_faultAddress = static_cast<int>(m_random.Below(kRadioMemorySize / kBlock)) * kBlock;
    }
    ApplyOptions();
}

void RadioProtocol::ApplyOptions() {
    if (m_options.bandType) {
        m_memory[kBandTypeAddress] = *m_options.bandType;
    }
    if (m_options.password) {
        for (std::size_t at = 0; at < layout::kPasswordSize; ++at) {
            m_memory[static_cast<std::size_t>(kPasswordAddress) + at] =
                at < m_options.password->size()
                    ? static_cast<std::uint8_t>((*m_options.password)[at])
                    : 0xFF;
        }
    }
}

void RadioProtocol::Reset() {
    m_phase = Phase::Idle;
    m_programIndex = 0;
    m_pending.clear();
    m_sessionKind = 0;
    m_nextBlock = -1;
    m_closed = false;
    m_violations.clear();
    m_requests.clear();
    m_stats = SimStats{};
}

std::optional<RadioAnswer> RadioProtocol::Violation(const std::string& what) {
    m_violations.push_back(what);
    m_phase = Phase::Dead;
    return std::nullopt;
}

bool RadioProtocol::FaultHits(SimFaultKind kind, int address) {
    if (m_options.fault.kind != kind || m_faultSpent || address != m_faultAddress) {
        return false;
    }
    m_faultSpent = true;
    return true;
}

std::optional<RadioAnswer> RadioProtocol::Answer(std::vector<std::uint8_t> bytes, int address) {
    RadioAnswer answer;
    answer.delayMs = m_options.replyLatencyMs;
    if (address >= 0) {
        if (FaultHits(SimFaultKind::Delay, address)) {
            answer.delayMs += m_options.fault.delayMs;
        } else if (FaultHits(SimFaultKind::ShortReply, address)) {
            bytes.resize(std::min(
                bytes.size(), static_cast<std::size_t>(std::max(0, m_options.fault.shortLength))));
        } else if (FaultHits(SimFaultKind::Stray, address)) {
            std::vector<std::uint8_t> noise(kStrayBytes);
            for (std::uint8_t& byte : noise) {
                byte = static_cast<std::uint8_t>(m_random.Below(256));
            }
            bytes.insert(bytes.begin(), noise.begin(), noise.end());
        } else if (FaultHits(SimFaultKind::Garbage, address)) {
            for (std::uint8_t& byte : bytes) {
                do {
                    byte = static_cast<std::uint8_t>(m_random.Below(256));
                } while (bytes.size() == 1 && byte == kAck);
            }
        }
    }
    answer.bytes = std::move(bytes);
    return answer;
}

std::optional<RadioAnswer> RadioProtocol::Feed(std::uint8_t byte) {
    switch (m_phase) {
    case Phase::Dead:
        return std::nullopt;
    case Phase::Idle:
        return OnProgramRequestByte(byte);
    case Phase::Identification:
    case Phase::EntryAck:
    case Phase::Command:
    case Phase::BlockAck:
        if (byte == kProgramRequest[0] && m_pending.empty()) {
            // A new program-mode request (a new attempt or a new transfer).
            m_phase = Phase::Idle;
            return OnProgramRequestByte(byte);
        }
        break;
    case Phase::WriteData:
        break;
    }

    if (m_phase == Phase::Identification) {
        m_pending.push_back(byte);
        if (m_pending.size() < 2) {
            return std::nullopt;
        }
        const bool valid = m_pending[0] == 0x4D && m_pending[1] == 0x02;
        m_pending.clear();
        if (!valid) {
            return Violation("expected the identification request");
        }
        m_requests.push_back({'M', -1, 2});
        m_phase = Phase::EntryAck;
        return Answer({kIdentification.begin(), kIdentification.end()}, -1);
    }
    if (m_phase == Phase::EntryAck) {
        if (byte != kAck) {
            return Violation("expected the ACK after the identification");
        }
        m_requests.push_back({'A', -1, 1});
        if (m_entryAcksLeftOut < m_options.missingEntryAcks) {
            ++m_entryAcksLeftOut;
            m_phase = Phase::Idle;
            return std::nullopt;
        }
        ++m_stats.entries;
        m_phase = Phase::Command;
        m_sessionKind = 0;
        m_nextBlock = -1;
        m_closed = false;
        std::optional<RadioAnswer> answer = Answer({kAck}, -1);
        answer->delayMs = std::max(answer->delayMs, m_options.entryAckTurnaroundMs);
        return answer;
    }
    if (m_phase == Phase::BlockAck) {
        if (byte != kAck) {
            return Violation("missing ACK after the reply at " + Hex(m_ackAddress));
        }
        m_requests.push_back({'A', m_ackAddress, 1});
        m_phase = Phase::Command;
        if (FaultHits(SimFaultKind::NoAck, m_ackAddress)) {
            return Answer({kNak}, -1);
        }
        return Answer({kAck}, m_ackAddress);
    }
    if (m_phase == Phase::WriteData) {
        m_pending.push_back(byte);
        if (m_pending.size() < static_cast<std::size_t>(m_writeLength)) {
            return std::nullopt;
        }
        return OnWriteData();
    }
    // Programming mode: collect a 4-byte request.
    if (m_pending.empty() && byte != 0x52 && byte != 0x57) {
        return Violation("unknown command byte " + Hex(byte));
    }
    m_pending.push_back(byte);
    if (m_pending.size() < 4) {
        return std::nullopt;
    }
    return OnRequest();
}

std::optional<RadioAnswer> RadioProtocol::OnProgramRequestByte(std::uint8_t byte) {
    if (byte == kProgramRequest[0]) {
        m_programIndex = 1;
        m_pending.clear();
        return std::nullopt;
    }
    if (m_programIndex == 0 || byte != kProgramRequest[m_programIndex]) {
        // Line noise outside programming mode is ignored, as a radio would.
        m_programIndex = 0;
        return std::nullopt;
    }
    if (++m_programIndex < kProgramRequest.size()) {
        return std::nullopt;
    }
    m_programIndex = 0;
    ++m_stats.programModeRequests;
    m_requests.push_back({'P', -1, 7});
    if (m_options.fault.kind == SimFaultKind::Silent) {
        return std::nullopt;
    }
    if (m_requestsIgnored < m_options.ignoredProgramRequests) {
        ++m_requestsIgnored;
        return std::nullopt;
    }
    m_phase = Phase::Identification;
    return Answer({kAck}, -1);
}

std::optional<RadioAnswer> RadioProtocol::OnRequest() {
    const char command = static_cast<char>(m_pending[0]);
    const int address = (m_pending[1] << 8) | m_pending[2];
    const int length = m_pending[3];
    m_pending.clear();
    m_requests.push_back({command, address, length});
    if (FaultHits(SimFaultKind::Disconnect, address)) {
        RadioAnswer hangUp;
        hangUp.disconnect = true;
        return hangUp;
    }
    return command == 'R' ? OnRead(address, length) : OnWrite(address, length);
}

std::vector<std::uint8_t> RadioProtocol::ReadReply(int address, int length) const {
    std::vector<std::uint8_t> reply{0x57, static_cast<std::uint8_t>(address >> 8),
                                    static_cast<std::uint8_t>(address & 0xFF),
                                    static_cast<std::uint8_t>(length)};
    for (int i = 0; i < length; ++i) {
        reply.push_back(m_memory[static_cast<std::size_t>(address + i)]);
    }
    return reply;
}

std::optional<RadioAnswer> RadioProtocol::OnRead(int address, int length) {
    if (length == layout::kSquelchLevelCount && address == kSquelchAddress) {
        if (m_sessionKind != 0) {
            return Violation("squelch read inside a block transfer");
        }
        m_sessionKind = 'S';
        ++m_stats.squelchReads;
        return Answer(ReadReply(address, length), address);
    }
    if (length != kBlock) {
        return Violation("read of wrong length " + std::to_string(length) + " at " + Hex(address));
    }
    if (address % kBlock != 0 || address > kLastBlock) {
        return Violation("read at unaligned or invalid address " + Hex(address));
    }
    if (m_sessionKind != 0 && m_sessionKind != 'R') {
        return Violation("read request inside a write session at " + Hex(address));
    }
    if (m_sessionKind == 'R' && address == m_ackAddress) {
        // The block just read, asked for again: the order stays as it was.
        ++m_stats.blocksRead;
        m_phase = Phase::BlockAck;
        return Answer(ReadReply(address, length), address);
    }
    if (m_sessionKind == 0) {
        // A session starts with the band check, the password check or block 0.
        if (address != kBandBlockAddress && address != kPasswordBlockAddress && address != 0) {
            return Violation("read out of order: session starts at " + Hex(address));
        }
    } else if (address != m_nextBlock) {
        return Violation("read out of order: " + Hex(address) + " instead of " + Hex(m_nextBlock));
    }
    const bool first = m_sessionKind == 0;
    if (first) {
        m_sessionStart = address;
    }
    m_sessionKind = 'R';
    m_nextBlock = address + kBlock;
    if (first && address == kPasswordBlockAddress) {
        m_nextBlock = 0; // the password check, then the blocks from 0x0000
    } else if (address == kBandBlockAddress + kBlock && m_sessionStart == kBandBlockAddress) {
        m_nextBlock = -2; // the band check ends the session: a new entry must follow
    }
    ++m_stats.blocksRead;
    m_ackAddress = address;
    m_phase = Phase::BlockAck;
    return Answer(ReadReply(address, length), address);
}

std::optional<RadioAnswer> RadioProtocol::OnWrite(int address, int length) {
    if (length == layout::kSquelchLevelCount && address == kSquelchAddress) {
        if (m_sessionKind != 0) {
            return Violation("squelch write inside a block transfer");
        }
        m_sessionKind = 'S';
    } else if (length == 1 && address == kBandTypeAddress) {
        if (m_sessionKind != 'W' || m_nextBlock != kLastWriteBlock + kBlock || m_closed) {
            return Violation("closing band write out of order");
        }
    } else if (address >= kBandBlockAddress &&
               address < kBandBlockAddress + static_cast<int>(layout::kBandTypeBlockSize)) {
        return Violation("write into the band-type block at " + Hex(address));
    } else if (length != kBlock) {
        return Violation("write of wrong length " + std::to_string(length) + " at " + Hex(address));
    } else if (address >= kBandCodeBlockAddress) {
        return Violation("block write into 0x0FF0..0x0FFF at " + Hex(address));
    } else if (m_closed) {
        return Violation("write after the closing band write at " + Hex(address));
    } else {
        if (m_sessionKind != 0 && m_sessionKind != 'W') {
            return Violation("write request inside a read session at " + Hex(address));
        }
        const int expected = m_sessionKind == 0 ? 0 : m_nextBlock;
        if (address != expected) {
            return Violation("write out of order: " + Hex(address) + " instead of " +
                             Hex(expected));
        }
        m_sessionKind = 'W';
        m_nextBlock =
            address + kBlock == kBandBlockAddress ? kPasswordBlockAddress : address + kBlock;
    }
    m_writeAddress = address;
    m_writeLength = length;
    m_phase = Phase::WriteData;
    return std::nullopt;
}

std::optional<RadioAnswer> RadioProtocol::OnWriteData() {
    for (int i = 0; i < m_writeLength; ++i) {
        m_memory[static_cast<std::size_t>(m_writeAddress + i)] =
            m_pending[static_cast<std::size_t>(i)];
    }
    if (FaultHits(SimFaultKind::Corrupt, m_writeAddress)) {
        m_memory[static_cast<std::size_t>(m_writeAddress)] ^= 0xFF;
    }
    m_pending.clear();
    m_phase = Phase::Command;
    if (m_writeLength == 1) {
        m_closed = true;
        ++m_stats.closingBandWrites;
    } else if (m_writeLength == layout::kSquelchLevelCount) {
        ++m_stats.squelchWrites;
    } else {
        ++m_stats.blocksWritten;
    }
    if (FaultHits(SimFaultKind::NoAck, m_writeAddress)) {
        return Answer({kNak}, -1);
    }
    return Answer({kAck}, m_writeAddress);
}
