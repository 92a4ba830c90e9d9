#include "model/display_words.h"

namespace {

struct WordPair {
    const char* english;
    const char* chinese;
};

// Indexed by Word. The words stay here in both languages, not in the
// catalogue: they are values that a typed cell, a paste, an import and a
// set command accept in either language whatever the language in use.
constexpr WordPair kWords[] = {
    {"None", "无"}, {"High", "高"}, {"Low", "低"}, {"Wide", "宽"},      {"Narrow", "窄"},
    {"Yes", "是"},  {"No", "否"},   {"Off", "关"}, {"Carrier", "载波"}, {"QT/DQT", "QT/DQT"},
};

} // namespace

const char* WordText(Word word, bool chinese) {
    const WordPair& pair = kWords[static_cast<int>(word)];
    return chinese ? pair.chinese : pair.english;
}

bool IsWord(std::string_view text, Word word) {
    return text == WordText(word, false) || text == WordText(word, true);
}
