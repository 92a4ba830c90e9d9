#pragma once
// Exact conversion between GBK (channel names in the image, old settings
// files) and UTF-8 (everything the program shows), through the C library's
// iconv converter.
//
// Bytes of a GBK text that do not form a GBK character are kept as the private
// code points U+F700 + byte, and such a code point converts back to that byte,
// so any byte string survives a round trip through UTF-8 unchanged.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// GBK bytes to UTF-8 (never fails; see above for bytes that are no character).
std::string GbkToUtf8(std::string_view gbk);
// UTF-8 to GBK; nullopt when the text is not valid UTF-8 or holds a character
// that GBK cannot represent.
std::optional<std::string> Utf8ToGbkExact(std::string_view utf8);
// UTF-8 to GBK; each character GBK cannot represent and each invalid UTF-8
// byte becomes "?".
std::string Utf8ToGbk(std::string_view utf8);
// Number of GBK bytes of a UTF-8 text (as Utf8ToGbk converts it).
std::size_t GbkByteLength(std::string_view utf8);
// The longest leading part of a UTF-8 text whose GBK form has at most
// maxBytes bytes, cut between characters only.
std::string TruncateToGbkBytes(std::string_view utf8, std::size_t maxBytes);
// True when text is valid UTF-8.
bool IsValidUtf8(std::string_view text);
