#pragma once
// The least width of each column of the channel grid, so that nothing in it
// is cut: a data column takes its header and the widest value its cells can
// hold (every item of its list, or a full-length text of its edit) in the
// font its cells show; the label column takes the corner's header and the
// row labels.

#include "grid/grid_layout.h"

class CellEditors;
class ChannelGrid;

ColumnWidths ColumnTextWidths(const ChannelGrid& grid, const CellEditors& editors);
