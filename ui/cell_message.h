#pragma once
// The messages of the grid's entry checks: a string-table text with a
// string-table caption, in the language in use, with a stop or an
// exclamation icon. Kept apart from the grid so that the grid's editing
// rules and the message service need not meet in one file.

class QString;
class QWidget;

// A string-table text in the language in use (the Chinese set translates the
// English text in context "StringTable").
QString StringTableString(int id);

void ShowCellMessage(QWidget* parent, int messageId, int captionId, bool stopIcon);
