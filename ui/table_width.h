#pragma once
// The list grids of the settings dialogs show all their columns: a grid is
// made at least as wide as its columns, its frame and its vertical scroll
// bar, so that no column is cut off behind a horizontal scroll bar.

class QTableWidget;
class QWidget;

// The share of its design widths a list grid takes: 1 on a screen at least
// as wide as the 1024 pixels the dialogs were laid out for, the screen's
// share of them on a narrower one (a scaled desktop), so that the dialog
// stays on the screen; the columns are then widened to their texts.
double NarrowScreenShare(const QWidget* widget);

// Call after the column widths are set.
void FitWidthToColumns(QTableWidget* table);
