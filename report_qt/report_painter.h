#pragma once
// The one painter of report pages. A page's items are in twips with y
// upwards from the top-left corner of the printable area; the painter is set
// up once per page so that one unit is one twip and y runs downwards, and
// every item is drawn at (x, -y).

#include "report/page_scale.h"
#include "report/print_sections.h"
#include "report/report_input.h"
#include "report/report_page.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace report_qt {

// The printable area of the device in twips (pixels x 1440 / pixels per
// inch, each axis by its own resolution).
report::PrintableSize PrintableTwips(const QPaintDevice& device);

// Draws one page on the painter, whose origin is the printable area's corner.
void PaintPage(QPainter& painter, const report::ReportPage& page);

// Lays out the job for the device and paints pages first..last of it (0:
// from the first, to the last), each on a page of its own. Returns the number
// of pages painted; 0 when the job has none (nothing is drawn) or the device
// cannot be painted on.
int PaintReport(QPagedPaintDevice& device, const report::ReportInput& input,
                const report::SectionFlags& selected, int first = 0, int last = 0);

} // namespace report_qt
