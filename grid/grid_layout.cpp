#include "grid/grid_layout.h"

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
