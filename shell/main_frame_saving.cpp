// Saving documents and quitting: Save and Save As, and the question about
// unsaved changes that quitting asks for every modified document.

#include "shell/main_frame.h"

#include "model/program_document.h"
#include "session/document_history.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
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
        MessageService::Show(this, QString::fromStdString(result.message), MessageButtons::Ok,
                             MessageIcon::Exclamation);
        return false;
    }
    child->History().MarkClean();
    return true;
}

QString CMainFrame::AskSaveFileName(const QString& suggested) {
    // A document without a file of its own (a new one is named after the
    // AppName) is offered in the folder last used, not the program's.
    const QString start =
        QFileInfo(suggested).isAbsolute()
            ? suggested
            : QDir(UserStore::ReadFileFolder(UserStore::CurrentAppName(m_context.Profile())))
                  .filePath(suggested);
    const QString path =
        m_askSaveFileName
            ? m_askSaveFileName(start)
            : QFileDialog::getSaveFileName(this, tr("Save As"), start, tr("*.dat (*.dat)"));
    if (!path.isEmpty()) {
        UserStore::WriteFileFolder(UserStore::CurrentAppName(m_context.Profile()), path);
    }
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
        const QString text = tr("Save changes to %1?").arg(QString::fromStdString(doc.Title()));
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
    if (TransferRunning() || !ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::OnAppExit() {
    close();
}
