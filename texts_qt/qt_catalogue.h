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
    // Makes its set serve Qt's tr() of the windows too, until it is
    // destroyed. The program hands the catalogue itself down (its context).
    void Install();
    ~QtCatalogue() override;

    std::string Translate(const char* context, const char* source,
                          const char* disambiguation) const override;

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_loaded = false;
    bool m_installed = false;
};
