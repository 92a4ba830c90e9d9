// Decodes and encodes arbitrary images. Invariants: texts are valid UTF-8; the
// band refresh always leaves 13 17 64 40 52 00 and a normalised band code in the plan;
// the encode touches only channel records and the band code, and inside a
// record keeps bytes 12, 14, 15 and bit 0 of byte 13; names, well-formed
// frequencies and well-formed tones come back byte for byte.

#include "fuzz/fuzz_check.h"
#include "model/band.h"
#include "model/channel_codec.h"
#include "model/gbk.h"
#include "model/image_layout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

bool ValidBcd(std::uint8_t b) {
    return (b >> 4) <= 9 && (b & 15) <= 9;
}

bool NotSet(std::uint8_t top) {
    return top == 0x00 || top == 0xFF;
}

bool WellFormedFrequency(const std::uint8_t* p) {
    return !NotSet(p[3]) && std::all_of(p, p + 4, ValidBcd);
}

bool WellFormedTone(std::uint8_t low, std::uint8_t high) {
    if (NotSet(high)) {
        return false;
    }
    return ValidBcd(low) && (high >= 0x80 || ValidBcd(high));
}

void CheckRecord(const std::uint8_t* before, const std::uint8_t* after, const ChannelTexts& texts) {
    for (const std::string& t : texts) {
        FUZZ_CHECK(IsValidUtf8(t));
    }
    FUZZ_CHECK(after[12] == before[12] && after[14] == before[14] && after[15] == before[15]);
    FUZZ_CHECK((after[13] & 1) == (before[13] & 1));
    for (std::size_t at : {layout::kRecRx, layout::kRecTx}) {
        if (WellFormedFrequency(before + at)) {
            FUZZ_CHECK(std::equal(before + at, before + at + 4, after + at));
        }
    }
    for (std::size_t at : {layout::kRecDecTone, layout::kRecEncTone}) {
        if (WellFormedTone(before[at], before[at + 1])) {
            FUZZ_CHECK(after[at] == before[at] && after[at + 1] == before[at + 1]);
        }
    }
    const bool empty = NotSet(before[3]) || NotSet(before[7]);
    bool ended = empty;
    for (std::size_t i = 0; i < layout::kRecNameSize; ++i) {
        const std::uint8_t b = before[layout::kRecName + i];
        ended = ended || b == 0x00 || b == 0xFF;
        FUZZ_CHECK(after[layout::kRecName + i] == (ended ? 0xFF : b));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    BandPlan bands;
    RadioImage image;
    std::copy_n(data + 1, std::min(size - 1, RadioImage::size()), image.data());
    const RadioImage original = image;

    ChannelTable table;
    DecodeChannels(image, table, bands, (data[0] & 1) != 0);
    FUZZ_CHECK(ImageBandCode(image) == kDecodedBandCode);
    BandCodeBytes normalised = bands.bandCode;
    NormalizeBandCode(normalised);
    FUZZ_CHECK(normalised == bands.bandCode);
    FUZZ_CHECK(bands.InBands(52000000) && !bands.InBands(52000001));

    EncodeChannels(table, image, bands);
    for (std::size_t i = layout::kChannelsEnd; i < RadioImage::size(); ++i) {
        if (i < layout::kBandCode || i >= layout::kBandCode + layout::kBandCodeSize) {
            FUZZ_CHECK(image[i] == original[i]);
        }
    }
    FUZZ_CHECK(ImageBandCode(image) == kDecodedBandCode);
    for (std::size_t n = 0; n < layout::kChannelRecordCount; ++n) {
        const std::size_t at = layout::ChannelRecord(n);
        CheckRecord(original.data() + at, image.data() + at, table[n]);
    }
    return 0;
}
