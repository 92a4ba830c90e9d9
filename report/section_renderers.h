#pragma once
// The bodies of the six kinds of section page, each drawn into its page after
// the frame: labels and values in the body font below the title.

#include "report/page_writer.h"
#include "report/report_input.h"

namespace report {

void DrawDtmfPage(const ReportInput& input, PageWriter& out);
void DrawMskPage(const ReportInput& input, PageWriter& out);
void DrawOptionalPage(const ReportInput& input, PageWriter& out);
void DrawTwoToneDecodePage(const ReportInput& input, PageWriter& out);
void DrawTwoToneEncodePage(const ReportInput& input, PageWriter& out);
// Channel page k (1..): non-empty channels 5k-4 .. 5k.
void DrawChannelPage(const ReportInput& input, int channelPage, PageWriter& out);

} // namespace report
