#include "model/gbk.h"

#include <iconv.h>

#include <cstdint>

namespace {

constexpr char32_t kEscapeBase = 0xF700; // U+F780..U+F7FF hold the bytes 0x80..0xFF

// One iconv conversion direction, opened once per thread.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in, or returns nullopt when any of it does not convert.
    std::optional<std::string> Convert(std::string_view in) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string input(in);
        char out[32];
        char* inPtr = input.data();
        std::size_t inLeft = input.size();
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 ||
            iconv(m_cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        return std::string(out, static_cast<std::size_t>(outPtr - out));
    }

private:
    iconv_t m_cd;
};

Converter& GbkToUtf8Converter() {
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
}

Converter& Utf8ToGbkConverter() {
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Length of the valid UTF-8 sequence at the start of s, 0 when there is none
// (bad lead byte, bad continuation, overlong form, surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view s, char32_t& cp) {
    const auto byte = [&s](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t len = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < len) {
        return 0;
    }
    for (std::size_t i = 1; i < len; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) {
        return 0;
    }
    return len;
}

// GBK bytes of the one character at the start of utf8 (length len, code
// point cp), or nullopt when GBK has no such character.
std::optional<std::string> CharToGbk(std::string_view utf8, std::size_t len, char32_t cp) {
    if (cp < 0x80) {
        return std::string(1, static_cast<char>(cp));
    }
    if (cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF) {
        return std::string(1, static_cast<char>(cp - kEscapeBase));
    }
    return Utf8ToGbkConverter().Convert(utf8.substr(0, len));
}

// Walks a UTF-8 text character by character; an invalid byte is passed as a
// one-byte step with ok false. Calls f(step, gbkOrNullopt) and stops when f
// returns false.
template <typename F> void ForEachChar(std::string_view utf8, F f) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const std::size_t len = Utf8SequenceLength(utf8.substr(i), cp);
        if (len == 0) {
            if (!f(utf8.substr(i, 1), std::optional<std::string>())) {
                return;
            }
            ++i;
            continue;
        }
        if (!f(utf8.substr(i, len), CharToGbk(utf8.substr(i), len, cp))) {
            return;
        }
        i += len;
    }
}

} // namespace

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    std::size_t i = 0;
    while (i < gbk.size()) {
        const auto lead = static_cast<std::uint8_t>(gbk[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        // A character of one or two bytes, taken only when it converts back
        // to the same bytes; anything else is kept as an escaped byte.
        bool taken = false;
        for (std::size_t len = 1; len <= 2 && i + len <= gbk.size() && !taken; ++len) {
            const std::string_view bytes = gbk.substr(i, len);
            const std::optional<std::string> utf8 = GbkToUtf8Converter().Convert(bytes);
            if (utf8 && Utf8ToGbkExact(*utf8) == std::string(bytes)) {
                out += *utf8;
                i += len;
                taken = true;
            }
        }
        if (!taken) {
            AppendUtf8(out, kEscapeBase + lead);
            ++i;
        }
    }
    return out;
}

std::optional<std::string> Utf8ToGbkExact(std::string_view utf8) {
    std::string out;
    bool ok = true;
    ForEachChar(utf8, [&](std::string_view, const std::optional<std::string>& gbk) {
        if (!gbk) {
            ok = false;
            return false;
        }
        out += *gbk;
        return true;
    });
    if (!ok) {
        return std::nullopt;
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::string out;
    ForEachChar(utf8, [&](std::string_view, const std::optional<std::string>& gbk) {
        out += gbk ? *gbk : std::string("?");
        return true;
    });
    return out;
}

std::size_t GbkByteLength(std::string_view utf8) {
    return Utf8ToGbk(utf8).size();
}

std::string TruncateToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    std::size_t used = 0;
    ForEachChar(utf8, [&](std::string_view step, const std::optional<std::string>& gbk) {
        const std::size_t size = gbk ? gbk->size() : 1;
        if (used + size > maxBytes) {
            return false;
        }
        used += size;
        out += step;
        return true;
    });
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t len = Utf8SequenceLength(text.substr(i), cp);
        if (len == 0) {
            return false;
        }
        i += len;
    }
    return true;
}
