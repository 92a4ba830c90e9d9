#include "settings/profile_text.h"

#include "model/gbk.h"

namespace {

bool isProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isCommentStart(char c) {
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isGbkLead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

} // namespace

std::string_view TrimProfileSpace(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isProfileSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isProfileSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

ProfileLine ParseProfileLine(std::string_view line) {
    ProfileLine result;
    const std::string_view text = TrimProfileSpace(line);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        result.kind = ProfileLine::Kind::Header;
        result.name = std::string(text.substr(1, text.size() - 2));
        return result;
    }
    std::string_view key = text;
    std::string_view value;
    if (const auto eq = text.find('='); eq != std::string_view::npos) {
        key = TrimProfileSpace(text.substr(0, eq));
        value = TrimProfileSpace(text.substr(eq + 1));
    }
    if (key.empty() || isCommentStart(key.front())) {
        return result;
    }
    result.kind = ProfileLine::Kind::Entry;
    result.name = std::string(key);
    result.value = std::string(value);
    return result;
}

std::string CutProfileComment(std::string value) {
    for (const char* marker : {"//", "\t;", "/*"}) {
        if (const auto at = value.find(marker); at != std::string::npos) {
            value.erase(at);
        }
    }
    return value;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b, bool ignoreCase) {
    if (!ignoreCase || a.size() != b.size()) {
        return a == b;
    }
    const bool gbk = !(IsValidUtf8(a) && IsValidUtf8(b));
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (gbk && isGbkLead(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
            continue;
        }
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}
