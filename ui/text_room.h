#pragma once
// Widths that give a text the room it needs in the style in use. A width
// fixed in pixels cuts texts whose length depends on the language, the
// font and the screen's scale; these widths follow the font's metrics and
// the style's margins instead.

class QAbstractItemView;
class QFont;
class QHeaderView;
class QLineEdit;
class QString;

// Length limits above this are no real length (an edit's default is 32767):
// such a control is sized by its layout alone.
inline constexpr int kLongestSizedText = 64;

// The width of a header section that shows text whole.
int HeaderTextWidth(const QHeaderView* header, const QString& text);
// The width of a cell of view that shows text in font whole (the cell's
// text margins and the grid line included).
int CellTextWidth(const QAbstractItemView* view, const QFont& font, const QString& text);
// Makes an edit with a length limit at least as wide as a text of that many
// digits, so that a full value is never cut in a squeezed layout.
void FitEditToLength(QLineEdit* edit);
