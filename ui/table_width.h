#pragma once
// The list grids of the settings dialogs show all their columns: a grid is
// made at least as wide as its columns, its frame and its vertical scroll
// bar, so that no column is cut off behind a horizontal scroll bar.

class QTableWidget;

// Call after the column widths are set.
void FitWidthToColumns(QTableWidget* table);
