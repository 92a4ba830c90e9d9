#include "shell/main_frame.h"

#include "grid/channel_grid.h"
#include "model/channel_codec.h"
#include "model/image_compare.h"
#include "model/program_document.h"
#include "shell/background_painter.h"
#include "shell/child_frame.h"
#include "shell/command_bars.h"
#include "shell/compare_dialog.h"
#include "shell/compare_show.h"
#include "shell/document_history.h"
#include "shell/language_text.h"
#include "shell/navigation_bar.h"
#include "shell/program_view.h"
#include "ui/help_service.h"
#include "ui/image_dialog.h"
#include "ui/message_service.h"
#include "ui/user_store.h"
#include "ui/writable_paths.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
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
// How long the status bar tells of a completed transfer.
constexpr int kTransferNoticeMs = 8000;

// One callable made of several lambdas, one for each alternative of a variant.
template <typename... Fns> struct Overloaded : Fns... { using Fns::operator()...; };
template <typename... Fns> Overloaded(Fns...) -> Overloaded<Fns...>;

} // namespace

CMainFrame::CMainFrame(const CommandOptions& options, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(LanguageText("Title"));
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    CBackgroundPainter::Attach(m_mdi);
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
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    // The document windows go first, while the frame they report to exists.
    for (CChildFrame* child : Children()) {
        delete child;
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

void CMainFrame::OnTransferEnded(TransferDirection direction, TransferOutcome outcome,
                                 int channels, qint64 elapsedMs) {
    // A completed transfer says so for a while, without a box to answer;
    // any transfer replaces the start-up hints.
    QString text = tr("Ready");
    if (outcome == TransferOutcome::Completed) {
        const QString seconds = QString::number(static_cast<double>(elapsedMs) / 1000.0, 'f', 1);
        text = (direction == TransferDirection::Read
                    ? tr("Read from the radio in %1 s; channels in use: %2.")
                    : tr("Written to the radio in %1 s; channels in use: %2."))
                   .arg(seconds)
                   .arg(channels);
    }
    SetStatusMessage(text);
    QTimer::singleShot(kTransferNoticeMs, this, [this, text] {
        if (StatusMessage() == text) {
            SetStatusMessage(tr("Ready"));
        }
    });
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
    auto* bar = new CNavigationBar(dock);
    dock->setWidget(bar);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    m_navigation = dock;
    connect(bar, &CNavigationBar::closeRequested, this, [this] { OnCommand(ID_CONTROL_BAR); });

    m_tree = bar->Tree();
    m_tree->setRootIsDecorated(true);

    m_root = new QTreeWidgetItem(m_tree, QStringList(LanguageText("Company")));
    m_commands->AddTreeItems(*m_root);
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
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

void CMainFrame::OnCommand(int id) {
    if (const Command* command = FindCommand(id);
        command && (command->allowedDuringTransfer || !TransferRunning())) {
        Route(*command);
    }
    UpdateCommandUI();
}

void CMainFrame::Route(const Command& command) {
    std::visit(Overloaded{
                   [this, &command](Receiver receiver) { RouteTo(receiver, command.id); },
                   [this](FrameHandler handler) { (this->*handler)(); },
                   [this](ViewHandler handler) {
                       if (m_activeChild) {
                           (m_activeChild->View().*handler)();
                       }
                   },
                   [this](Panel panel) {
                       QWidget* widget = PanelWidget(panel);
                       widget->setVisible(widget->isHidden());
                   },
                   [](SafetySetting setting) { ToggleSafetySetting(setting); },
               },
               command.handler);
}

void CMainFrame::RouteTo(Receiver receiver, int id) {
    switch (receiver) {
    case Receiver::Application:
        emit applicationCommand(id);
        break;
    case Receiver::EditorDialog:
        RunEditor(id);
        break;
    case Receiver::Nobody:
        break;
    }
}

QWidget* CMainFrame::PanelWidget(Panel panel) const {
    switch (panel) {
    case Panel::ToolBar:
        return m_commands->ToolBar();
    case Panel::StatusBar:
        return statusBar();
    case Panel::NavigationBar:
        break;
    }
    return m_navigation;
}

QAction* CMainFrame::CommandAction(int id) const {
    return m_commands->CommandAction(id);
}

const std::vector<QMenu*>& CMainFrame::MenusWithoutDocument() const {
    return m_commands->MenusWithoutDocument();
}

const std::vector<QMenu*>& CMainFrame::MenusWithDocument() const {
    return m_commands->MenusWithDocument();
}

std::vector<QMenu*> CMainFrame::CurrentMenus() const {
    return m_showingDocumentMenus ? MenusWithDocument() : MenusWithoutDocument();
}

void CMainFrame::ShowMenuSet(bool withDocument) {
    if (withDocument == m_showingDocumentMenus && !menuBar()->actions().isEmpty()) {
        return;
    }
    m_showingDocumentMenus = withDocument;
    menuBar()->clear();
    for (QMenu* menu : CurrentMenus()) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::UpdateCommandUI() {
    const bool idle = !TransferRunning();
    for (const Command& command : CommandTable()) {
        const Panel* panel = std::get_if<Panel>(&command.handler);
        const SafetySetting* setting = std::get_if<SafetySetting>(&command.handler);
        for (QAction* action : m_commands->Actions(command.id)) {
            if (panel && action->isCheckable()) {
                action->setChecked(!PanelWidget(*panel)->isHidden());
            }
            if (setting && action->isCheckable()) {
                action->setChecked(IsSafetySettingOn(*setting));
            }
            if (!command.allowedDuringTransfer) {
                action->setEnabled(idle);
            }
        }
    }
}

QString CMainFrame::ChooseFromHistory(CRadioHistoryDlg::Purpose purpose) {
    if (m_chooseHistory) {
        return m_chooseHistory(purpose);
    }
    CRadioHistoryDlg dialog(RadioHistoryDir(), purpose, this);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenPath() : QString();
}

void CMainFrame::OnRadioHistory() {
    const QString path = ChooseFromHistory(CRadioHistoryDlg::Purpose::Open);
    if (!path.isEmpty()) {
        emit openDocumentRequested(path);
    }
}

void CMainFrame::OnCompareWith() {
    if (!m_activeChild) {
        return;
    }
    const QString path = ChooseFromHistory(CRadioHistoryDlg::Purpose::Compare);
    if (path.isEmpty()) {
        return;
    }
    RadioImage other;
    if (const FileResult read = ReadDatFile(QFile::encodeName(path).toStdString(), other);
        !read.Ok()) {
        MessageService::Show(this, QString::fromStdString(read.message), MessageButtons::Ok,
                             MessageIcon::Exclamation);
        return;
    }
    // What the grid shows is what the document holds; the other file is
    // taken as its records would stand once opened, so that what the
    // encode rewrites unseen is not listed.
    CProgramView& view = m_activeChild->View();
    if (!view.CommitCellEdit()) {
        return;
    }
    view.EncodeChannels();
    RoundTripChannelRecords(other);
    CCompareDlg dialog(compare::CompareImages(m_activeChild->Document().Image(), other),
                       QFileInfo(path).fileName(), this);
    connect(&dialog, &CCompareDlg::showRequested, this,
            [this, &view, &dialog](const compare::Difference& difference) {
                ShowDifference(*this, view, dialog, difference);
            });
    dialog.exec();
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnHelpTopics() {
    HelpService::DisplayTopic(this);
}

void CMainFrame::OnEditUndo() {
    if (m_activeChild) {
        m_activeChild->History().Undo();
    }
}

void CMainFrame::OnEditRedo() {
    if (m_activeChild) {
        m_activeChild->History().Redo();
    }
}

void CMainFrame::OnContextHelp() {
    HelpService::ShowContext(this,
                             kResourceHelpBase + (m_activeChild ? kMenuDocument : kMenuNoDocument));
}

// Documents ----------------------------------------------------------------

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

CChildFrame* CMainFrame::AddDocumentWindow(std::unique_ptr<CProgramDoc> doc) {
    auto* child = new CChildFrame(std::move(doc));
    m_mdi->addSubWindow(child);
    child->installEventFilter(this);
    child->setGeometry(CChildFrame::kLeft, CChildFrame::kTop, CChildFrame::kWidth,
                       CChildFrame::kHeight);
    CProgramView& view = child->View();
    connect(&view, &CProgramView::TransferRunningChanged, this, [this] { UpdateCommandUI(); });
    connect(&view, &CProgramView::TransferEnded, this, &CMainFrame::OnTransferEnded);
    view.Grid()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view.Grid(), &QWidget::customContextMenuRequested, this,
            [this, grid = view.Grid()](const QPoint& pos) {
                UpdateCommandUI();
                m_commands->GridMenu()->popup(grid->viewport()->mapToGlobal(pos));
            });
    ShowMenuSet(true);
    child->show();
    view.OnInitialUpdate();
    // The history starts from the decoded document.
    child->History().MarkClean();
    FitChildrenToWorkspace();
    m_mdi->setActiveSubWindow(child);
    m_activeChild = child;
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
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::DestroyChild(CChildFrame* child) {
    delete child;
    ShowMenuSet(!Children().empty());
    UpdateCommandUI();
}

void CMainFrame::HideActiveChild() {
    if (m_activeChild) {
        m_activeChild->hide();
    }
}

void CMainFrame::OnChildActivated(QWidget* window) {
    if (auto* child = qobject_cast<CChildFrame*>(window)) {
        m_activeChild = child;
    }
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
        if (child->View().IsTransferRunning()) {
            return true;
        }
    }
    return false;
}

// Editors ------------------------------------------------------------------

void CMainFrame::SetEditorDialog(int id, DialogFactory factory, bool reused) {
    EditorDialog& editor = m_editors[id];
    delete editor.instance;
    editor = EditorDialog{std::move(factory), reused, nullptr};
}

void CMainFrame::RunEditor(int id) {
    const auto it = m_editors.find(id);
    CChildFrame* child = m_activeChild;
    if (it == m_editors.end() || !child) {
        return;
    }
    EditorDialog& editor = it->second;
    ImageDialog* dialog = editor.instance;
    if (!dialog) {
        dialog = editor.factory(this);
    }
    if (editor.reused) {
        editor.instance = dialog;
    }
    dialog->DoModal(child->Document().Image());
    // OK that changed the image is a step of the document's history.
    child->History().Record(CommandText(FindCommand(id)->text));
    if (!editor.reused) {
        delete dialog;
    }
}

// Saving and quitting ------------------------------------------------------

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
            : QDir(UserStore::ReadFileFolder(UserStore::CurrentAppName())).filePath(suggested);
    const QString path =
        m_askSaveFileName
            ? m_askSaveFileName(start)
            : QFileDialog::getSaveFileName(this, tr("Save As"), start, tr("*.dat (*.dat)"));
    if (!path.isEmpty()) {
        UserStore::WriteFileFolder(UserStore::CurrentAppName(), path);
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
