#pragma once
// CDtmfEncodePage: DTMF speed, first-digit delay, first-digit time and "*"/"#"
// digit time, each an edit with spin buttons working on its text (normalised
// when the edit is left and before storing), and the "SideTone" check box.
// Only digits, Backspace, Delete, Left and Right reach the controls, and none
// of them with Shift held down; F1 opens help.

#include "dialogs/dtmf_page.h"

class CDtmfEncodePage : public CDtmfPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 143;

    // bChinese: the window's language flag (the items of its lists).
    CDtmfEncodePage(const fields::FieldPage& fields, QWidget* parent, bool bChinese);
};
