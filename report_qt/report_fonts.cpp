#include "report_qt/report_fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace report_qt {

QFont ReportFont(const report::FontRequest& request) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, request.height));
    if (request.averageWidth > 0) {
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) {
            const int stretch =
                static_cast<int>(std::lround(100.0 * request.averageWidth / natural));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return font;
}

int ReportFontMetrics::LineHeight(const report::FontRequest& font) const {
    if (font.height <= 0) {
        return 0;
    }
    const QFontMetricsF metrics(ReportFont(font));
    return static_cast<int>(std::lround(metrics.height() + metrics.leading()));
}

} // namespace report_qt
