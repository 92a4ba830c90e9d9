#pragma once
// The keys that move between cells while an in-place editor has the focus:
// they go to the grid, which commits the cell being left and moves on, so
// that no key meant for moving changes a value. A list passes on the arrows,
// Home, End, Page Up, Page Down and Tab while its drop-down is closed; its
// value changes only when the user opens it (F4, Alt+Down, Space or a click)
// and picks an item, or types one. The edits keep Left, Right, Home and End
// for their text and pass on the others.

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
    static bool MovesBetweenCells(const QWidget* editor, const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_grid;
};
