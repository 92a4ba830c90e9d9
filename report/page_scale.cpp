#include "report/page_scale.h"

namespace report {

PageScale MakePageScale(PrintableSize size, const FontMetrics& metrics) {
    PageScale s;
    s.H = size.height / 45;
    s.W = size.width / 66;
    s.title = {s.H, s.W};
    // 0.8 of each, cut: in integers so that no rounding of 0.8 creeps in.
    s.body = {s.H * 8 / 10, s.W * 8 / 10};
    s.L = metrics.LineHeight(s.title);
    s.Lbody = metrics.LineHeight(s.body);
    return s;
}

} // namespace report
