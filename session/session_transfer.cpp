// The session's transfer commands: Read and Write open the transfer window,
// its Start runs the transfer on a worker thread, and the end of the
// transfer brings the image (and after a read the grid) up to date.

#include "link/clone_engine.h"
#include "link/port_name.h"
#include "model/program_document.h"
#include "model/read_history.h"
#include "session/channel_working_copy.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/write_safety_settings.h"
#include "settings/program_context.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"
#include "transfer/transfer_runner.h"
#include "ui/message_service.h"
#include "ui/writable_paths.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

void DocumentSession::OnProgramRead() {
    openProcessDialog(false);
}

void DocumentSession::OnProgramWrite() {
    if (IsTransferRunning()) {
        return;
    }
    m_channels.CommitCellEdit();
    openProcessDialog(true);
}

void DocumentSession::openProcessDialog(bool writeMode) {
    // A running transfer keeps its direction; a waiting window takes the
    // direction for its coming Start, and its title follows, so that it never
    // names the other one.
    if (IsTransferRunning()) {
        return;
    }
    m_bWriteMode = writeMode;
    m_pProcessDlg->SetTitle(writeMode ? QCoreApplication::translate("DocumentSession", "Write Data")
                                      : QCoreApplication::translate("DocumentSession", "Read Data"));
    // Which document the transfer reads into or writes from: with several
    // open, the key pressed does not say.
    m_pProcessDlg->SetDocumentTitle(QString::fromStdString(m_doc->Title()));
    // A read replaces the whole document: changes not yet saved are named
    // before Start rather than lost in silence.
    m_pProcessDlg->SetWaitingNote(
        !writeMode && m_doc->IsModified()
            ? QCoreApplication::translate("DocumentSession",
                                          "Reading replaces the changes not yet saved in this "
                                          "document; Edit > Undo takes the read back.")
            : QString());
    if (m_pProcessDlg->IsOpen()) {
        return;
    }
    m_pProcessDlg->Open();
}

void DocumentSession::onRadioTransfer() {
    if (m_runner->IsRunning() || !m_pProcessDlg->IsOpen()) {
        return;
    }
    m_channels.CommitCellEdit();
    m_channels.EncodeChannels();
    m_runningDirection = m_bWriteMode ? TransferDirection::Write : TransferDirection::Read;
    m_transferClock.start();
    m_writeSafety = CurrentWriteSafety(m_context.Profile());
    m_safeWrite = std::make_shared<SafeWriteResult>();
    // The window knows the job's first step from the start; a write reports
    // each of its steps as it begins it.
    m_pProcessDlg->SetPhase(
        PlanPhases(m_runningDirection, m_writeSafety.readFirst, m_writeSafety.verify).front());
    const std::shared_ptr<TransferControl> control = m_pProcessDlg->Control();
    m_runner->Start(
        [direction = m_runningDirection, port = m_context.portName, control, safety = m_writeSafety,
         written = m_safeWrite, texts = &m_context.Texts()](
            SerialLink& link, TransferObserver& observer, RadioImage& image) {
            if (direction == TransferDirection::Write) {
                // The result is read on the window thread once the worker is gone.
                *written = RunSafeWrite(link, observer, control->CancelFlag(), port, image, safety,
                                        *texts);
                return written->result;
            }
            return CloneEngine(link, observer, control->CancelFlag()).Run(direction, port, image);
        },
        m_doc->Image(), m_pProcessDlg, control);
    emit TransferRunningChanged(true);
}

void DocumentSession::onTransferFinished(const TransferResult& result) {
    if (m_runningDirection == TransferDirection::Read) {
        // Rows a failed or cancelled read received stay in the image; the
        // grid shows them only after a completed read.
        m_doc->Image() = m_runner->Image();
        if (result.outcome == TransferOutcome::Completed) {
            // Kept as the radio sent it, before the decode rewrites the band code.
            keepInHistory(m_doc->Image());
            m_channels.DecodeChannels();
            emit ChannelsRead();
        } else {
            // What the image received is a change of its own, undone alone.
            m_history->Record(tr("Read"));
        }
    }
    m_pProcessDlg->Close();
    const TransferStep endedIn =
        m_runningDirection == TransferDirection::Read ? TransferStep::Read : m_safeWrite->stage;
    const QString resultLine = QString::fromStdString(
        ResultLine(endedIn, result, static_cast<double>(m_transferClock.elapsed()) / 1000.0,
                   m_context.Texts()));
    if (m_runningDirection == TransferDirection::Write) {
        reportWriteSafety(result);
    }
    emit TransferRunningChanged(false);
    emit TransferEnded(result.outcome, m_channels.ChannelCount(), resultLine);
}

void DocumentSession::reportWriteSafety(const TransferResult& result) {
    const SafeWriteResult& written = *m_safeWrite;
    if (written.before) {
        keepInHistory(*written.before);
    } else if (written.stage == WriteStage::ReadFirst &&
               result.outcome == TransferOutcome::Failed) {
        // A read first that the user cancelled is no fault: the result line
        // in the status bar says that nothing was written.
        MessageService::Show(&m_window,
                             QString::fromStdString(m_context.Texts().Tr(kReadFirstFailed)),
                             MessageButtons::Ok, MessageIcon::Stop);
    }
    if (!written.mismatches.empty()) {
        QString text =
            QString::fromStdString(VerifyFailureText(written.mismatches, m_context.Texts()));
        // The first few in the box; all of them in the command line's output.
        constexpr std::size_t kShown = 10;
        for (std::size_t i = 1; i < std::min(kShown, written.mismatches.size()); ++i) {
            text += QLatin1Char('\n') +
                    QString::fromStdString(MismatchLine(written.mismatches[i], m_context.Texts()));
        }
        MessageService::Show(&m_window, text, MessageButtons::Ok, MessageIcon::Stop);
    }
}

void DocumentSession::keepInHistory(const RadioImage& image) {
    std::string saved;
    const FileResult kept = history::SaveRead(QFile::encodeName(RadioHistoryDir()).toStdString(),
                                              image, history::Clock::now(), saved);
    if (!kept.Ok()) {
        MessageService::Show(&m_window, QString::fromStdString(kept.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

void DocumentSession::OnSetupCom() {
    CPortSettingDlg dialog(m_context, &m_window);
    dialog.exec();
}
