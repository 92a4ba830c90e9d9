#pragma once
// The list of the Compare With dialog as the user narrows and copies it.

class QString;
class QTableWidget;

// Shows the rows with a cell that holds filter (without regard to case) and
// hides the others; an empty filter shows every row. Returns how many rows
// are shown.
int ShowMatchingRows(QTableWidget& table, const QString& filter);

// The column titles, then every shown row, one line each, cells separated by
// tabs: the text Copy puts on the clipboard.
QString ShownRowsText(const QTableWidget& table);
