#pragma once
// CSquelchTuningDlg: the Squelch Tuning dialog. Four drop-down lists show the
// squelch tuning levels of the image (group "squelch": V wide, V narrow,
// U wide, U narrow) as "-55" .. "54". OK stores the lists into the image; Cancel stores nothing,
// but levels already fetched by Read stay in the image. Read and Write move
// just these four bytes to and from the radio on g_portName. The button
// handler returns when the transfer has ended; the transfer runs on the
// transfer runner's worker thread meanwhile, so the dialog stays painted and
// responsive, with its controls disabled, a busy cursor and no way to close
// it (the transfer has no cancel). The prompt and the messages are shown
// modal to the dialog.
//
// Built anew for each request by the main window:
//     CSquelchTuningDlg dialog(mainWindow);
//     dialog.SetWireLog(path);   // optional
//     dialog.DoModal(image);

#include "dialogs/bound_dialog.h"
#include "model/image_layout.h"
#include "transfer/transfer_runner.h"

#include <QPointer>
#include <string>

class QComboBox;
class QDialogButtonBox;
class QPushButton;

class CSquelchTuningDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 203;

    explicit CSquelchTuningDlg(QWidget* parent = nullptr);

    // The squelch read and write of the Read and Write buttons.
    void OnRead();
    void OnWrite();

    // The file the transfers append their wire log to (empty: none).
    void SetWireLog(std::string path) { m_wireLog = std::move(path); }

    // True while a transfer runs.
    bool IsBusy() const { return m_busy; }

    QComboBox* LevelList(int level) const { return m_lists[level]; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

    // Refused while a transfer runs (Esc, the close box).
    void done(int result) override;

private:
    // Runs job on the image of this opening and waits for its end, keeping
    // the dialog's events flowing; the image takes the transfer's copy back.
    TransferResult runTransfer(TransferRunner::Job job);
    void setBusy(bool busy);

    QComboBox* m_lists[layout::kSquelchLevelCount];
    QDialogButtonBox* m_buttons;
    QPushButton* m_read;
    QPushButton* m_write;
    std::string m_wireLog;
    bool m_busy = false;
    // The control that had the focus when the transfer started.
    QPointer<QWidget> m_focusBeforeTransfer;
};
