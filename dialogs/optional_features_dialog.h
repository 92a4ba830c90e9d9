#pragma once
// COptionalFeaturesDlg: the Optional Features dialog. It edits the radio-wide
// features of the image (group "optional", model/fields/optional_fields.h)
// through two columns of labelled drop-down lists and the password edit.
// Every opening refills the lists and loads the image; OK stores every
// control, Cancel stores nothing. The "MSK Type" list and the "Keypad Lock"
// and "Repeater Msk Invert" check boxes are loaded and stored like the others
// but never shown, so their bits pass through unchanged. F1 opens help at the
// focused control's id.
//
// The main window keeps one object and runs DoModal for each request.

#include "dialogs/bound_dialog.h"

class COptionalFeaturesDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 133;

    // bChinese: the window's language flag (items of the lists in Chinese).
    explicit COptionalFeaturesDlg(QWidget* parent = nullptr, bool bChinese = false);
};
