// Writing the generic layout: one line per channel of the table, with the
// duplex, offset and tone columns worked out from the channel's cells.

#include "exchange/generic_layout.h"

#include "exchange/decimal_units.h"
#include "exchange/generic_columns.h"
#include "exchange/tone_texts.h"
#include "model/cell_commit.h"
#include "model/display_words.h"

#include <cstdlib>

namespace exchange {

namespace {

using namespace generic;

constexpr int kGenericDecimals = 6;                     // frequencies in MHz with six decimals
constexpr std::int64_t kUsualOffsetLimit = 10 * 100000; // 10 MHz in 10 Hz units

std::string GenericMhz(std::int64_t units) {
    return FormatDecimalUnits(units * 10, kGenericDecimals);
}

// The tone columns of a channel from its two tone cells.
void ExportTones(const ChannelTexts& texts, std::vector<std::string>& line) {
    const ToneParts encode = SplitToneCell(texts[kColEncodeTone - 1]);
    const ToneParts decode = SplitToneCell(texts[kColDecodeTone - 1]);
    const auto polarity = [](const ToneParts& t) { return t.inverted ? 'R' : 'N'; };
    std::string tone, cross = kGenericColumns[kCrossMode].neutral;
    std::string rTone = kGenericColumns[kRToneFreq].neutral,
                cTone = kGenericColumns[kCToneFreq].neutral;
    std::string code = kGenericColumns[kDtcsCode].neutral, rxCode = code;
    std::string polarities = {polarity(encode), polarity(decode)};
    if (encode.kind == ToneKind::Ctcss)
        rTone = encode.value;
    if (decode.kind == ToneKind::Ctcss)
        cTone = decode.value;
    if (decode.kind == ToneKind::Dcs)
        code = rxCode = decode.value;
    if (encode.kind == ToneKind::Dcs)
        code = encode.value;
    const auto kindName = [](ToneKind k) {
        return k == ToneKind::Ctcss ? "Tone" : k == ToneKind::Dcs ? "DTCS" : "";
    };
    if (encode.kind == ToneKind::None && decode.kind == ToneKind::None) {
        tone = "";
    } else if (encode.kind == ToneKind::Ctcss && decode.kind == ToneKind::None) {
        tone = "Tone";
    } else if (encode.kind == ToneKind::Ctcss && decode.kind == ToneKind::Ctcss &&
               encode.value == decode.value) {
        tone = "TSQL";
        cTone = encode.value;
    } else if (encode.kind == ToneKind::Dcs && decode.kind == ToneKind::Dcs &&
               encode.value == decode.value) {
        tone = "DTCS";
    } else {
        tone = "Cross";
        cross = std::string(kindName(encode.kind)) + "->" + kindName(decode.kind);
    }
    line[kTone] = tone;
    line[kRToneFreq] = rTone;
    line[kCToneFreq] = cTone;
    line[kDtcsCode] = code;
    line[kDtcsPolarity] = polarities;
    line[kRxDtcsCode] = rxCode;
    line[kCrossMode] = cross;
}

// The one-letter texts go in as strings of their own: assigning such a
// literal in place makes GCC 12 at -O3 warn of an overlap that cannot occur
// (-Wrestrict).
std::vector<std::string> ExportLine(int row, const ChannelTexts& texts) {
    std::vector<std::string> line;
    for (const GenericColumn& column : kGenericColumns)
        line.emplace_back(column.neutral);
    const std::int64_t rx = ParseDecimalUnits(texts[kColRx - 1], kMhzDecimals).value_or(0);
    const std::int64_t tx = ParseDecimalUnits(texts[kColTx - 1], kMhzDecimals).value_or(rx);
    line[kLocation] = std::to_string(row - 1);
    line[kName] = texts[kColName - 1];
    line[kFrequency] = GenericMhz(rx);
    line[kOffset] = GenericMhz(0);
    if (tx != rx && std::llabs(tx - rx) <= kUsualOffsetLimit) {
        line[kDuplex] = std::string(tx > rx ? "+" : "-");
        line[kOffset] = GenericMhz(std::llabs(tx - rx));
    } else if (tx != rx) {
        line[kDuplex] = "split";
        line[kOffset] = GenericMhz(tx);
    }
    ExportTones(texts, line);
    line[kMode] = IsWord(texts[kColWidth - 1], Word::Narrow) ? "NFM" : "FM";
    line[kSkip] = std::string(IsWord(texts[kColScan - 1], Word::No) ? "S" : "");
    line[kPower] = IsWord(texts[kColPower - 1], Word::Low) ? "Low" : "High";
    const std::string& busy = texts[kColBusy - 1];
    line[kBusyLock] = IsWord(busy, Word::Off)       ? WordText(Word::Off, false)
                      : IsWord(busy, Word::Carrier) ? WordText(Word::Carrier, false)
                                                    : WordText(Word::ToneLock, false);
    return line;
}

} // namespace

std::vector<std::vector<std::string>> GenericLayoutLines(const ChannelTable& table) {
    std::vector<std::vector<std::string>> lines(1);
    for (const GenericColumn& column : kGenericColumns)
        lines[0].emplace_back(column.name);
    for (int row = 1; row <= kChannelRows; ++row) {
        const ChannelTexts& texts = table[static_cast<std::size_t>(row - 1)];
        if (!texts[kColRx - 1].empty())
            lines.push_back(ExportLine(row, texts));
    }
    return lines;
}

} // namespace exchange
