#pragma once
// CMskDlg: the MSK dialog. It shows the radio's own ID code and the nine
// entries of the MSK call list (group "msk", four hexadecimal digits each, in
// capitals), loaded from the image at each opening; OK commits the in-place
// edit of the call list and stores everything; Cancel and Escape store
// nothing. Only digits, "A".."F", Backspace, Delete and the arrows can be
// typed; Tab moves between the controls and Space or Enter presses the
// button that has the focus; F1 asks for help on the focused control's id.
//
// The main window keeps one object and runs DoModal for each request.

#include "dialogs/bound_dialog.h"

class CellEditGrid;
class QLineEdit;

class CMskDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 162;
    // The call list grid and the edit of its cells.
    static constexpr int kCallListGridId = 1349;
    static constexpr int kCellEditId = 1123;

    // bChinese: the window's language flag (items of the lists in Chinese).
    explicit CMskDlg(QWidget* parent = nullptr, bool bChinese = false);

    // Closing hides the in-place edit, so the next opening starts without it.
    void done(int result) override;

    QLineEdit* IdCodeEdit() const { return m_idCode; }
    CellEditGrid* CallList() const { return m_callList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_idCode;
    CellEditGrid* m_callList;
};
