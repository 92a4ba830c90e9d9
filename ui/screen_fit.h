#pragma once
// Windows the program sizes itself (a first size, or one remembered from a
// larger screen or another scale) open whole on the screen they open on: no
// larger than its available area, less the title bar the window system adds,
// and inside that area.

#include <QSize>

class QWidget;

// Resizes the top-level window to size, or to as much of it as the
// available area of its screen holds, and moves it back inside that area
// where it would stand out.
void ResizeWithinScreen(QWidget& window, QSize size);
