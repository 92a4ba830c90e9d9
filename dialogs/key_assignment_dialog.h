#pragma once
// CKeyAssignDlg: the Key Assignment dialog. Four radio buttons in the group
// "Side Key" choose the function of the radio's side key (group "side_key",
// model/fields/side_key_fields.h). Opening loads the choice; OK stores it,
// Cancel stores nothing. F1 opens the English help ("enHelp.qch" in either
// language) at 32800 on a radio button, else at the focused control's id.
//
// The main window builds a new object for each request and runs DoModal.

#include "dialogs/bound_dialog.h"

class CKeyAssignDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 202;
    static constexpr int kCommandId = 32800;

    // bChinese: the window's language flag (items of the lists in Chinese).
    explicit CKeyAssignDlg(QWidget* parent = nullptr, bool bChinese = false);
};
