// The main window's document windows: adding and destroying them, which one
// is active, showing and hiding them, and keeping them inside the workspace.

#include "shell/main_frame.h"

#include "grid/channel_grid.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_bars.h"

#include <QEvent>
#include <QMdiArea>
#include <QMenu>

CProgramDoc* CMainFrame::ActiveDocument() const {
    return m_activeChild ? &m_activeChild->Document() : nullptr;
}

std::vector<CChildFrame*> CMainFrame::Children() const {
    std::vector<CChildFrame*> children;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) {
            children.push_back(child);
        }
    }
    return children;
}

QStringList CMainFrame::OpenFilePaths() const {
    QStringList paths;
    QString active;
    for (CChildFrame* child : Children()) {
        const CProgramDoc& doc = child->Document();
        if (!doc.HasFile()) {
            continue;
        }
        const QString path = QString::fromStdString(doc.Path());
        if (child == m_activeChild) {
            active = path;
        } else {
            paths.append(path);
        }
    }
    if (!active.isEmpty()) {
        paths.append(active);
    }
    return paths;
}

CChildFrame* CMainFrame::AddDocumentWindow(std::unique_ptr<CProgramDoc> doc) {
    auto* child = new CChildFrame(std::move(doc), m_context);
    m_mdi->addSubWindow(child);
    child->installEventFilter(this);
    child->setGeometry(CChildFrame::kLeft, CChildFrame::kTop, CChildFrame::kWidth,
                       CChildFrame::kHeight);
    DocumentSession& session = child->Session();
    connect(&session, &DocumentSession::TransferRunningChanged, this,
            [this] { UpdateCommandUI(); });
    connect(&session, &DocumentSession::TransferEnded, this, &CMainFrame::OnTransferEnded);
    CProgramView& view = child->View();
    connect(view.Grid(), &ChannelGrid::ContextMenuAt, this, [this](const QPoint& globalPos) {
        UpdateCommandUI();
        m_commands->GridMenu()->popup(globalPos);
    });
    ShowMenuSet(true);
    child->show();
    view.OnInitialUpdate();
    // The history starts from the decoded document.
    child->History().MarkClean();
    FitChildrenToWorkspace();
    m_mdi->setActiveSubWindow(child);
    m_activeChild = child;
    UpdateCaption();
    UpdateCommandUI();
    return child;
}

void CMainFrame::FitChildrenToWorkspace() {
    // Until the window is shown the workspace has no size of its own yet.
    if (!m_mdi->isVisible()) {
        return;
    }
    for (CChildFrame* child : Children()) {
        child->FitInto(m_mdi->viewport()->size());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The workspace changed size, or a document window did (the screen
    // scaling resizes it).
    if (event->type() == QEvent::Resize &&
        (watched == m_mdi->viewport() || qobject_cast<CChildFrame*>(watched))) {
        FitChildrenToWorkspace();
    }
    // A document window came into sight, went out of it, or its caption
    // changed: the main window's caption follows.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowTitleChange:
    case QEvent::ModifiedChange:
    case QEvent::WindowStateChange:
        if (qobject_cast<CChildFrame*>(watched)) {
            UpdateCaption();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::DeleteChild(CChildFrame* child) {
    if (m_activeChild == child) {
        m_activeChild = nullptr;
    }
    delete child;
}

void CMainFrame::DestroyChild(CChildFrame* child) {
    DeleteChild(child);
    ShowMenuSet(!Children().empty());
    UpdateCaption();
    UpdateCommandUI();
}

void CMainFrame::HideActiveChild() {
    if (!m_activeChild) {
        return;
    }
    m_activeChild->hide();
    // The topmost window still in sight becomes the active document; with
    // none in sight the hidden one stays the document Channel Information
    // shows again.
    const QList<QMdiSubWindow*> stacked = m_mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto window = stacked.rbegin(); window != stacked.rend(); ++window) {
        auto* child = qobject_cast<CChildFrame*>(*window);
        if (child && !child->isHidden()) {
            // Activated as it stands: a minimised window stays minimised.
            m_mdi->setActiveSubWindow(child);
            m_activeChild = child;
            break;
        }
    }
    UpdateCaption();
    UpdateCommandUI();
}

void CMainFrame::OnChildActivated(QWidget* window) {
    if (auto* child = qobject_cast<CChildFrame*>(window)) {
        m_activeChild = child;
    }
    UpdateCaption();
}

void CMainFrame::BringToFront(CChildFrame* child) {
    if (child->isHidden() || child->isMinimized()) {
        child->showNormal();
    }
    m_mdi->setActiveSubWindow(child);
    child->raise();
    m_activeChild = child;
}

void CMainFrame::ShowActiveFrame() {
    if (m_activeChild) {
        m_activeChild->showNormal();
        m_mdi->setActiveSubWindow(m_activeChild);
    } else {
        showNormal();
    }
}

bool CMainFrame::TransferRunning() const {
    for (const CChildFrame* child : Children()) {
        if (child->Session().IsTransferRunning()) {
            return true;
        }
    }
    return false;
}
