#pragma once
// CDtmfCallListPage: the nine-entry fast call list in a grid of 10 rows and 2
// columns (one fixed row and column). Entering or clicking an entry lays an
// in-place edit over it (capitals, 16 characters); leaving the cell puts the
// edit's text into it (dialogs/cell_edit_grid.h). Storing commits the
// in-place edit first. Keys that can be typed on the page, the grid or the
// edit: "0".."9", "A".."D", Backspace, Delete and the four arrows, with Shift
// only "#" and "*"; F1 opens help.

#include "dialogs/dtmf_page.h"

class CellEditGrid;
class QLineEdit;

class CDtmfCallListPage : public CDtmfPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 142;
    // The call list grid and the edit of its cells.
    static constexpr int kGridId = 1022;
    static constexpr int kCellEditId = 1125;

    CDtmfCallListPage(const fields::FieldPage& fields, QWidget* parent);

    // After loading: the entries in the fixed-pitch face, the grid redrawn at
    // once.
    void ShowLoaded();

    CellEditGrid* Grid() const { return m_grid; }
    QLineEdit* CellEdit() const;

    // Commits the in-place edit into its cell (before storing).
    void CommitCurrentCell();

private:
    CellEditGrid* m_grid;
};
