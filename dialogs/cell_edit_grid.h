#pragma once
// A list grid of the settings dialogs: one fixed header row, one fixed column
// numbering the rows "1", "2", ..., text cells elsewhere, and one in-place
// edit laid over the current cell. Entering a cell (or a mouse press) opens
// the edit on it with the cell's text selected; leaving the cell commits the
// edit's text to the cell through the commit rule; Escape in the edit and
// scrolling hide the edit and discard what was typed. Tab into the grid opens the edit on the
// current cell (the first one when there is none); Tab or Shift+Tab out of
// the edit commits it, so that the keyboard moves through the list as the
// mouse does. Field bindings address cells as
// (row, column) with the fixed row and column counted, so data starts at
// (1, 1).

#include <QTableWidget>

#include <functional>

class QLineEdit;

class CellEditGrid : public QTableWidget {
    Q_OBJECT
public:
    // gridId and editId are the control ids of the grid and its in-place
    // edit; headers are the texts of row 0, column 0 first; maxLength limits
    // the edit (0: no limit).
    CellEditGrid(int gridId, int rows, const QStringList& headers, int editId, int maxLength,
                 QWidget* parent = nullptr);

    QLineEdit* CellEdit() const { return m_edit; }

    // The text a cell gets when the edit is committed; none keeps the text.
    void SetCommitRule(std::function<QString(const QString&)> rule) { m_rule = std::move(rule); }

    // Opens the in-place edit over the current cell (a data cell only).
    void OpenEditor();
    // While the edit is shown: puts its text, through the commit rule, into
    // the cell it was opened on and hides it.
    void CommitEditor();
    // Hides the edit without committing.
    void DiscardEditor();
    // Widens every column, after its width is set, to its texts and to a
    // value as long as the edit takes, and the grid to its columns.
    void FitColumnsToTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void HideEditor();

    QLineEdit* m_edit;
    std::function<QString(const QString&)> m_rule;
    int m_editRow = -1;
    int m_editColumn = -1;
};
