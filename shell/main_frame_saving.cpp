// Saving documents and quitting: Save and Save As, the question about
// unsaved changes that quitting asks for every modified document, and the
// Clone Station's question while a station writes.

#include "shell/main_frame.h"

#include "model/program_document.h"
#include "session/document_history.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/recent_files.h"
#include "transfer/clone_station_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_service.h"

#include <QCloseEvent>
#include <QFileInfo>

void CMainFrame::OnFileSave() {
    SaveDocument(false);
}

void CMainFrame::OnFileSaveAs() {
    SaveDocument(true);
}

void CMainFrame::SaveDocument(bool askName) {
    if (m_activeChild) {
        SaveDocumentOf(m_activeChild, askName);
    }
}

bool CMainFrame::SaveDocumentOf(CChildFrame* child, bool askName) {
    CProgramDoc& doc = child->Document();
    QString path = QString::fromStdString(doc.Path());
    const QFileInfo info(path);
    // Save writes straight to the document's file when it exists and can be
    // written; otherwise it asks for a name, as Save As always does.
    if (askName || path.isEmpty() || !info.exists() || !info.isWritable()) {
        path = AskSaveFileName(path);
        if (path.isEmpty()) {
            return false;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".dat");
        }
    }
    const FileResult result = doc.OnSaveDocument(path.toStdString());
    if (!result.Ok()) {
        MessageService::Show(this, QString::fromStdString(result.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    child->History().MarkClean();
    // The title follows the file's name, and the file heads the recent list.
    child->UpdateCaption();
    m_recent->Add(path);
    return true;
}

QString CMainFrame::AskSaveFileName(const QString& suggested) {
    // A document without a file of its own (a new one is named after the
    // AppName) is offered in the folder last used, not the program's.
    const std::string appName = m_context.AppName();
    const QString start = FileDialogs::StartPath(appName, suggested);
    const QString path = m_askSaveFileName ? m_askSaveFileName(start)
                                           : FileDialogs::AskSave(this, appName, tr("Save As"),
                                                                  start, tr("*.dat (*.dat)"));
    FileDialogs::KeepFolderOf(appName, path);
    return path;
}

bool CMainFrame::ConfirmDiscardChanges() {
    for (CChildFrame* child : Children()) {
        // An entry still open in a cell editor counts as a change.
        child->View().CommitCellEdit();
        CProgramDoc& doc = child->Document();
        if (!doc.IsModified()) {
            continue;
        }
        // The question is about a document the user can see: its window
        // comes to the front first, also when File Close had hidden it.
        BringToFront(child);
        const QString text = tr("Save changes to %1?").arg(child->Title());
        switch (MessageService::Show(this, text, MessageButtons::SaveDiscardCancel,
                                     MessageIcon::Exclamation)) {
        case MessageAnswer::Save:
            if (!SaveDocumentOf(child, false)) {
                return false;
            }
            break;
        case MessageAnswer::Discard:
            break;
        default:
            return false;
        }
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A clone station with a radio in hand asks first; No keeps it all running.
    if (TransferRunning() || (m_cloneStation && !m_cloneStation->ConfirmStop()) ||
        !ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    if (m_cloneStation) {
        m_cloneStation->StopStations();
        m_cloneStation->hide();
    }
    event->accept();
}

void CMainFrame::OnAppExit() {
    close();
}
