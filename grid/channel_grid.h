#pragma once
// The grid control of the channel view: a table over ChannelGridModel whose
// current cell only moves after the cell being left has been committed. The
// selection holds the current cell, or more: cells dragged over or added with
// Shift and Ctrl, whole rows chosen by their labels, everything (Ctrl+A); a
// move of the current cell that the cell being left refuses changes the
// selection neither. The owner is told:
//   - LeaveCell before the current cell moves; returning false keeps it where
//     it is (a refused entry whose editor stays open);
//   - EnterCell after it moved, and MouseDown after a click on a cell;
//   - TypeInCell for a key that types a character while the grid itself has
//     the focus (no editor open): the key belongs to the current cell, never
//     a search that would move to another one;
//   - Scrolled when the rows or columns scroll;
//   - ContextMenuAt for a right click on a cell or a row label, after the
//     cell or row clicked outside the selection became the selection (a
//     cell clicked so opens no editor).
// A wheel step of exactly one notch pages the grid; Tab and Shift+Tab move
// to the next and the previous cell.

#include "model/cell_block.h"
#include "model/text_catalogue.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <functional>
#include <vector>

class ChannelGridModel;

class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGrid(ChannelGridModel* model, QWidget* parent = nullptr);

    std::function<bool()> LeaveCell;
    std::function<void()> EnterCell;
    std::function<void(const QKeyEvent& key)> TypeInCell;

    // Current grid row (1..129) and column (1..9).
    int Row() const;
    int Col() const;
    // Makes a cell current, and the only one selected, without leaving or
    // entering events.
    void SetCurrentQuietly(int row, int col);
    // The selected cells in grid order (rows, then columns).
    std::vector<GridCell> SelectedCells() const;
    // The rows with a selected cell, ascending.
    std::vector<int> SelectedRows() const;
    // Selects whole rows (1..129), the first of them current, quietly.
    void SelectRowsQuietly(const std::vector<int>& rows);
    // Title of the label column, drawn in the corner above the row labels.
    QString CornerText() const;

signals:
    void MouseDown();
    void Scrolled();
    void ContextMenuAt(const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class GuardedSelection;
    void onLabelMenu(const QPoint& pos);
    GuardedSelection* m_selection = nullptr;
    // While a right click moves the current cell: entered without an editor.
    bool m_enterQuietly = false;
    // The last right click was refused by the cell being left.
    bool m_menuRefused = false;
    QWidget* m_corner = nullptr;
    const TextCatalogue& m_texts;
};
