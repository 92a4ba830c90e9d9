#pragma once
// The small modeless window that runs a transfer with the radio: "Start"
// starts it (once), "Cancel" closes the window before Start or asks a running
// transfer to stop. The line above the bar names the step the job is in (a
// write may read the radio before it and read it back after it); the bar
// runs once over the whole job and the status line gives its share done.
// The close box and Escape do as Cancel does, except that they first ask
// whether to stop the write step, which would leave the radio with part of
// the new data. Start is the default and focused button at every opening.
// The object lives as long as its view; its window is opened for each Read or
// Write and closed when the transfer ends, whichever way it ends.

#include "link/transfer_control.h"
#include "link/transfer_phase.h"
#include "link/transfer_result.h"
#include "model/text_catalogue.h"

#include <QDialog>
#include <memory>

class QKeySequence;
class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;

// Control ids of the window (help contexts, object properties).
enum ProcessDialogId : int {
    IDD_PROCESS = 146,
    IDC_PROCESS_PROGRESS = 1245,
    IDC_PROCESS_STATUS = 1062,
};

class CProcessDlg : public QDialog {
    Q_OBJECT
public:
    // texts: the program's catalogue, in which the steps are named.
    CProcessDlg(const TextCatalogue& texts, QWidget* owner);

    // The title that names the direction the coming Start runs, shown at
    // once when the window is open.
    void SetTitle(const QString& title);
    QString Title() const { return m_strTitle; }
    // The document the transfer reads into or writes from, named (as its
    // window's caption names it) on the window's first line.
    void SetDocumentTitle(const QString& title);
    // A note shown on the step line until Start (empty for none): what the
    // coming transfer does to the document that the user may not expect.
    void SetWaitingNote(const QString& note);
    // The keys that choose the direction (the main window's Read and Write
    // keys), which work while this window has the focus too: DirectionChosen.
    void SetDirectionKeys(const QKeySequence& read, const QKeySequence& write);

    // Opens the window: progress 0 of 0..191, "Not start yet", Start enabled,
    // a fresh Start/Cancel state; shown centred over the owner.
    void Open();
    // Closes the window (the object stays for the next opening).
    void Close();
    // True while the window exists (waiting for Start or running).
    bool IsOpen() const { return m_open; }

    // The Start/Cancel state of the current opening; a running transfer
    // polls its cancel flag.
    std::shared_ptr<TransferControl> Control() const { return m_control; }

    // A step of the job began: the line above the bar names it, the bar's
    // range is the whole job and the positions that follow count within it.
    void SetPhase(const TransferPhase& phase);
    // The position within the current step (1..191).
    void SetProgress(int position);
    void SetStatus(const QString& text);
    TransferPhase Phase() const { return m_phase; }

    QPushButton* StartButton() const { return m_start; }
    QPushButton* CancelButton() const { return m_cancel; }
    QProgressBar* ProgressBar() const { return m_progress; }
    QLabel* StatusLabel() const { return m_status; }
    QLabel* PhaseLabel() const { return m_phaseText; }

    void reject() override;

signals:
    // Start was pressed; delivered queued, after the button's handler returned.
    void StartRequested();
    // The Read or the Write key was pressed in the window.
    void DirectionChosen(TransferDirection direction);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onStart();
    void onCancel();
    // The close box and Escape: Cancel, after asking during the write step.
    void onClose();

    const TextCatalogue& m_texts;
    QString m_strTitle;
    std::shared_ptr<TransferControl> m_control;
    bool m_open = false;
    TransferPhase m_phase;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_status;
    QLabel* m_phaseText;
    QLabel* m_document;
    QString m_waitingNote;
    QShortcut* m_readKey;
    QShortcut* m_writeKey;
};
