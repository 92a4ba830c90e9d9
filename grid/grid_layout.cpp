#include "grid/grid_layout.h"

#include <algorithm>
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

ColumnWidths FitColumnWidths(const ColumnWidths& widths, const ColumnWidths& least, int available) {
    ColumnWidths wanted{};
    for (std::size_t col = 0; col < widths.size(); ++col) {
        wanted[col] = std::max(widths[col], least[col]);
    }
    const long long total = std::accumulate(wanted.begin(), wanted.end(), 0LL);
    const long long leastTotal = std::accumulate(least.begin(), least.end(), 0LL);
    if (available <= 0 || total <= available) {
        return wanted;
    }
    if (leastTotal >= available) {
        return least;
    }
    const long long room = available - leastTotal;
    const long long surplus = total - leastTotal;
    ColumnWidths fitted{};
    for (std::size_t col = 0; col < widths.size(); ++col) {
        fitted[col] = least[col] + static_cast<int>((wanted[col] - least[col]) * room / surplus);
    }
    return fitted;
}
