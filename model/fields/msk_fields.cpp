#include "model/fields/msk_fields.h"

#include <cctype>

namespace msk {
namespace {

constexpr int kRowBytesUsed = 16;
constexpr std::uint8_t kPad = 0xFF;

std::string ReadField(const RadioImage& image, int field) {
    std::string text;
    for (int i = 0; i < kIdLength; ++i) {
        const std::uint8_t byte = image[RunOffset(field * kIdLength + i)];
        if (byte == 0xFF || byte == 0x00) {
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void WriteField(RadioImage& image, int field, std::string_view text) {
    for (int i = 0; i < kIdLength; ++i) {
        const auto at = static_cast<std::size_t>(i);
        image[RunOffset(field * kIdLength + i)] =
            at < text.size() ? static_cast<std::uint8_t>(text[at]) : kPad;
    }
}

} // namespace

std::size_t RunOffset(int index) {
    const auto i = static_cast<std::size_t>(index);
    return kRunAt + (i / kRowBytesUsed) * kRowSize + i % kRowBytesUsed;
}

std::size_t CallListEntryOffset(int entry) {
    return RunOffset(entry * kIdLength);
}

Values Load(const RadioImage& image) {
    Values values;
    values.idCode = ReadField(image, 0);
    for (int r = 0; r < kCallListEntries; ++r) {
        values.callList[r] = ReadField(image, r + 1);
    }
    return values;
}

void Store(const Values& values, RadioImage& image) {
    WriteField(image, 0, values.idCode);
    for (int r = 0; r < kCallListEntries; ++r) {
        WriteField(image, r + 1, values.callList[r]);
    }
}

std::optional<std::string> AcceptIdText(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kIdLength)) {
        return std::nullopt;
    }
    std::string accepted;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        accepted.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return accepted;
}

} // namespace msk
