// The main window itself: its workspace, status bar and navigation panel,
// the help commands and files dropped onto it.

#include "shell/main_frame.h"

#include "settings/program_context.h"
#include "shell/background_painter.h"
#include "shell/child_frame.h"
#include "shell/command_bars.h"
#include "shell/recent_files.h"
#include "ui/help_service.h"
#include "ui/language_text.h"
#include "ui/navigation_bar.h"

#include <QCursor>
#include <QDockWidget>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// The help context of a window resource: the framework's base for resource
// help ids (0x20000) less the 0x10000 that the help call subtracts.
constexpr int kResourceHelpBase = 0x10000;
constexpr int kMenuNoDocument = 128;
constexpr int kMenuDocument = 129;

} // namespace

CMainFrame::CMainFrame(const CommandOptions& options, ProgramContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_appTitle(LanguageText(context, "Title")) {
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    CBackgroundPainter::Attach(m_mdi, m_context.strAppDir);
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window) { OnChildActivated(window); });

    setAcceptDrops(true);
    m_commands = std::make_unique<CommandBars>(*this, options, [this](int id) { OnCommand(id); });
    ShowMenuSet(false);
    connect(m_commands->ToolBar(), &QToolBar::visibilityChanged, this,
            [this] { UpdateCommandUI(); });
    CreateStatusBar();
    CreateNavigation();
    m_recent = new RecentFiles(m_context.AppName(), this);
    connect(m_recent, &RecentFiles::chosen, this, &CMainFrame::OnRecentFileChosen);
    // The lists of the File and Window menus are made when they open.
    for (const bool documentMenus : {false, true}) {
        if (QMenu* file = PopupMenu(Popup::File, documentMenus)) {
            connect(file, &QMenu::aboutToShow, this, [this, file] { FillRecentFiles(*file); });
        }
    }
    if (QMenu* window = PopupMenu(Popup::Window, true)) {
        connect(window, &QMenu::aboutToShow, this, [this, window] { FillWindowMenu(*window); });
    }
    UpdateCaption();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    // The document windows go first, while the frame they report to exists;
    // a window being destroyed is no longer activated.
    disconnect(m_mdi, &QMdiArea::subWindowActivated, this, nullptr);
    for (CChildFrame* child : Children()) {
        DeleteChild(child);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(ID_VIEW_STATUS_BAR));
    auto* message = new QLabel(tr("Ready"), bar);
    message->setObjectName(QStringLiteral("0"));
    bar->addWidget(message, 1);
    // The key indicators: shown in grey, since the lock keys' state cannot be
    // read portably.
    const std::pair<int, const char*> indicators[] = {{ID_INDICATOR_CAPS, QT_TR_NOOP("CAP")},
                                                      {ID_INDICATOR_NUM, QT_TR_NOOP("NUM")},
                                                      {ID_INDICATOR_SCRL, QT_TR_NOOP("SCRL")}};
    for (const auto& [id, text] : indicators) {
        auto* pane = new QLabel(tr(text), bar);
        pane->setObjectName(QString::number(id));
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::SetStatusMessage(const QString& text) {
    statusBar()->findChild<QLabel*>(QStringLiteral("0"))->setText(text);
}

void CMainFrame::OnTransferEnded(TransferOutcome outcome, int channels, const QString& resultLine) {
    // What the transfer did, without a box to answer, until the next message
    // replaces it (it replaces the start-up hints too); after a completed one
    // with the channels the grid now holds.
    QString text = resultLine;
    if (outcome == TransferOutcome::Completed) {
        text += tr("; channels in use: %1.").arg(channels);
    }
    SetStatusMessage(text);
}

QString CMainFrame::StatusMessage() const {
    return statusBar()->findChild<QLabel*>(QStringLiteral("0"))->text();
}

void CMainFrame::CreateNavigation() {
    // The bar stays at the left edge: a dock without a title bar of its own,
    // so that it can be neither dragged away nor floated.
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("100"));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(Qt::LeftDockWidgetArea);
    auto* noTitle = new QWidget(dock);
    noTitle->setFixedSize(0, 0);
    // An empty layout gives the stand-in title a size hint of 0 x 0 rather
    // than the invalid one that would make the dock's minimum height -1.
    (new QHBoxLayout(noTitle))->setContentsMargins(0, 0, 0, 0);
    dock->setTitleBarWidget(noTitle);
    auto* bar = new CNavigationBar(m_context, dock);
    dock->setWidget(bar);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    m_navigation = dock;
    connect(bar, &CNavigationBar::closeRequested, this, [this] { OnCommand(ID_CONTROL_BAR); });

    m_tree = bar->Tree();
    m_tree->setRootIsDecorated(true);

    m_root = new QTreeWidgetItem(m_tree, QStringList(LanguageText(m_context, "Company")));
    m_commands->AddTreeItems(*m_root);
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
    bar->FitToTree();
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { OnTreeSelectionChanged(); });
}

void CMainFrame::OnTreeSelectionChanged() {
    // The item under the pointer decides, not the item the selection moved
    // to: arrow keys open what lies under the pointer, or nothing. The root
    // carries no command.
    const QPoint pointer = m_tree->viewport()->mapFromGlobal(QCursor::pos());
    if (const QTreeWidgetItem* item = m_tree->itemAt(pointer)) {
        if (const QVariant id = item->data(0, kCommandIdRole); id.isValid()) {
            OnCommand(id.toInt());
        }
    }
    // The root is selected again so that the same item can be chosen twice;
    // once more after a click is handled, since the tree then selects the
    // clicked item.
    const QSignalBlocker blocker(m_tree);
    m_tree->setCurrentItem(m_root);
    QTimer::singleShot(0, m_tree, [tree = m_tree] {
        const QSignalBlocker again(tree);
        tree->setCurrentItem(tree->topLevelItem(0));
    });
}

void CMainFrame::OnHelpTopics() {
    HelpService::DisplayTopic(this);
}

void CMainFrame::OnContextHelp() {
    HelpService::ShowContext(this,
                             kResourceHelpBase + (m_activeChild ? kMenuDocument : kMenuNoDocument));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (TransferRunning()) {
        return;
    }
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            emit fileDropped(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}
