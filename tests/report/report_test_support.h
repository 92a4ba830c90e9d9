#pragma once
// What the report tests share: fonts with fixed metrics (line height 1.15
// of the character height, as the report's serif face has), an A4-sized
// printable area, channel tables with chosen non-empty rows, and lookups of
// the items of a laid-out page.

#include "model/channel_table.h"
#include "model/radio_image.h"
#include "report/page_scale.h"
#include "report/report_layout.h"
#include "tests/texts/test_catalogues.h"

#include <string>
#include <vector>

namespace report_test {

class FixedMetrics : public report::FontMetrics {
public:
    int LineHeight(const report::FontRequest& font) const override { return font.height * 23 / 20; }
};

// 7.5 x 11 inches: H = 352, W = 163.
inline constexpr report::PrintableSize kPrintable{10800, 15840};

report::PageScale Scale();

// A table whose rows `rows` have a receive frequency (and a name "CHn").
ChannelTable TableWithRows(const std::vector<int>& rows);
ChannelTable TableWithFirstRows(int count);

// Lays out printed page `page` of a job.
report::ReportPage Page(const RadioImage& image, const ChannelTable& table,
                        const report::SectionFlags& selected, int page, bool chinese = false);
// The page of one section page kind alone.
report::ReportPage SectionAlone(const RadioImage& image, report::Section section,
                                bool chinese = false, int page = 1,
                                const ChannelTable& table = ChannelTable());

// The first text item reading exactly text; null when there is none.
const report::TextItem* FindText(const report::ReportPage& page, const std::string& text);
// The text at (x, y); "<none>" when no item stands there.
std::string TextAt(const report::ReportPage& page, int x, int y);
// The text in the value column beside the label (same y, at valueX).
std::string ValueBeside(const report::ReportPage& page, const std::string& label, int valueX);

} // namespace report_test
