#pragma once
// What every section page shares: the input of the report, the texts in the
// language of the report, and a writer that puts the page title in the title
// font and everything else in the body font.

#include "model/channel_table.h"
#include "model/radio_image.h"
#include "report/page_scale.h"
#include "report/report_page.h"

#include <string>

namespace report {

struct ReportInput {
    const RadioImage& image;
    // The texts of the channel grid's cells.
    const ChannelTable& channels;
    bool chinese = false;
    // The footer's owner text ("Copyrights Owner" of the language's section).
    std::string owner;
};

// The English or the Chinese text of a pair.
inline const char* Pick(bool chinese, const char* english, const char* chineseText) {
    return chinese ? chineseText : english;
}

class PageWriter {
public:
    PageWriter(ReportPage& page, const PageScale& scale, bool chinese)
        : m_page(page), m_scale(scale), m_chinese(chinese) {}

    const PageScale& Scale() const { return m_scale; }
    bool Chinese() const { return m_chinese; }
    const char* Tr(const char* english, const char* chinese) const {
        return Pick(m_chinese, english, chinese);
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

// The section bodies, each drawn into its page.
void DrawDtmfPage(const ReportInput& input, PageWriter& out);
void DrawMskPage(const ReportInput& input, PageWriter& out);
void DrawOptionalPage(const ReportInput& input, PageWriter& out);
void DrawTwoToneDecodePage(const ReportInput& input, PageWriter& out);
void DrawTwoToneEncodePage(const ReportInput& input, PageWriter& out);
// Channel page k (1..): non-empty channels 5k-4 .. 5k.
void DrawChannelPage(const ReportInput& input, int channelPage, PageWriter& out);

} // namespace report
