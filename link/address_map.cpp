#include "link/address_map.h"

RadioMemory RadioMemoryFromImage(const RadioImage& image) {
    RadioMemory memory{};
    for (int address = 0; address < kRadioMemorySize; ++address) {
        memory[static_cast<std::size_t>(address)] = image[ImageOffsetOfRadioAddress(address)];
    }
    return memory;
}

void CopyRadioMemoryToImage(const RadioMemory& memory, RadioImage& image) {
    for (int address = 0; address < kRadioMemorySize; ++address) {
        image[ImageOffsetOfRadioAddress(address)] = memory[static_cast<std::size_t>(address)];
    }
}
