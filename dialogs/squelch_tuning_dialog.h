#pragma once
// CSquelchTuningDlg: the Squelch Tuning dialog. Four drop-down lists show the
// squelch tuning levels of the image (group "squelch": V wide, V narrow,
// U wide, U narrow) as "-55" .. "54". OK stores the lists into the image; Cancel stores nothing,
// but levels already fetched by Read stay in the image. Read and Write move
// just these four bytes to and from the radio on the context's portName. The button
// starts the transfer on the transfer runner's worker thread and returns; the
// dialog stays painted and responsive, with its controls disabled, a busy
// cursor and no way to close it (the transfer has no cancel) until
// TransferEnded. The prompt and the messages are shown modal to the dialog.
// A dialog destroyed during a transfer stops it before its next attempt,
// answers a prompt it waits for with Cancel and leaves the image as it was.
//
// Built anew for each request by the main window:
//     CSquelchTuningDlg dialog(context, mainWindow);
//     dialog.SetWireLog(path);   // optional
//     dialog.DoModal(image);

#include "dialogs/bound_dialog.h"
#include "link/squelch_engine.h"
#include "model/image_layout.h"
#include "transfer/transfer_runner.h"

#include <QPointer>
#include <functional>
#include <string>

struct ProgramContext;
class QComboBox;
class QDialogButtonBox;
class QPushButton;

class CSquelchTuningDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 203;
    static constexpr int kReadButtonId = 1140;
    static constexpr int kWriteButtonId = 1141;

    // context: the program's; a transfer goes to its portName at the time.
    explicit CSquelchTuningDlg(const ProgramContext& context, QWidget* parent = nullptr);

    // The squelch read and write of the Read and Write buttons: start the
    // transfer (nothing while one runs).
    void OnRead();
    void OnWrite();

    // The file the transfers append their wire log to (empty: none).
    void SetWireLog(std::string path) { m_wireLog = std::move(path); }

    // True while a transfer runs.
    bool IsBusy() const { return m_runner.IsRunning(); }

    QComboBox* LevelList(int level) const { return m_lists[level]; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

    // Refused while a transfer runs (Esc, the close box).
    void done(int result) override;

signals:
    // A Read or Write has ended: the image holds the transfer's copy, and
    // after a completed read the lists show it.
    void TransferEnded(const TransferResult& result);

private:
    // The squelch transfer itself, on the worker thread.
    using SquelchJob = std::function<TransferResult(SquelchEngine& engine, const std::string& port,
                                                    RadioImage& image)>;

    // Starts job on a copy of the image of this opening.
    void runTransfer(SquelchJob job);
    void onTransferFinished(const TransferResult& result);
    void setBusy(bool busy);

    QComboBox* m_lists[layout::kSquelchLevelCount];
    QDialogButtonBox* m_buttons;
    QPushButton* m_read;
    QPushButton* m_write;
    const ProgramContext& m_context;
    std::string m_wireLog;
    TransferRunner m_runner;
    // The control that had the focus when the transfer started.
    QPointer<QWidget> m_focusBeforeTransfer;
};
