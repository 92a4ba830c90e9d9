#pragma once
// The radio's whole configuration memory as the program holds it: 256 rows
// of 24 bytes (see image_layout.h). 0xFF means "not set" throughout.

#include "model/image_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>

class RadioImage {
public:
    using Bytes = std::array<std::uint8_t, layout::kImageSize>;

    RadioImage() { m_bytes.fill(0xFF); }

    std::uint8_t& operator[](std::size_t offset) { return m_bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return m_bytes[offset]; }

    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    static constexpr std::size_t size() { return layout::kImageSize; }

    Bytes& bytes() { return m_bytes; }
    const Bytes& bytes() const { return m_bytes; }

    bool operator==(const RadioImage&) const = default;

private:
    Bytes m_bytes;
};
