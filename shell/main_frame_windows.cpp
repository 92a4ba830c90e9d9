// Finding the documents: the Window menu (arranging the document windows,
// stepping through them and the list of every open document), the main
// window's caption that follows the active document, and the recently used
// files of the File menu.

#include "shell/main_frame.h"

#include "shell/child_frame.h"
#include "shell/command_bars.h"
#include "shell/recent_files.h"
#include "ui/message_service.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <algorithm>

QMenu* CMainFrame::PopupMenu(Popup popup, bool documentMenus) const {
    return m_commands->PopupMenu(popup, documentMenus);
}

void CMainFrame::OnWindowCascade() {
    // Each window in sight keeps the size a document window opens with (as
    // far as the workspace allows) and stands one caption lower and to the
    // right of the one before; the active window comes last, on top. The
    // workspace's own cascade would shrink them to their least size.
    std::vector<CChildFrame*> shown = ShownChildren();
    const auto active = std::find(shown.begin(), shown.end(), m_activeChild.data());
    if (active != shown.end()) {
        std::rotate(active, active + 1, shown.end());
    }
    const QSize workspace = m_mdi->viewport()->size();
    int offset = 0;
    for (CChildFrame* child : shown) {
        child->showNormal();
        const QPoint place(CChildFrame::kLeft + offset, CChildFrame::kTop + offset);
        child->setGeometry(QRect(place, QSize(CChildFrame::kWidth, CChildFrame::kHeight)
                                            .boundedTo(workspace - QSize(place.x(), place.y()))));
        child->raise();
        offset += child->height() - child->widget()->height();
    }
    if (!shown.empty()) {
        BringToFront(shown.back());
    }
}

void CMainFrame::OnWindowTile() {
    m_mdi->tileSubWindows();
}

void CMainFrame::OnWindowNext() {
    CycleWindows(1);
}

void CMainFrame::OnWindowPrevious() {
    CycleWindows(-1);
}

std::vector<CChildFrame*> CMainFrame::ShownChildren() const {
    std::vector<CChildFrame*> shown;
    for (CChildFrame* child : Children()) {
        if (!child->isHidden()) {
            shown.push_back(child);
        }
    }
    return shown;
}

void CMainFrame::CycleWindows(int step) {
    // Only the windows in sight take turns; the Window menu reaches the
    // hidden ones.
    const std::vector<CChildFrame*> shown = ShownChildren();
    if (shown.empty()) {
        return;
    }
    const auto count = static_cast<std::ptrdiff_t>(shown.size());
    const auto at = std::find(shown.begin(), shown.end(), m_activeChild.data()) - shown.begin();
    // From a hidden active window, Next starts at the first and Previous at
    // the last window in sight.
    const std::ptrdiff_t next =
        at == count ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
    BringToFront(shown[static_cast<std::size_t>(next)]);
}

QString CMainFrame::Caption() const {
    const QString program = LiteralWindowTitle(m_appTitle);
    const CChildFrame* child = m_activeChild;
    if (!child || child->isHidden()) {
        return program;
    }
    // A maximised document window's caption stands in brackets, the form
    // the workspace itself gives the main window while it hosts that
    // window's buttons in the menu bar.
    if (child->isMaximized()) {
        return program + QStringLiteral(" - [") + child->windowTitle() + QLatin1Char(']');
    }
    return program.isEmpty() ? child->windowTitle()
                             : program + QStringLiteral(" - ") + child->windowTitle();
}

void CMainFrame::UpdateCaption() {
    m_settingCaption = true;
    setWindowTitle(Caption());
    const CChildFrame* child = m_activeChild;
    setWindowModified(child && !child->isHidden() && child->isWindowModified());
    m_settingCaption = false;
}

void CMainFrame::changeEvent(QEvent* event) {
    // The workspace puts back the caption it found when a maximised window
    // is restored; the active document's caption wins.
    if (event->type() == QEvent::WindowTitleChange && !m_settingCaption &&
        windowTitle() != Caption()) {
        UpdateCaption();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::FillWindowMenu(QMenu& menu) {
    for (const QPointer<QAction>& item : m_windowItems) {
        delete item.data();
    }
    m_windowItems.clear();
    const std::vector<CChildFrame*> children = Children();
    if (children.empty()) {
        return;
    }
    m_windowItems.emplace_back(menu.addSeparator());
    int number = 0;
    for (CChildFrame* child : children) {
        ++number;
        QString title = child->ShownTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // A hidden document is listed, and said to be so: choosing it shows it.
        if (child->isHidden()) {
            title = tr("%1 (hidden)").arg(title);
        }
        // The first nine carry their number as the mnemonic.
        auto* item = menu.addAction(number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                                : QStringLiteral("%1 %2").arg(number).arg(title));
        // F1 on the item tells of the channel window it shows.
        item->setData(ID_CHANNEL_INFORMATION);
        item->setCheckable(true);
        // Only the active document in sight is checked; a hidden one is not
        // active, even while no other window is in sight.
        item->setChecked(child == m_activeChild && !child->isHidden());
        connect(item, &QAction::triggered, this, [this, window = QPointer<CChildFrame>(child)] {
            if (window) {
                BringToFront(window);
                UpdateCaption();
            }
        });
        m_windowItems.emplace_back(item);
    }
}

void CMainFrame::FillRecentFiles(QMenu& menu) {
    const QList<QAction*> actions = menu.actions();
    const auto exit = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
        return action->data().toInt() == ID_APP_EXIT;
    });
    if (exit != actions.end()) {
        m_recent->FillMenu(menu, *exit, !TransferRunning());
    }
}

void CMainFrame::OnRecentFileChosen(const QString& path) {
    if (TransferRunning()) {
        return;
    }
    if (!QFileInfo(path).isFile()) {
        m_recent->Remove(path);
        MessageService::Show(
            this,
            tr("The file %1 cannot be found. It has been removed from the list of recent files.")
                .arg(QDir::toNativeSeparators(path)),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    emit openDocumentRequested(path);
}
