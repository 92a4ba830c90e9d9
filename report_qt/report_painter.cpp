#include "report_qt/report_painter.h"

#include "report/report_layout.h"
#include "report_qt/report_fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <map>

namespace report_qt {
namespace {

constexpr int kTwipsPerInch = 1440;

// The page's y axis runs upwards; the painter's downwards.
QPointF ToPainter(int x, int y) {
    return {static_cast<qreal>(x), static_cast<qreal>(-y)};
}

} // namespace

report::PrintableSize PrintableTwips(const QPaintDevice& device) {
    const int dpiX = std::max(1, device.logicalDpiX());
    const int dpiY = std::max(1, device.logicalDpiY());
    return {device.width() * kTwipsPerInch / dpiX, device.height() * kTwipsPerInch / dpiY};
}

void PaintPage(QPainter& painter, const report::ReportPage& page) {
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(static_cast<qreal>(device->logicalDpiX()) / kTwipsPerInch,
                  static_cast<qreal>(device->logicalDpiY()) / kTwipsPerInch);
    painter.setPen(QPen(Qt::black, 0));
    for (const report::RuleItem& rule : page.rules) {
        painter.drawLine(ToPainter(rule.x1, rule.y1), ToPainter(rule.x2, rule.y2));
    }
    // Fonts are made once per request of the page.
    std::map<std::pair<int, int>, QFont> fonts;
    for (const report::TextItem& item : page.texts) {
        if (item.text.empty()) {
            continue;
        }
        const auto key = std::make_pair(item.font.height, item.font.averageWidth);
        auto it = fonts.find(key);
        if (it == fonts.end()) {
            it = fonts.emplace(key, ReportFont(item.font)).first;
        }
        painter.setFont(it->second);
        // The item's point is the text's top-left corner; Qt draws from the
        // baseline.
        const qreal ascent = QFontMetricsF(it->second).ascent();
        painter.drawText(ToPainter(item.x, item.y) + QPointF(0, ascent),
                         QString::fromStdString(item.text));
    }
    painter.restore();
}

int PaintReport(QPagedPaintDevice& device, const report::ReportInput& input,
                const report::SectionFlags& selected, int first, int last) {
    const std::vector<report::ReportPage> pages =
        report::LayOutReport(input, selected, PrintableTwips(device), ReportFontMetrics());
    const int total = static_cast<int>(pages.size());
    const int from = std::max(1, first);
    const int to = last > 0 ? std::min(last, total) : total;
    if (from > to) {
        return 0;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    for (int page = from; page <= to; ++page) {
        if (page > from) {
            device.newPage();
        }
        PaintPage(painter, pages[static_cast<std::size_t>(page - 1)]);
    }
    painter.end();
    return to - from + 1;
}

} // namespace report_qt
