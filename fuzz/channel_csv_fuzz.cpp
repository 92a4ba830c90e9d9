// Reads arbitrary text as CSV and as a channel list. Invariants: CSV that is
// read writes back to text that reads to the same records; every imported
// channel passed the grid's rules (receive frequency on a step inside the
// bands, transmit frequency inside them, a name of at most 7 GBK bytes);
// placing never loses a channel silently; and the placed table, exported in
// either layout, reads back to the same table without a skipped row.

#include "exchange/channel_import.h"
#include "exchange/csv_text.h"
#include "fuzz/fuzz_check.h"
#include "model/band.h"
#include "model/cell_commit.h"
#include "model/channel_codec.h"
#include "model/gbk.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void CheckCsvRoundTrip(std::string_view text, char separator) {
    const exchange::CsvReadResult read = exchange::ReadCsv(text, separator);
    if (!read.Ok()) {
        FUZZ_CHECK(read.records.empty());
        return;
    }
    std::vector<std::vector<std::string>> rows;
    for (const exchange::CsvRecord& record : read.records) {
        rows.push_back(record.fields);
    }
    const exchange::CsvReadResult again =
        exchange::ReadCsv(exchange::WriteCsv(rows, separator), separator);
    FUZZ_CHECK(again.Ok() && again.records.size() == rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(again.records[i].fields == rows[i]);
    }
}

void CheckChannel(const ChannelTexts& texts, const BandPlan& bands) {
    const std::int32_t rx = FrequencyToUnits(texts[kColRx - 1]);
    FUZZ_CHECK(bands.InBands(rx) && (rx % 500 == 0 || rx % 625 == 0));
    FUZZ_CHECK(bands.InBands(FrequencyToUnits(texts[kColTx - 1])));
    FUZZ_CHECK(GbkByteLength(texts[kColName - 1]) <= kNameEditMaxBytes);
}

// The source texts, with the vocabulary of either language.
class FuzzTexts final : public TextCatalogue {
public:
    explicit FuzzTexts(bool chinese) : TextCatalogue(chinese) {}
    std::string Translate(const char* /*context*/, const char* source,
                          const char* /*disambiguation*/) const override {
        return source;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const FuzzTexts texts((data[0] & 1) != 0);
    BandPlan bands;
    bands.SetLimitsMhz({136, 174, 400, 520});
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckCsvRoundTrip(text, (data[0] & 2) ? '\t' : ',');

    const exchange::ChannelImport import = exchange::ReadChannelCsv(text, bands, texts);
    FUZZ_CHECK(import.ok != import.channels.empty());
    if (!import.ok) {
        return 0;
    }
    for (const exchange::ImportedChannel& channel : import.channels) {
        CheckChannel(channel.texts, bands);
    }
    const auto placement =
        (data[0] & 4) ? exchange::Placement::IntoEmpty : exchange::Placement::Replace;
    ChannelTable empty; // every cell default-constructed, empty
    const exchange::PlacedChannels placed =
        exchange::PlaceChannels(empty, import, placement, texts);
    FUZZ_CHECK(static_cast<std::size_t>(placed.placed) + placed.unplaced.size() ==
               import.channels.size());
    for (const exchange::CsvLayout layout :
         {exchange::CsvLayout::Program, exchange::CsvLayout::Generic}) {
        const exchange::ChannelImport again = exchange::ReadChannelCsv(
            exchange::WriteChannelCsv(placed.table, layout, texts), bands, texts);
        FUZZ_CHECK(again.ok && again.skipped.empty());
        const exchange::PlacedChannels back =
            exchange::PlaceChannels(empty, again, exchange::Placement::Replace, texts);
        FUZZ_CHECK(back.table == placed.table);
    }
    return 0;
}
