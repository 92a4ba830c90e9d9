#include "exchange/tone_texts.h"

#include "exchange/decimal_units.h"
#include "exchange/header_columns.h"
#include "model/channel_codec.h"

#include <algorithm>
#include <vector>

namespace exchange {

namespace {

// The list's entries after its no-tone word; they are the same in both languages.
const std::vector<std::string>& ToneEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list = ToneList(false);
        list.erase(list.begin());
        return list;
    }();
    return entries;
}

bool Listed(const std::string& cell) {
    const std::vector<std::string>& entries = ToneEntries();
    return std::find(entries.begin(), entries.end(), cell) != entries.end();
}

} // namespace

std::optional<std::string> CtcssCell(std::string_view hertz) {
    const std::optional<std::int64_t> tenths = ParseDecimalUnits(hertz, 1);
    if (!tenths || ParseDecimalUnits(hertz, 3) != *tenths * 100)
        return std::nullopt; // not a whole number of tenths: no listed tone
    std::string cell = FormatDecimalUnits(*tenths, 1);
    if (!Listed(cell))
        return std::nullopt;
    return cell;
}

std::optional<std::string> DcsCell(std::string_view code, bool inverted) {
    code = TrimBlanks(code);
    if (code.empty() || code.size() > 3 ||
        !std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '7'; }))
        return std::nullopt;
    // D, the code with leading zeros to three digits, then N or I. Built by
    // appending: a literal put in front of a string makes GCC 12 at -O3 warn
    // of an overlap that cannot occur (-Wrestrict).
    std::string cell = "D";
    cell.append(3 - code.size(), '0').append(code).push_back(inverted ? 'I' : 'N');
    if (!Listed(cell))
        return std::nullopt;
    return cell;
}

ToneParts SplitToneCell(std::string_view cell) {
    ToneParts parts;
    if (!Listed(std::string(cell)))
        return parts;
    if (cell.front() == 'D') {
        parts.kind = ToneKind::Dcs;
        parts.value = cell.substr(1, 3);
        parts.inverted = cell.back() == 'I';
    } else {
        parts.kind = ToneKind::Ctcss;
        parts.value = cell;
    }
    return parts;
}

} // namespace exchange
