#pragma once
// A whole report job as pages of drawing items: every page has its frame
// (three rules), the body of its section page and the footer (the owner text
// and "Page n of total").

#include "report/page_scale.h"
#include "report/report_input.h"
#include "report/print_sections.h"
#include "report/report_page.h"

#include <vector>

namespace report {

// Printed page `page` (1..total) of a job of `total` pages.
ReportPage LayOutPage(const ReportInput& input, const PageScale& scale,
                      const SectionPages& pages, const SectionFlags& selected, int page);

// Every page of the job; none when no section is selected. The channel
// pages are counted from input.channels now.
std::vector<ReportPage> LayOutReport(const ReportInput& input, const SectionFlags& selected,
                                     PrintableSize size, const FontMetrics& metrics);

} // namespace report
