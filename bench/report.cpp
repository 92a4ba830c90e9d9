// The full report of a document with 129 channels (31 pages): laid out, and
// laid out and written as a PDF; and a print preview widget from its start
// to its first page on screen (the preview lays out and paints the whole job
// before it shows a page). Prints the median of several runs; never fails.

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "report/report_layout.h"
#include "report_qt/report_fonts.h"
#include "report_qt/report_painter.h"
#include "report_qt/report_pdf.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    const FrequencyBytes mhz145 = FrequencyTextToBytes("145.00000");
    for (int n = 0; n < layout::kChannelRecordCount; ++n) {
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(n) + layout::kRecRx);
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(n) + layout::kRecTx);
    }
    ChannelTable table;
    BandPlan bands;
    DecodeChannels(image, table, bands, false);
    const report::ReportInput input{image, table, SourceTexts(), "Owner"};
    const report::SectionFlags all = {true, true, true, true, true};
    const QPageSize a4(QPageSize::A4);

    std::size_t pages = 0;
    const double layOut = MedianSeconds(5, [&] {
        pages =
            report::LayOutReport(input, all, {10800, 15840}, report_qt::ReportFontMetrics()).size();
    });
    std::size_t bytes = 0;
    const double pdf =
        MedianSeconds(5, [&] { bytes = report_qt::ReportPdfBytes(input, all, a4).size(); });
    QPrinter printer;
    printer.setPageSize(a4);
    const double preview = MedianSeconds(5, [&] {
        QPrintPreviewWidget widget(&printer);
        QObject::connect(&widget, &QPrintPreviewWidget::paintRequested,
                         [&](QPrinter* target) { report_qt::PaintReport(*target, input, all); });
        widget.resize(800, 1000);
        widget.show();
        widget.updatePreview();
        QCoreApplication::processEvents();
    });
    std::printf("report of 129 channels: %zu pages\n", pages);
    std::printf("layout only:                %.1f ms\n", 1000 * layOut);
    std::printf("layout and PDF:             %.1f ms (%zu bytes)\n", 1000 * pdf, bytes);
    std::printf("preview to its first page:  %.1f ms\n", 1000 * preview);
    return 0;
}
