#pragma once
// The texts the user sees have one home: the translation catalogue of each
// language (translations/*.ts, released into <Language>.qm). Code writes a
// text as its English source with a context, and turns it into the words of
// the language in use through the catalogue it was handed; nothing below the
// windows and the command line knows which language that is.
//
// lupdate collects both forms (translations/CMakeLists.txt gives the aliases):
//   TEXT_ID("Context", "Source")        a marked text kept for later
//   texts.Tr("Context", "Source")       the text in the catalogue's language

#include <string>
#include <string_view>
#include <vector>

// A marked text: its context and its English source.
struct TextId {
    const char* context = "";
    const char* source = "";

    bool operator==(const TextId& other) const;
};

// Marks a text for the catalogue where it stands (an lupdate alias of
// QT_TRANSLATE_NOOP).
#define TEXT_ID(context, source) (TextId{context, source})

class TextCatalogue {
public:
    virtual ~TextCatalogue() = default;

    // The text in this catalogue's language (UTF-8): the source itself when
    // the catalogue holds no translation of it. A disambiguation (null for
    // none) tells apart two meanings of one source in one context.
    virtual std::string Translate(const char* context, const char* source,
                                  const char* disambiguation) const = 0;

    std::string Tr(const char* context, const char* source) const {
        return Translate(context, source, nullptr);
    }
    std::string Tr(const char* context, const char* source, const char* disambiguation) const {
        return Translate(context, source, disambiguation);
    }
    std::string Tr(const TextId& id) const { return Translate(id.context, id.source, nullptr); }

    // True for the Chinese catalogue: the language flag bChinese. Tables that
    // keep the words of both languages side by side (the radio's lists, the
    // display words) are handed it as a parameter to choose by.
    bool bChinese() const { return m_bChinese; }

protected:
    explicit TextCatalogue(bool chinese) : m_bChinese(chinese) {}

private:
    bool m_bChinese;
};

// The source texts themselves: the English catalogue, with no file behind it.
const TextCatalogue& SourceTexts();

// The pattern with %1 ... %9 replaced by the arguments in one pass (an
// argument's own "%n" stays as it is); "%%" is not special.
std::string FormatText(std::string_view pattern, const std::vector<std::string>& args);
