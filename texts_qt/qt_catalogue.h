#pragma once
// The catalogue of a language as Qt holds it: the translation set
// <Language>.qm beside the program. The window, the command line and the
// report all read their texts through it; Qt's tr() in the windows reads the
// same set once the window program installs it.

#include "model/text_catalogue.h"

#include <QString>
#include <QTranslator>

#include <memory>
#include <string>

class QtCatalogue final : public TextCatalogue {
public:
    // Loads <folder>/<language>.qm; Loaded() tells whether that worked. The
    // language "Chinese" (exactly) is the Chinese catalogue (bChinese).
    QtCatalogue(const QString& folder, const std::string& language);

    bool Loaded() const { return m_loaded; }
    // Makes this the window's catalogue: its set serves Qt's tr() of the
    // windows too, and AppTexts() is this catalogue until it is destroyed.
    void Install();
    ~QtCatalogue() override;

    std::string Translate(const char* context, const char* source,
                          const char* disambiguation) const override;

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_loaded = false;
};

// The catalogue the window program installed; the source texts before that
// (and in the command line, which hands its catalogue down instead).
const TextCatalogue& AppTexts();
