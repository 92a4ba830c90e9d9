#include "tests/texts/test_catalogues.h"

#include "model/display_words.h"
#include "model/fields/settings_groups.h"
#include "texts_qt/qt_catalogue.h"

#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

namespace {

const TextCatalogue& Loaded(const QString& path) {
    const QFileInfo file(path);
    static std::vector<std::unique_ptr<QtCatalogue>> kept;
    kept.push_back(
        std::make_unique<QtCatalogue>(file.absolutePath(), file.completeBaseName().toStdString()));
    if (!kept.back()->Loaded()) {
        throw std::runtime_error("cannot load " + path.toStdString());
    }
    return *kept.back();
}

} // namespace

const TextCatalogue& ChineseTexts() {
    static const TextCatalogue& chinese = Loaded(QStringLiteral(PROGRAM_BIN_DIR "/Chinese.qm"));
    return chinese;
}

std::unique_ptr<QtCatalogue> InstallChinese() {
    auto chinese = std::make_unique<QtCatalogue>(QStringLiteral(PROGRAM_BIN_DIR), "Chinese");
    if (!chinese->Loaded()) {
        throw std::runtime_error("Chinese.qm is missing in " PROGRAM_BIN_DIR);
    }
    chinese->Install();
    return chinese;
}

const TextCatalogue& PseudoTexts() {
    static const TextCatalogue& pseudo = Loaded(QStringLiteral(PROGRAM_PSEUDO_QM));
    return pseudo;
}

std::string PseudoSetPath() {
    return PROGRAM_PSEUDO_QM;
}

std::string Unmarked(std::string text) {
    // Innermost first: "[[" with no "[[" before its "]]".
    for (;;) {
        const std::size_t close = text.find("]]");
        const std::size_t open = close == std::string::npos ? close : text.rfind("[[", close);
        if (open == std::string::npos) {
            return text;
        }
        text.erase(open, close + 2 - open);
    }
}

bool HasLetters(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) != 0; });
}

bool IsListWord(const std::string& text) {
    static const std::set<std::string> words = [] {
        std::set<std::string> all;
        for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
            for (const fields::FieldPage* page : group.pages) {
                for (const fields::FieldSpec& spec : page->fields) {
                    for (const fields::ItemText& item : spec.items) {
                        all.insert(item.english);
                        all.insert(item.chinese);
                    }
                }
            }
        }
        for (int word = 0; word <= static_cast<int>(Word::ToneLock); ++word) {
            for (const bool chinese : {false, true}) {
                all.insert(WordText(static_cast<Word>(word), chinese));
            }
        }
        return all;
    }();
    return words.contains(text);
}
