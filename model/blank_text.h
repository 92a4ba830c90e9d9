#pragma once
// Blanks around a text, as spreadsheets and hand-written lists pad cells.

#include <string_view>

// text without the blanks (spaces, tabs) around it.
inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}
