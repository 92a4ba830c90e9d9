#pragma once
// What every section page is written with: the texts in the language of the
// report, the page title in the title font and everything else in the body
// font, at positions in multiples of W and L'.

#include "model/text_catalogue.h"
#include "report/page_scale.h"
#include "report/report_page.h"

#include <string>

namespace report {

class PageWriter {
public:
    PageWriter(ReportPage& page, const PageScale& scale, const TextCatalogue& texts)
        : m_page(page), m_scale(scale), m_texts(texts) {}

    const PageScale& Scale() const { return m_scale; }
    // Whether the report is in Chinese: the fields' item words, kept in both
    // languages, are printed in its language.
    bool Chinese() const { return m_texts.bChinese(); }
    // A text of the catalogue in the report's language.
    std::string Tr(const char* context, const char* source) const {
        return m_texts.Tr(context, source);
    }
    std::string Tr(const char* context, const char* source, const char* disambiguation) const {
        return m_texts.Tr(context, source, disambiguation);
    }
    std::string Tr(const TextId& id) const { return m_texts.Tr(id); }

    // The page title at (6 W, -L).
    void Title(std::string text) {
        m_page.Text(6 * m_scale.W, -m_scale.L, std::move(text), m_scale.title);
    }
    // Body text at x = column W, y in twips.
    void At(int column, int y, std::string text) {
        m_page.Text(column * m_scale.W, y, std::move(text), m_scale.body);
    }
    // Body text at x = column W, y = -line L'.
    void Line(int column, int line, std::string text) {
        At(column, -line * m_scale.Lbody, std::move(text));
    }
    void Rule(int x1, int y1, int x2, int y2) { m_page.Rule(x1, y1, x2, y2); }

private:
    ReportPage& m_page;
    const PageScale& m_scale;
    const TextCatalogue& m_texts;
};

} // namespace report
