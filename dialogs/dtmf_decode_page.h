#pragma once
// CDtmfDecodePage: own ID code, group code and the stun function. The group
// code and stun type edits are never typed into: when one gets the focus a
// drop-down list takes its place (group code: "Off", "A".."D", "*", "#";
// stun type: "Tx inhibit", "Transceiver inhibit") with the item that begins
// with the edit's text selected; when the list loses the focus the edit
// shows the chosen item again. With no item chosen (the edit held a code no
// item begins with) the edit keeps its text. "Stun Activation" enables the
// stun code and stun type edits and their labels. In the stun code edit
// only "0".."9", "A".."D", Backspace, Delete, Left and Right are typed, and
// with Shift only "#" and "*".

#include "dialogs/dtmf_page.h"

class QComboBox;
class QLineEdit;

class CDtmfDecodePage : public CDtmfPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 144;
    // The labels of the stun code and stun type.
    static constexpr int kStunCodeLabelId = 1107;
    static constexpr int kStunTypeLabelId = 1108;

    // bChinese: the window's language flag (the items of its lists).
    CDtmfDecodePage(const fields::FieldPage& fields, QWidget* parent, bool bChinese);

    // Enables the stun controls to match "Stun Activation" (after loading).
    void UpdateStunControls();
    // Commits a drop-down list that is still open (before storing).
    void CloseOpenLists();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pick {
        QLineEdit* edit;
        QComboBox* list;
    };
    void OpenList(const Pick& pick);
    void CloseList(const Pick& pick);

    Pick m_picks[2] = {};
};
