#include "link/address_map.h"

// The transfers cover exactly the image bytes that travel to the radio: the
// map is strictly increasing, lands only on radio bytes, and reaches as many
// of them as the image holds.
static_assert([] {
    std::size_t previous = 0;
    for (int address = 0; address < kRadioMemorySize; ++address) {
        const std::size_t offset = ImageOffsetOfRadioAddress(address);
        if (!layout::IsRadioByte(offset) || (address > 0 && offset <= previous)) {
            return false;
        }
        previous = offset;
    }
    int radioBytes = 0;
    for (std::size_t offset = 0; offset < layout::kImageSize; ++offset) {
        radioBytes += layout::IsRadioByte(offset) ? 1 : 0;
    }
    return radioBytes == kRadioMemorySize;
}());

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
