#pragma once
// The words the channel table shows, in English and Chinese. The decode writes
// the word of the language it is handed; the encode accepts either language's
// word, so a table written in one language reads back in the other.

#include <string>
#include <string_view>

enum class Word {
    NoTone,
    High,
    Low,
    Wide,
    Narrow,
    Yes,
    No,
    Off,
    Carrier,
    ToneLock, // "QT/DQT" in both languages
};

// The word in English (chinese false) or Chinese (chinese true), UTF-8.
const char* WordText(Word word, bool chinese);
// True when text is exactly the English or the Chinese word (case-sensitive).
bool IsWord(std::string_view text, Word word);
