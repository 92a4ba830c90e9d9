#pragma once
// The report written as a PDF file: real text with the fonts embedded, on
// A4 or Letter paper. The file is written whole or not at all: a path that
// cannot be written gets the message a save would give, and no partial file
// is left behind.

#include "model/dat_file.h"
#include "report/print_sections.h"
#include "report/report_input.h"

#include <QPageSize>
#include <string>

namespace report_qt {

// The PDF's bytes, with title as the PDF's title when given; an empty array
// when the job has no page.
QByteArray ReportPdfBytes(const report::ReportInput& input, const report::SectionFlags& selected,
                          const QPageSize& pageSize, const QString& title = {});

// Writes the report to path. A job that paints no page (callers tell the
// user about an empty selection first) is not written and is a failure.
FileResult WriteReportPdf(const std::string& path, const report::ReportInput& input,
                          const report::SectionFlags& selected, const QPageSize& pageSize,
                          const QString& title = {});

} // namespace report_qt
