#pragma once
// Byte-string rules of the settings file: white space, line parsing, the
// comment cut of a value and the comparison of names.

#include <string>
#include <string_view>

// Removes leading and trailing space, tab, CR, LF, vertical tab and form feed.
std::string_view TrimProfileSpace(std::string_view text);

// What one line of a settings file holds.
struct ProfileLine {
    enum class Kind { Dropped, Header, Entry };
    Kind kind = Kind::Dropped;
    std::string name;  // section name (Header) or key (Entry)
    std::string value; // raw value (Entry), comments behind it included
};

// Parses one line (without its line end): a header "[name]" (name kept as it
// stands between the brackets), "key=value" split at the first "=", or a line
// that is dropped (empty key, or a key starting with ";", "/", "\" or "*").
ProfileLine ParseProfileLine(std::string_view line);

// Cuts a stored value at the first "//", then the first tab + ";", then the
// first "/*", each with everything behind it.
std::string CutProfileComment(std::string value);

// Compares two names. With ignoreCase, ASCII letters match either case; the
// bytes of a GBK double-byte character (text that is not UTF-8) are compared
// exactly, so a trail byte that looks like a letter is never case-folded.
bool ProfileNamesEqual(std::string_view a, std::string_view b, bool ignoreCase);
