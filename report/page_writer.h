#pragma once
// What every section page is written with: the texts in the language of the
// report, the page title in the title font and everything else in the body
// font, at positions in multiples of W and L'.

#include "report/page_scale.h"
#include "report/report_page.h"

#include <string>

namespace report {

class PageWriter {
public:
    PageWriter(ReportPage& page, const PageScale& scale, bool chinese)
        : m_page(page), m_scale(scale), m_chinese(chinese) {}

    const PageScale& Scale() const { return m_scale; }
    bool Chinese() const { return m_chinese; }
    // The English or the Chinese text of a pair.
    const char* Tr(const char* english, const char* chinese) const {
        return m_chinese ? chinese : english;
    }

    // The page title at (6 W, -L).
    void Title(const char* english, const char* chinese) {
        m_page.Text(6 * m_scale.W, -m_scale.L, Tr(english, chinese), m_scale.title);
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
    bool m_chinese;
};

} // namespace report
