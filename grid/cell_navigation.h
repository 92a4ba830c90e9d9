#pragma once
// The keys that move between cells while an in-place editor has the focus:
// they go to the grid, which commits the cell being left and moves on, so
// that no key meant for moving changes a value. A list passes on the arrows,
// Home, End, Page Up, Page Down and Tab while its drop-down is closed; its
// value changes only when the user opens it (F4, Alt+Down, Space or a click)
// and picks an item, or types one. An edit opened by arriving on its cell
// passes on Left, Right, Home and End too; once the user has typed into it
// or clicked into its text, it keeps them for moving in the text.

#include <QObject>

class CellEditors;
class QAbstractItemView;
class QKeyEvent;
class QWidget;

class CellNavigationKeys : public QObject {
public:
    // Watches the editors of grid, seeing their keys before every filter
    // installed earlier.
    CellNavigationKeys(QAbstractItemView* grid, const CellEditors& editors);

    // True when key, pressed in editor, moves to another cell.
    bool MovesBetweenCells(const QWidget* editor, const QKeyEvent& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the user has typed into edit or clicked into its text since
    // it was last shown (showing it loads the cell's text).
    bool textEntered(const QWidget* edit) const;

    QAbstractItemView* m_grid;
    // The edit clicked into since it was shown, if any.
    const QObject* m_clickedInto = nullptr;
};
