#include "report/report_layout.h"

#include "report/section_renderers.h"

namespace report {
namespace {

void DrawFrame(const PageScale& s, ReportPage& page) {
    const int left = 5 * s.W;
    const int right = 60 * s.W;
    for (const int y : {-2 * s.L - 50, -2 * s.L - 120, s.L / 2 - 36 * s.L}) {
        page.Rule(left, y, right, y);
    }
}

void DrawFooter(const ReportInput& input, const PageScale& s, int page, int total,
                ReportPage& out) {
    const int y = -36 * s.L;
    out.Text(10 * s.W, y, input.owner, s.title);
    out.Text(45 * s.W, y,
             FormatText(input.texts.Tr("ReportFooter", "Page %1 of %2"),
                        {std::to_string(page), std::to_string(total)}),
             s.title);
}

} // namespace

ReportPage LayOutPage(const ReportInput& input, const PageScale& scale,
                      const SectionPages& pages, const SectionFlags& selected, int page) {
    ReportPage out;
    const std::optional<SectionPage> section = FindSectionPage(pages, selected, page);
    if (!section) {
        return out;
    }
    DrawFrame(scale, out);
    PageWriter writer(out, scale, input.texts);
    switch (section->kind) {
    case PageKind::Dtmf:
        DrawDtmfPage(input, writer);
        break;
    case PageKind::Msk:
        DrawMskPage(input, writer);
        break;
    case PageKind::Optional:
        DrawOptionalPage(input, writer);
        break;
    case PageKind::TwoToneDecode:
        DrawTwoToneDecodePage(input, writer);
        break;
    case PageKind::TwoToneEncode:
        DrawTwoToneEncodePage(input, writer);
        break;
    case PageKind::Channels:
        DrawChannelPage(input, section->channelPage, writer);
        break;
    }
    DrawFooter(input, scale, page, JobPageCount(pages, selected), out);
    return out;
}

std::vector<ReportPage> LayOutReport(const ReportInput& input, const SectionFlags& selected,
                                     PrintableSize size, const FontMetrics& metrics) {
    const PageScale scale = MakePageScale(size, metrics);
    const SectionPages pages = CountSectionPages(input.channels);
    const int total = JobPageCount(pages, selected);
    std::vector<ReportPage> result;
    result.reserve(static_cast<std::size_t>(total));
    for (int page = 1; page <= total; ++page) {
        result.push_back(LayOutPage(input, scale, pages, selected, page));
    }
    return result;
}

} // namespace report
