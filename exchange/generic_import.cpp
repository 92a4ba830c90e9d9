// Reading the generic layout: each row of an imported file mapped onto the
// grid's cell texts, or skipped with the reason of the first value the radio
// cannot take.

#include "exchange/generic_layout.h"

#include "exchange/decimal_units.h"
#include "exchange/generic_columns.h"
#include "exchange/header_columns.h"
#include "exchange/tone_texts.h"
#include "model/cell_commit.h"
#include "model/display_words.h"
#include "model/gbk.h"
#include "model/text_catalogue.h"

namespace exchange {

namespace {

using namespace generic;

constexpr int kLowPowerTenthsOfWatt = 20; // below 2 W is low power

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// One row's mapping; fails with the reason of the first value it cannot take.
class RowMapper {
public:
    RowMapper(const std::vector<std::string>& fields, const std::vector<int>& indexes,
              const TextCatalogue& texts)
        : fields_(fields), indexes_(indexes), texts_(texts) {}

    RowProposal Map() {
        Location();
        std::int64_t rx = 0, tx = 0;
        if (Frequencies(rx, tx) && Tones() && Mode()) {
            Cell(kColRx) = FormatDecimalUnits(rx, kMhzDecimals);
            Cell(kColTx) = FormatDecimalUnits(tx, kMhzDecimals);
            Name();
            Cell(kColPower) = WordText(LowPower() ? Word::Low : Word::High, false);
            Cell(kColScan) = WordText(Key(kSkip) == "s" ? Word::No : Word::Yes, false);
            Cell(kColBusy) = std::string(TrimBlanks(Value(kBusyLock)));
        }
        return std::move(proposal_);
    }

private:
    bool Has(Column c) const { return indexes_[c] >= 0; }
    // The row's value of a column; the neutral value when the column is missing.
    std::string Value(Column c) const {
        return Has(c) ? FieldAt(fields_, indexes_[c]) : std::string(kGenericColumns[c].neutral);
    }
    std::string Key(Column c) const { return HeaderKey(Value(c)); }
    std::string& Cell(int col) { return proposal_.texts[static_cast<std::size_t>(col - 1)]; }

    bool Skip(const std::string& reason) {
        proposal_.skip = true;
        proposal_.reason = reason;
        return false;
    }
    std::string Named(Column c) const {
        return std::string(kGenericColumns[c].name) + " " + Quoted(Value(c));
    }
    // The pattern with the column and its value in place of %1.
    std::string Said(Column c, const std::string& pattern) const {
        return FormatText(pattern, {Named(c)});
    }

    // Other tools number their memories their own way (from 0 or from 1,
    // with gaps), so a directory's list fills the table in file order; only
    // a file this program wrote, told by its BusyLock column, names rows.
    void Location() {
        const std::string text(TrimBlanks(Value(kLocation)));
        if (!Has(kBusyLock) || text.empty())
            return;
        const std::optional<std::int64_t> location = ParseDecimalUnits(text, 0);
        if (location && text.find('.') == std::string::npos && *location < kChannelRows) {
            proposal_.location = static_cast<int>(*location) + 1;
            return;
        }
        proposal_.warnings.push_back(
            Said(kLocation,
                 texts_.Tr("GenericImport", "%1 names no row: the channel goes in file order")));
    }

    std::optional<std::int64_t> Mhz(Column c) {
        const std::optional<std::int64_t> units = ParseDecimalUnits(Value(c), kMhzDecimals);
        if (!units)
            Skip(Said(c, texts_.Tr("GenericImport", "%1 is not a frequency in MHz")));
        return units;
    }

    bool Frequencies(std::int64_t& rx, std::int64_t& tx) {
        const std::optional<std::int64_t> frequency = Mhz(kFrequency);
        if (!frequency)
            return false;
        rx = *frequency;
        const std::string duplex = Key(kDuplex);
        if (duplex.empty()) {
            tx = rx;
            return true;
        }
        if (duplex == "off")
            return Skip(texts_.Tr("GenericImport", "Duplex \"off\" (transmit disabled): this radio "
                                                   "cannot disable transmit on a channel"));
        if (duplex != "+" && duplex != "-" && duplex != "split")
            return Skip(
                Said(kDuplex, texts_.Tr("GenericImport", "%1 is not a duplex this radio knows")));
        const std::optional<std::int64_t> offset = Mhz(kOffset);
        if (!offset)
            return false;
        tx = duplex == "split" ? *offset : duplex == "+" ? rx + *offset : rx - *offset;
        if (tx <= 0)
            return Skip(texts_.Tr("GenericImport", "the Offset leaves no transmit frequency"));
        return true;
    }

    std::optional<std::string> Ctcss(Column c) {
        std::optional<std::string> cell = CtcssCell(Value(c));
        if (!cell)
            Skip(Said(c, texts_.Tr("GenericImport", "%1 is not a tone of the tone list")));
        return cell;
    }

    // DCS of column c (DtcsCode or RxDtcsCode) with the polarity letter
    // polarity[which] (0 transmit, 1 receive).
    std::optional<std::string> Dcs(Column c, int which) {
        const std::string polarity = HeaderKey(Value(kDtcsPolarity));
        if (polarity.size() != 2 || (polarity[0] != 'n' && polarity[0] != 'r') ||
            (polarity[1] != 'n' && polarity[1] != 'r')) {
            Skip(Said(kDtcsPolarity, texts_.Tr("GenericImport", "%1 is not two letters N or R")));
            return std::nullopt;
        }
        std::optional<std::string> cell = DcsCell(Value(c), polarity[which] == 'r');
        if (!cell)
            Skip(Said(c, texts_.Tr("GenericImport", "%1 is not a code of the tone list")));
        return cell;
    }

    // DCS code of the receive side: RxDtcsCode when the row has one.
    Column RxDcsColumn() const {
        return Has(kRxDtcsCode) && !TrimBlanks(Value(kRxDtcsCode)).empty() ? kRxDtcsCode
                                                                           : kDtcsCode;
    }

    bool Tones() {
        const std::string tone = Key(kTone);
        std::optional<std::string> encode, decode;
        if (tone.empty())
            return true;
        if (tone == "tone") {
            encode = Ctcss(kRToneFreq);
            return SetTones(encode, std::string());
        }
        if (tone == "tsql") {
            encode = Ctcss(kCToneFreq);
            return SetTones(encode, encode);
        }
        if (tone == "dtcs") {
            encode = Dcs(kDtcsCode, 0);
            decode = encode ? Dcs(kDtcsCode, 1) : std::nullopt;
            return SetTones(encode, decode);
        }
        if (tone == "cross")
            return CrossTones();
        return Skip(
            Said(kTone, texts_.Tr("GenericImport", "%1 is a tone mode this radio does not have")));
    }

    bool CrossTones() {
        std::string mode(TrimBlanks(Value(kCrossMode)));
        if (!Has(kCrossMode) || mode.empty()) {
            mode = "Tone->Tone";
            proposal_.warnings.push_back(texts_.Tr(
                "GenericImport", "Tone \"Cross\" without a CrossMode: taken as Tone->Tone"));
        }
        const std::size_t arrow = mode.find("->");
        if (arrow == std::string::npos)
            return Skip(Said(kCrossMode, texts_.Tr("GenericImport", "%1 is not a cross mode")));
        const std::string send = HeaderKey(mode.substr(0, arrow));
        const std::string receive = HeaderKey(mode.substr(arrow + 2));
        std::optional<std::string> encode = std::string(), decode = std::string();
        if (send == "tone")
            encode = Ctcss(kRToneFreq);
        else if (send == "dtcs")
            encode = Dcs(kDtcsCode, 0);
        else if (!send.empty())
            return Skip(Said(kCrossMode, texts_.Tr("GenericImport", "%1 is not a cross mode")));
        if (!encode)
            return false;
        if (receive == "tone")
            decode = Ctcss(kCToneFreq);
        else if (receive == "dtcs")
            decode = Dcs(RxDcsColumn(), 1);
        else if (!receive.empty() || send.empty())
            return Skip(Said(kCrossMode, texts_.Tr("GenericImport", "%1 is not a cross mode")));
        return SetTones(encode, decode);
    }

    // Tone cells from the tone list's entries ("" for no tone); false when a
    // lookup failed and skipped the row.
    bool SetTones(const std::optional<std::string>& encode,
                  const std::optional<std::string>& decode) {
        if (!encode || !decode)
            return false;
        const std::string none = WordText(Word::NoTone, false);
        Cell(kColEncodeTone) = encode->empty() ? none : *encode;
        Cell(kColDecodeTone) = decode->empty() ? none : *decode;
        return true;
    }

    bool Mode() {
        const std::string mode = Key(kMode);
        if (mode.empty() || mode == "fm") {
            Cell(kColWidth) = WordText(Word::Wide, false);
            return true;
        }
        if (mode == "nfm") {
            Cell(kColWidth) = WordText(Word::Narrow, false);
            return true;
        }
        return Skip(Said(kMode, texts_.Tr("GenericImport", "%1: this radio is FM only")));
    }

    void Name() {
        const std::string name = Value(kName);
        if (GbkByteLength(name) <= kNameEditMaxBytes) {
            Cell(kColName) = name;
            return;
        }
        Cell(kColName) = TruncateToGbkBytes(name, kNameEditMaxBytes);
        proposal_.warnings.push_back(Said(kName, texts_.Tr("GenericImport", "%1 cut to ")) +
                                     Quoted(Cell(kColName)));
    }

    // Power: the word Low, or a number of watts below 2; anything else is high.
    bool LowPower() const {
        const std::string power = Key(kPower);
        if (power == "low")
            return true;
        std::string_view number = power;
        if (number.ends_with('w'))
            number.remove_suffix(1);
        const std::optional<std::int64_t> tenths = ParseDecimalUnits(number, 1);
        return tenths && *tenths < kLowPowerTenthsOfWatt;
    }

    const std::vector<std::string>& fields_;
    const std::vector<int>& indexes_;
    const TextCatalogue& texts_;
    RowProposal proposal_;
};

class GenericRows : public LayoutRows {
public:
    explicit GenericRows(std::vector<int> indexes) : indexes_(std::move(indexes)) {}

    RowProposal Propose(const std::vector<std::string>& fields,
                        const TextCatalogue& texts) const override {
        return RowMapper(fields, indexes_, texts).Map();
    }

private:
    std::vector<int> indexes_; // field index of each Column, -1 when missing
};

} // namespace

std::unique_ptr<LayoutRows> GenericLayoutRows(const std::vector<std::string>& header) {
    const HeaderColumns columns(header);
    std::vector<int> indexes;
    for (const GenericColumn& column : kGenericColumns)
        indexes.push_back(columns.Find({column.name}));
    if (indexes[kFrequency] < 0)
        return nullptr;
    return std::make_unique<GenericRows>(std::move(indexes));
}

} // namespace exchange
