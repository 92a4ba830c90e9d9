#pragma once
// The tone cells of the channel table taken apart and put together: a CTCSS
// tone ("88.5") or a DCS code with its polarity ("D023N", "D023I"), always
// one of the tone list's entries.

#include <optional>
#include <string>
#include <string_view>

namespace exchange {

enum class ToneKind { None, Ctcss, Dcs };

struct ToneParts {
    ToneKind kind = ToneKind::None;
    std::string value;     // "88.5" for CTCSS, the three octal digits for DCS
    bool inverted = false; // DCS polarity
};

// The tone list's CTCSS entry for a frequency in hertz ("88.5", "88.50",
// " 88.5 "); nullopt when the list has no such tone.
std::optional<std::string> CtcssCell(std::string_view hertz);
// The tone list's DCS entry for a code ("23", "023") and polarity; nullopt
// when the list has no such code.
std::optional<std::string> DcsCell(std::string_view code, bool inverted);

// A tone cell's parts; a cell that is no entry of the list (the no-tone word,
// empty) has kind None.
ToneParts SplitToneCell(std::string_view cell);

} // namespace exchange
