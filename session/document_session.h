#pragma once
// DocumentSession: one open document and what belongs to it while it is
// open: the document (its image and file), its undo history, its transfers
// with the radio (Read, and Write with the read before it and the verify
// after it, through the Process window) and the radio history those
// transfers keep. The channel view is not part of it: the session reaches
// the grid's texts through ChannelWorkingCopy.

#include "link/transfer_result.h"
#include "link/write_safety.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <string>

class ChannelWorkingCopy;
struct ProgramContext;
class CProcessDlg;
class CProgramDoc;
class DocumentHistory;
class QWidget;
class TransferRunner;

class DocumentSession : public QObject {
    Q_OBJECT
public:
    // Takes the document. channels is the working copy of its channel table
    // (the view built over the document's image) and window the window that
    // the Process window and the session's messages belong to; both outlive
    // the session. context is the program's (band plan, settings file, port),
    // which outlives it too. Construction loads the stored port choice into
    // the context's portName.
    DocumentSession(std::unique_ptr<CProgramDoc> doc, ChannelWorkingCopy& channels, QWidget& window,
                    ProgramContext& context);
    // Stops a running transfer (it is cancelled) before the session goes.
    ~DocumentSession() override;

    CProgramDoc& Document() const { return *m_doc; }
    // The document's undo history; it goes with the session.
    DocumentHistory& History() const { return *m_history; }

    // Program > Read (32773): opens the transfer window for a read.
    void OnProgramRead();
    // Program > Write (32774): commits the cell edit, opens the window for a write.
    void OnProgramWrite();
    // Setup > Com Setup (32777): the Port Setting dialog.
    void OnSetupCom();

    // True while a transfer with the radio runs: no second transfer may
    // start and the document must stay open.
    bool IsTransferRunning() const;
    // The file the session's transfers append their wire log to (empty: none).
    void SetWireLog(std::string path);
    const std::string& WireLog() const;
    CProcessDlg* ProcessDialog() const { return m_pProcessDlg; }

signals:
    // A read from the radio completed and the grid shows the new image: a
    // step of the history, after which the document equals the radio.
    void ChannelsRead();
    void TransferRunningChanged(bool running);
    // A transfer of the Process window ended and its window closed: how,
    // with the number of channels the grid holds afterwards and the line
    // that says what the job did ("Read in 11.2 s", "Cancelled before
    // writing: nothing was written"; link/transfer_phase.h).
    void TransferEnded(TransferOutcome outcome, int channels, const QString& resultLine);

private:
    void openProcessDialog(bool writeMode);
    void onRadioTransfer();
    void onTransferFinished(const TransferResult& result);
    void reportWriteSafety(const TransferResult& result);
    // Keeps an image read from the radio in the radio history; a file error
    // is shown.
    void keepInHistory(const RadioImage& image);

    std::unique_ptr<CProgramDoc> m_doc;
    ChannelWorkingCopy& m_channels;
    QWidget& m_window;
    ProgramContext& m_context;
    DocumentHistory* m_history;
    CProcessDlg* m_pProcessDlg;
    bool m_bWriteMode = false;
    std::unique_ptr<TransferRunner> m_runner;
    TransferDirection m_runningDirection = TransferDirection::Read;
    QElapsedTimer m_transferClock;
    // The safety steps of the running write and, once it ended, their result.
    WriteSafety m_writeSafety;
    std::shared_ptr<SafeWriteResult> m_safeWrite;
};
