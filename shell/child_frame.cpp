#include "shell/child_frame.h"

#include "model/program_document.h"
#include "shell/document_history.h"
#include "shell/program_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc)) {
    m_view = new CProgramView(m_doc->Image(), this);
    setWidget(m_view);
    // Saving moves what the grid shows into the image first, including an
    // entry still open in a cell editor (Ctrl+S and the toolbar leave the
    // editor open, and its text would otherwise be missing from the file).
    m_doc->SetSaveHook([this](RadioImage&) {
        m_view->CommitCellEdit();
        m_view->EncodeChannels();
    });
    m_history = new DocumentHistory(*m_doc, *m_view);
    connect(m_view, &CProgramView::ChannelsEdited, m_history,
            [this] { m_history->Record(tr("Edit Cell")); });
    connect(m_view, &CProgramView::ChannelsChanged, m_history, &DocumentHistory::Record);
    // A completed read is undone like any change, and leaves the document
    // equal to the radio.
    connect(m_view, &CProgramView::ChannelsRead, m_history, [this] {
        m_history->Record(tr("Read"));
        m_history->MarkClean();
    });
    setWindowTitle(QString::fromUtf8(ChannelWindowTitle()));
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
    // The history and the view work on the document: they go first.
    delete m_history;
    delete m_view;
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
    if (!m_view->IsTransferRunning()) {
        hide();
    }
}
