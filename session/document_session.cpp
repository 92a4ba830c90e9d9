#include "session/document_session.h"

#include "model/program_document.h"
#include "session/channel_working_copy.h"
#include "session/document_history.h"
#include "settings/program_context.h"
#include "transfer/port_store.h"
#include "transfer/process_dialog.h"
#include "transfer/transfer_runner.h"

#include <QWidget>

DocumentSession::DocumentSession(std::unique_ptr<CProgramDoc> doc, ChannelWorkingCopy& channels,
                                 QWidget& window, ProgramContext& context)
    : m_doc(std::move(doc)), m_channels(channels), m_window(window), m_context(context),
      m_history(new DocumentHistory(*m_doc, channels, context.band, this)),
      m_pProcessDlg(new CProcessDlg(context.Texts(), &window)),
      m_runner(std::make_unique<TransferRunner>(context.Texts())) {
    // Saving moves what the grid shows into the image first, including an
    // entry still open in a cell editor (Ctrl+S and the toolbar leave the
    // editor open, and its text would otherwise be missing from the file).
    m_doc->SetSaveHook([this](RadioImage&) {
        m_channels.CommitCellEdit();
        m_channels.EncodeChannels();
    });
    // A completed read is undone like any change, and leaves the document
    // equal to the radio.
    connect(this, &DocumentSession::ChannelsRead, m_history, [this] {
        m_history->Record(tr("Read"));
        m_history->MarkClean();
    });
    connect(m_pProcessDlg, &CProcessDlg::StartRequested, this, &DocumentSession::onRadioTransfer);
    // Read and Write choose the coming direction from the transfer window too.
    connect(m_pProcessDlg, &CProcessDlg::DirectionChosen, this,
            [this](TransferDirection direction) {
                direction == TransferDirection::Write ? OnProgramWrite() : OnProgramRead();
            });
    connect(m_runner.get(), &TransferRunner::Phase, m_pProcessDlg, &CProcessDlg::SetPhase);
    connect(m_runner.get(), &TransferRunner::Progress, m_pProcessDlg, &CProcessDlg::SetProgress);
    connect(m_runner.get(), &TransferRunner::Status, m_pProcessDlg, &CProcessDlg::SetStatus);
    connect(m_runner.get(), &TransferRunner::Finished, this, &DocumentSession::onTransferFinished);
    LoadStoredPort(m_context.portName, m_context.Profile());
}

DocumentSession::~DocumentSession() {
    // The transfer's thread ends before the history and the document go.
    m_runner.reset();
    delete m_history;
}

bool DocumentSession::IsTransferRunning() const {
    return m_runner->IsRunning() ||
           (m_pProcessDlg->IsOpen() && m_pProcessDlg->Control()->Started());
}

void DocumentSession::SetWireLog(std::string path) {
    m_runner->SetWireLog(std::move(path));
}

const std::string& DocumentSession::WireLog() const {
    return m_runner->WireLog();
}
