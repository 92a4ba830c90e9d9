// Commits arbitrary editor texts into arbitrary cells of a table with a few
// channels, then encodes it. Invariants: a refused entry (a frequency) leaves
// the table unchanged, and only a refusal keeps the editor; an accepted
// frequency lies inside the bands, a receive frequency on a step too; the
// table always encodes.

#include "fuzz/fuzz_check.h"
#include "model/band.h"
#include "model/cell_commit.h"
#include "model/channel_codec.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const bool bChinese = (data[2] & 1) != 0;
    BandPlan bands;
    bands.SetLimitsMhz({136, 174, 400, 520});
    ChannelTable table;
    table[0] = NewChannelDefaults("145.12500", bChinese);
    table[1] = NewChannelDefaults("438.00625", bChinese);
    table[1][kColTx - 1] = "";

    const int row = data[0] % 131; // 0 and 130 lie outside the grid
    const int col = data[1] % 11;  // 0 and 10 likewise
    const auto trigger = (data[2] & 2) ? CommitTrigger::Enter : CommitTrigger::LeaveCell;
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

    const ChannelTable before = table;
    const CommitResult r = CommitCellEdit(table, bands, row, col, text, bChinese, trigger);
    if (r.editorVisible) {
        FUZZ_CHECK(r.Refused());
    }
    if (r.Refused()) {
        FUZZ_CHECK(col == kColRx || col == kColTx);
        FUZZ_CHECK(r.effect == CommitEffect::None);
        FUZZ_CHECK(r.clearEditText == (trigger == CommitTrigger::Enter));
    }
    if (r.effect == CommitEffect::None) {
        FUZZ_CHECK(table == before);
    }
    const bool frequencySet = (col == kColRx || col == kColTx) && r.effect != CommitEffect::None &&
                              r.effect != CommitEffect::RowCleared &&
                              !table[row - 1][col - 1].empty();
    if (frequencySet) {
        const std::int32_t v = FrequencyToUnits(table[row - 1][col - 1]);
        FUZZ_CHECK(bands.InBands(v));
        FUZZ_CHECK(col == kColTx || v % 500 == 0 || v % 625 == 0);
    }
    RadioImage image;
    EncodeChannels(table, image, bands);
    ChannelTable decoded;
    DecodeChannels(image, decoded, bands, bChinese);
    return 0;
}
