#include "cli/show_sections.h"
#include "model/band.h"
#include "model/image_layout.h"

#include <QJsonArray>

void ShowBandSection(const RadioImage& image, const BandPlan& bands, QJsonObject& out) {
    QString hex;
    for (std::uint8_t b : bands.bandCode) {
        hex += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    out.insert("band_code", hex);
    QJsonArray limits;
    for (std::int32_t limit : {bands.band1Low, bands.band1High, bands.band2Low, bands.band2High}) {
        limits.append(static_cast<double>(limit) / kUnitsPerMhz);
    }
    out.insert("band_limits_mhz", limits);
    out.insert("model_index", image[layout::kModelIndex]);
}
