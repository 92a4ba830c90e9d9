// The full report of a document with 129 channels (31 pages): laid out, and
// laid out and written as a PDF; and the first page alone painted, as the
// preview shows it first. Prints the median of several runs; never fails.

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "print/report_fonts.h"
#include "print/report_painter.h"
#include "print/report_pdf.h"
#include "report/report_layout.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
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
    QGuiApplication app(argc, argv);
    RadioImage image;
    FillNewDocumentImage(image);
    for (int n = 0; n < layout::kChannelRecordCount; ++n) {
        const std::uint8_t bcd[] = {0x00, 0x00, 0x50, 0x14};
        std::copy(bcd, bcd + 4, image.data() + layout::ChannelRecord(n));
        std::copy(bcd, bcd + 4, image.data() + layout::ChannelRecord(n) + 4);
    }
    ChannelTable table{};
    DecodeChannels(image, table);
    const report::ReportInput input{image, table, false, "Owner"};
    const report::SectionFlags all = {true, true, true, true, true};
    const QPageSize a4(QPageSize::A4);

    std::size_t pages = 0;
    const double layOut = MedianSeconds(5, [&] {
        pages = report::LayOutReport(input, all, {10800, 15840}, print::ReportFontMetrics()).size();
    });
    std::size_t bytes = 0;
    const double pdf = MedianSeconds(5, [&] { bytes = print::ReportPdfBytes(input, all, a4).size(); });
    const double firstPage = MedianSeconds(5, [&] {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(a4);
        print::PaintReport(writer, input, all, 1, 1);
    });
    std::printf("report of 129 channels: %zu pages\n", pages);
    std::printf("layout only:        %.3f s\n", layOut);
    std::printf("layout and PDF:     %.3f s (%zu bytes)\n", pdf, bytes);
    std::printf("first page painted: %.3f s\n", firstPage);
    return 0;
}
