// The MSK page: the radio's own ID and its call list of nine IDs, as the MSK
// dialog shows them.

#include "model/fields/msk_fields.h"
#include "report/section_renderers.h"

namespace report {

void DrawMskPage(const ReportInput& input, PageWriter& out) {
    const fields::FieldPage& msk = msk::Page();
    const int W = out.Scale().W;
    const int Lb = out.Scale().Lbody;
    out.Title(out.Tr("ReportMsk", "MSK"));
    out.Line(6, 4, out.Tr("ReportMsk", "ID Code:"));
    out.Line(15, 4, msk.Field("id_code").load(input.image).text);
    out.Line(6, 6, out.Tr("ReportMsk", "CallList"));
    out.Line(9, 7, out.Tr("ReportMsk", "Num"));
    out.Line(16, 7, out.Tr("ReportMsk", "CallList"));
    out.Rule(8 * W, -8 * Lb + 25, 25 * W, -8 * Lb + 25);
    out.Rule(14 * W, 25 - 7 * Lb, 14 * W, -17 * Lb - 50);
    for (int t = 1; t <= 9; ++t) {
        const int y = -(t + 7) * Lb - 25;
        out.At(10, y, std::to_string(t));
        out.At(17, y, msk.Field("call_list." + std::to_string(t)).load(input.image).text);
    }
}

} // namespace report
