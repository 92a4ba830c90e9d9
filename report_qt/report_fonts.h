#pragma once
// The report's one face at the sizes the pages request. The family asked for
// is "Times New Roman"; where it is missing, its metric-compatible substitute
// Liberation Serif, and a CJK face for Chinese glyphs. Sizes are in twips,
// drawn on a painter whose unit is the twip: the character height is the
// font's pixel size and the average width is approached by stretching.

#include "report/page_scale.h"

#include <QFont>

namespace report_qt {

QFont ReportFont(const report::FontRequest& request);

// Line heights of ReportFont: height plus leading, in twips.
class ReportFontMetrics : public report::FontMetrics {
public:
    int LineHeight(const report::FontRequest& font) const override;
};

} // namespace report_qt
