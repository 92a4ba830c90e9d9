#pragma once
// The one message that reports the cells a paste refused: a line per cell
// naming its row and column and why, the grid's own message where the commit
// rules refused it. Long lists end with how many more were refused.

#include "model/cell_block.h"

#include <QString>
#include <vector>

// At most this many cells are listed one by one.
inline constexpr int kPasteReportLines = 15;

QString PasteReport(const std::vector<RefusedCell>& refused);
