#pragma once
// The one look of the program's grids: the channel grid and the list grids
// of the settings dialogs (DTMF and MSK call lists, 2-Tone encode list).
// Rows are as tall as their font needs, fixed cells (headers and row
// numbers) look like headers in the colour their grid is given, and the
// entries of a list that holds codes or names use a fixed-pitch face of the
// same size as the other texts. Selected and current cells are drawn by
// ui/current_cell_look.h.

#include <QColor>
#include <QFont>

class QString;
class QTableWidget;
class QTableWidgetItem;

// Text colour of the fixed cells of the dialogs' list grids.
inline const QColor kListFixedTextColour(0, 70, 213);

// A fixed-pitch face at the size of the application's font.
QFont FixedPitchFont();

// The height of a grid row that shows text in `font` (and in the fixed-pitch
// face) with a little room above and below.
int RowHeightFor(const QFont& font);

// A header or row-number cell of a list grid: centred, coloured, drawn on
// the header background, neither selectable nor editable, not greyed.
QTableWidgetItem* NewFixedCell(const QString& text);

// Rows as tall as the table's font needs, and a table tall enough to show
// all its rows without scrolling where the screen has room for them beside
// `reservedHeight` pixels of the rest of its window; as many rows as fit
// otherwise.
void FitHeightToRows(QTableWidget* table, int reservedHeight);
