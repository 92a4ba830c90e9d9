#pragma once
// CSquelchTuningDlg: the Squelch Tuning dialog. Four drop-down lists show the
// squelch tuning levels of the image (group "squelch": V wide, V narrow,
// U wide, U narrow) as "-55" .. "54". OK stores the lists into the image; Cancel stores nothing,
// but levels already fetched by Read stay in the image. Read and Write move
// just these four bytes to and from the radio on g_portName, inside the
// button handler, with their messages through the message service.
//
// Built anew for each request by the main window:
//     CSquelchTuningDlg dialog(mainWindow);
//     dialog.DoModal(image);

#include "dialogs/bound_dialog.h"

class QComboBox;
class QPushButton;

class CSquelchTuningDlg : public CBoundDialog {
    Q_OBJECT
public:
    explicit CSquelchTuningDlg(QWidget* parent = nullptr);

    // The squelch read and write of the Read and Write buttons.
    void OnRead();
    void OnWrite();

    QComboBox* LevelList(int level) const { return m_lists[level]; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

private:
    QComboBox* m_lists[4];
    QPushButton* m_read;
    QPushButton* m_write;
};
