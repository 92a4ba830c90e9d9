#pragma once
// Column layout of the channel grid and the screen-scaling arithmetic: the
// width of every column is a factor of the label column's base width, and
// the whole view grows with screens wider than 800 pixels.

#include <array>

// Width of the label column's base (the factors below multiply it), pixels.
inline constexpr int kGridBaseWidth = 110;
// Grid columns including the label column 0.
inline constexpr int kGridColumns = 10;
inline constexpr std::array<double, kGridColumns> kColumnWidthFactors = {
    0.5, 1.06, 1.06, 1.1, 1.1, 1.08, 0.7, 0.86, 0.8, 1.05};

// Screens at most this wide are never scaled.
inline constexpr int kScaleThresholdWidth = 800;
// The width the layout was drawn for.
inline constexpr int kDesignScreenWidth = 1024;

// Width of grid column col (0..9) before any screen scaling.
int ColumnBaseWidth(int col);

// Scale factor at set-up for a screen `screenWidth` pixels wide: width/1024
// above 800 pixels, otherwise 1 (no scaling).
double SetupScale(int screenWidth);

// Scale factor when the screen changes from `storedWidth` to `newWidth`;
// 1 (no change) when the new width is 800 pixels or less.
double DisplayChangeScale(int storedWidth, int newWidth);

// A length multiplied by a scale factor, truncated toward zero.
int ScaleLength(int length, double scale);

// Widths of the label column and the nine data columns.
using ColumnWidths = std::array<int, kGridColumns>;

// The widths the grid shows in `available` pixels, each at least its
// `least` width (the room its texts need): the widths as given when they fit;
// otherwise what every column has above its least width is cut in the same
// proportion, so that every column stays in sight without horizontal
// scrolling; when even the least widths do not fit, those (the grid then
// scrolls sideways rather than cut a text). An available width of 0 or less
// leaves them as given.
ColumnWidths FitColumnWidths(const ColumnWidths& widths, const ColumnWidths& least, int available);
