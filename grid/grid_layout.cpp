#include "grid/grid_layout.h"

#include <numeric>

int ColumnBaseWidth(int col) {
    return static_cast<int>(kGridBaseWidth * kColumnWidthFactors.at(static_cast<unsigned>(col)));
}

double SetupScale(int screenWidth) {
    if (screenWidth <= kScaleThresholdWidth) {
        return 1.0;
    }
    return static_cast<double>(screenWidth) / kDesignScreenWidth;
}

double DisplayChangeScale(int storedWidth, int newWidth) {
    if (newWidth <= kScaleThresholdWidth || storedWidth <= 0) {
        return 1.0;
    }
    return static_cast<double>(newWidth) / storedWidth;
}

int ScaleLength(int length, double scale) {
    return static_cast<int>(length * scale);
}

ColumnWidths FitColumnWidths(const ColumnWidths& widths, int available) {
    const long long total = std::accumulate(widths.begin(), widths.end(), 0LL);
    if (available <= 0 || total <= available) {
        return widths;
    }
    ColumnWidths fitted{};
    for (std::size_t col = 0; col < widths.size(); ++col) {
        fitted[col] = static_cast<int>(widths[col] * static_cast<long long>(available) / total);
    }
    return fitted;
}
