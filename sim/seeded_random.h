#pragma once
// The simulated radio's source of seeded choices: splitmix64 and a mapping of
// its output onto a range, both plain integer arithmetic. The standard
// library's distributions may give other numbers with another library, so
// none is used: the same seed gives the same faults on every platform.

#include <cstdint>

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}

    // The next 64-bit number of the splitmix64 sequence.
    std::uint64_t Next() {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number in 0..count-1 (count 1..2^32): the top 32 bits of the next
    // number scaled onto the range by a multiply and a shift.
    std::uint32_t Below(std::uint64_t count) {
        return static_cast<std::uint32_t>(((Next() >> 32) * count) >> 32);
    }

private:
    std::uint64_t m_state;
};
