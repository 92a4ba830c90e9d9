#pragma once
// The units every report page is laid out in. H and W divide the printable
// area into 45 lines and 66 columns; the title (and frame) font is H high and
// W wide on average, the body font 0.8 of both. L and L' are the line heights
// of these two fonts (character height plus external leading), which only
// the font itself can tell: they come through FontMetrics, implemented by
// the painter's toolkit (and by a fixed stand-in in tests).

#include "report/report_page.h"

namespace report {

class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // Height plus external leading of the font, in twips.
    virtual int LineHeight(const FontRequest& font) const = 0;
};

// The printable area in twips: device pixels x 1440 / pixels per inch, each
// axis by its own resolution.
struct PrintableSize {
    int width = 0;
    int height = 0;
};

struct PageScale {
    int H = 0;
    int W = 0;
    FontRequest title; // also the frame's and the footer's font
    FontRequest body;
    int L = 0;    // line height of the title font
    int Lbody = 0; // line height of the body font (L')
};

// H = height / 45, W = width / 66 (integer division), the body font 0.8 of
// both (cut to integers).
PageScale MakePageScale(PrintableSize size, const FontMetrics& metrics);

} // namespace report
