#pragma once
// The catalogues as the programs load them, for tests: the Chinese set of
// the build's program folder, and the pseudo-language, which gives every
// text of the catalogue as "[[text]]" so that a text that escaped the
// catalogue shows without the marks.

#include "model/text_catalogue.h"
#include "texts_qt/qt_catalogue.h"

#include <memory>
#include <string>

const TextCatalogue& ChineseTexts();
const TextCatalogue& PseudoTexts();
// The Chinese catalogue installed for Qt's tr() for as long as it lives;
// what takes a catalogue is handed this one.
std::unique_ptr<QtCatalogue> InstallChinese();
// The pseudo-language's translation set (Pseudo.qm).
std::string PseudoSetPath();

// The text without its marked parts (nested ones included): what of it did
// not come from the catalogue.
std::string Unmarked(std::string text);

// Whether text is one of the words the radio's lists keep in both languages
// in the code (the fields' items, the display words): a value, not a text
// of the catalogue.
bool IsListWord(const std::string& text);

// Whether text holds a Latin letter: a word that escaped the catalogue,
// unless it is a value.
bool HasLetters(const std::string& text);
