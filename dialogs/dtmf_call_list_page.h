#pragma once
// CDtmfCallListPage: the nine-entry fast call list in a grid of 10 rows and 2
// columns (one fixed row and column). Entering or clicking an entry lays an
// in-place edit over it (capitals, 16 characters); leaving the cell puts the
// edit's text into it. Storing commits the in-place edit first. Keys that
// reach the page, the grid or the edit: "0".."9", "A".."D", Backspace,
// Delete and the four arrows, with Shift only "#" and "*"; F1 opens help.

#include "dialogs/dtmf_page.h"

class QLineEdit;
class QTableWidget;

class CDtmfCallListPage : public CDtmfPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 142;

    CDtmfCallListPage(const fields::FieldPage& fields, QWidget* parent);

    // After loading: the entries in the fixed-pitch face, the grid redrawn at
    // once.
    void ShowLoaded();

    QTableWidget* Grid() const { return m_grid; }
    QLineEdit* CellEdit() const { return m_edit; }

    // Lays the in-place edit over the current cell with the cell's text.
    void OpenCellEdit();
    // Puts the in-place edit's text into the cell (row, column) and hides it,
    // when it is shown.
    void CommitCellEdit(int row, int column);
    // Commits the in-place edit into the current cell (before storing).
    void CommitCurrentCell();

private:
    QTableWidget* m_grid;
    QLineEdit* m_edit;
};
