#pragma once
// The words the channel table shows, in English and Chinese. The decode writes
// the word of the language in use; the encode accepts either language's word.

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
// The word in the language in use (g_bChinese).
const char* CurrentWord(Word word);
// True when text is exactly the English or the Chinese word (case-sensitive).
bool IsWord(std::string_view text, Word word);
