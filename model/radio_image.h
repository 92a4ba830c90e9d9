#pragma once
// The radio's whole configuration memory as the program holds it: 256 rows
// of 24 bytes. 0xFF means "not set" throughout.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kImageSize = 0x1800;
inline constexpr std::size_t kRowSize = 24;
inline constexpr std::size_t kRowCount = 256;

class RadioImage {
public:
    using Bytes = std::array<std::uint8_t, kImageSize>;

    RadioImage() { m_bytes.fill(0xFF); }

    std::uint8_t& operator[](std::size_t offset) { return m_bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return m_bytes[offset]; }

    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    static constexpr std::size_t size() { return kImageSize; }

    Bytes& bytes() { return m_bytes; }
    const Bytes& bytes() const { return m_bytes; }

    bool operator==(const RadioImage&) const = default;

private:
    Bytes m_bytes;
};
