#include "shell/child_frame.h"

#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/command_table.h"
#include "transfer/process_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QUndoStack>

QString LiteralWindowTitle(QString text) {
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, ProgramContext& context, QWidget* parent)
    : QMdiSubWindow(parent) {
    m_view = new CProgramView(doc->Image(), context, this);
    m_view->SetCommandKeys(IsEditCommandKey);
    setWidget(m_view);
    m_session = std::make_unique<DocumentSession>(std::move(doc), *m_view, *m_view, context);
    m_session->ProcessDialog()->SetDirectionKeys(FindCommand(ID_PROGRAM_READ)->accelerator,
                                                 FindCommand(ID_PROGRAM_WRITE)->accelerator);
    DocumentHistory* history = &m_session->History();
    connect(m_view, &CProgramView::ChannelsEdited, history,
            [history] { history->Record(tr("Edit Cell")); });
    connect(m_view, &CProgramView::ChannelsChanged, history, &DocumentHistory::Record);
    connect(&history->Stack(), &QUndoStack::cleanChanged, this, &CChildFrame::UpdateCaption);
    UpdateCaption();
    // Ctrl+W belongs to Program > Write: the window menu's Close keeps only
    // Ctrl+F4.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
            }
        }
    }
}

CChildFrame::~CChildFrame() {
    // The session works on the view, and the view on the session's document:
    // the session stops its transfer first, then the view goes. The history
    // reports its end, which no caption follows any more.
    disconnect(&m_session->History().Stack(), nullptr, this, nullptr);
    m_session.reset();
    delete m_view;
}

CProgramDoc& CChildFrame::Document() const {
    return m_session->Document();
}

QString CChildFrame::Title() const {
    return QString::fromStdString(Document().Title());
}

QString CChildFrame::ShownTitle() const {
    return Document().IsModified() ? Title() + QLatin1Char('*') : Title();
}

void CChildFrame::UpdateCaption() {
    setWindowTitle(LiteralWindowTitle(Title()) + QStringLiteral("[*]"));
    setWindowModified(Document().IsModified());
}

DocumentHistory& CChildFrame::History() const {
    return m_session->History();
}

void CChildFrame::FitInto(const QSize& workspace) {
    if (isMaximized() || workspace.isEmpty()) {
        return;
    }
    // Resized since the last cut (by the user or the screen scaling): that
    // size is now the one to keep.
    if (size() != m_cut) {
        m_uncut = size();
    }
    const QSize fitted = m_uncut.boundedTo(workspace);
    if (fitted != size()) {
        resize(fitted);
    }
    m_cut = fitted;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    // Closing a document window only hides it; its document stays open and
    // Channel Information shows it again. While its transfer runs the window
    // stays in sight, as File Close is refused then too.
    event->ignore();
    if (!m_session->IsTransferRunning()) {
        hide();
    }
}
