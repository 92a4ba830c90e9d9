#include "shell/main_frame.h"

#include "model/program_document.h"
#include "shell/background_painter.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/language_text.h"
#include "shell/navigation_bar.h"
#include "shell/program_view.h"
#include "ui/help_service.h"
#include "ui/image_dialog.h"
#include "ui/message_service.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// The signalling editors offered when [Setup] "ShowSignalling" is 1, in the
// order of the Edit menu and the tree.
const std::pair<int, const char*> kSignallingCommands[] = {
    {ID_DTMF, QT_TRANSLATE_NOOP("CMainFrame", "DTMF")},
    {ID_TWO_TONE, QT_TRANSLATE_NOOP("CMainFrame", "2-Tone")},
    {ID_MSK, QT_TRANSLATE_NOOP("CMainFrame", "MSK")},
    {ID_KEY_ASSIGNMENT, QT_TRANSLATE_NOOP("CMainFrame", "Key Assignment")},
    {ID_SQUELCH_TUNING, QT_TRANSLATE_NOOP("CMainFrame", "Squelch Tuning")},
};

// The help context of a window resource: the framework's base for resource
// help ids (0x20000) less the 0x10000 that the help call subtracts.
constexpr int kResourceHelpBase = 0x10000;
constexpr int kMenuNoDocument = 128;
constexpr int kMenuDocument = 129;

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(LanguageText("Title"));
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    CBackgroundPainter::Attach(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window) { OnChildActivated(window); });

    setAcceptDrops(true);
    CreateMenus();
    CreateToolBar();
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
    AddTreeChild(tr("Product Information"));
    AddTreeChild(tr("Channel Information"));
    AddTreeChild(tr("Optional Features"));
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { OnTreeSelectionChanged(); });
}

void CMainFrame::AddTreeChild(const QString& text) {
    new QTreeWidgetItem(m_root, QStringList(text));
}

void CMainFrame::AddSignallingCommands() {
    QAction* keyAssignment = nullptr;
    for (QAction* action : m_editMenu->actions()) {
        if (action->data().toInt() == ID_KEY_ASSIGNMENT) {
            keyAssignment = action;
        }
    }
    for (const auto& [id, text] : kSignallingCommands) {
        AddTreeChild(tr(text));
        if (id == ID_TWO_TONE || id == ID_MSK) {
            m_editMenu->insertAction(keyAssignment, MakeAction(id, tr(text)));
        } else if (id == ID_SQUELCH_TUNING) {
            m_editMenu->addAction(MakeAction(id, tr(text)));
        }
    }
}

void CMainFrame::OnTreeSelectionChanged() {
    // The item under the pointer decides, not the item the selection moved
    // to: arrow keys open what lies under the pointer, or nothing.
    const QPoint pointer = m_tree->viewport()->mapFromGlobal(QCursor::pos());
    if (const QTreeWidgetItem* item = m_tree->itemAt(pointer)) {
        const QString text = item->text(0);
        std::vector<std::pair<int, QString>> routes{
            {ID_CHANNEL_INFORMATION, tr("Channel Information")},
            {ID_OPTIONAL_FEATURES, tr("Optional Features")},
            {ID_PRODUCT_INFORMATION, tr("Product Information")}};
        if (m_root->childCount() > 3) {
            for (const auto& [id, name] : kSignallingCommands) {
                routes.emplace_back(id, tr(name));
            }
        }
        for (const auto& [id, name] : routes) {
            if (item != m_root && text == name) {
                OnCommand(id);
                break;
            }
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
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_ABOUT:
    case ID_FILE_PRINT_SETUP:
        if (!TransferRunning()) {
            emit applicationCommand(id);
        }
        break;
    case ID_APP_EXIT:
        close();
        break;
    case ID_FILE_CLOSE:
        if (!TransferRunning()) {
            HideActiveChild();
        }
        break;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        if (!TransferRunning()) {
            SaveDocument(id == ID_FILE_SAVE_AS);
        }
        break;
    case ID_CHANNEL_INFORMATION:
        ShowActiveFrame();
        break;
    case ID_CONTROL_BAR:
        ToggleNavigation();
        break;
    case ID_VIEW_TOOLBAR:
        if (auto* bar = findChild<QToolBar*>(QString::number(ID_VIEW_TOOLBAR))) {
            bar->setVisible(bar->isHidden());
        }
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(statusBar()->isHidden());
        break;
    case ID_HELP_TOPICS:
        HelpService::DisplayTopic(this);
        break;
    case ID_HELP:
        HelpService::ShowContext(this, kResourceHelpBase +
                                           (m_activeChild ? kMenuDocument : kMenuNoDocument));
        break;
    case ID_PROGRAM_READ:
        if (m_activeChild) {
            m_activeChild->View().OnProgramRead();
        }
        break;
    case ID_PROGRAM_WRITE:
        if (m_activeChild) {
            m_activeChild->View().OnProgramWrite();
        }
        break;
    case ID_COM_SETUP:
        if (m_activeChild) {
            m_activeChild->View().OnSetupCom();
        }
        break;
    default:
        RunEditor(id);
        break;
    }
    UpdateCommandUI();
}

QAction* CMainFrame::CommandAction(int id) const {
    if (const auto it = m_accelerators.find(id); it != m_accelerators.end()) {
        return it->second;
    }
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

std::vector<QMenu*> CMainFrame::CurrentMenus() const {
    return m_showingDocumentMenus ? m_menusDoc : m_menusNoDoc;
}

void CMainFrame::UpdateCommandUI() {
    const auto* toolBar = findChild<QToolBar*>(QString::number(ID_VIEW_TOOLBAR));
    const std::pair<int, bool> checks[] = {
        {ID_VIEW_TOOLBAR, toolBar && !toolBar->isHidden()},
        {ID_VIEW_STATUS_BAR, !statusBar()->isHidden()},
        {ID_CONTROL_BAR, m_navigation && !m_navigation->isHidden()}};
    for (const auto& [id, checked] : checks) {
        const auto [first, last] = m_actions.equal_range(id);
        for (auto it = first; it != last; ++it) {
            if (it->second->isCheckable()) {
                it->second->setChecked(checked);
            }
        }
    }
    // While a transfer runs nothing may start another one, close a document
    // or change the image the transfer works on.
    const bool idle = !TransferRunning();
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS,
                   ID_APP_EXIT, ID_PROGRAM_READ, ID_PROGRAM_WRITE, ID_COM_SETUP,
                   ID_PRODUCT_INFORMATION, ID_OPTIONAL_FEATURES, ID_DTMF, ID_TWO_TONE, ID_MSK,
                   ID_KEY_ASSIGNMENT, ID_SQUELCH_TUNING}) {
        const auto [first, last] = m_actions.equal_range(id);
        for (auto it = first; it != last; ++it) {
            it->second->setEnabled(idle);
        }
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction()) {
            HelpService::ShowContext(this, menu->activeAction()->data().toInt());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    child->setGeometry(CChildFrame::kLeft, CChildFrame::kTop, CChildFrame::kWidth,
                       CChildFrame::kHeight);
    CProgramView& view = child->View();
    connect(&view, &CProgramView::TransferRunningChanged, this, [this] { UpdateCommandUI(); });
    // The document tracks changes since it was last saved or read: an edit
    // changes it, a completed read leaves it equal to the radio.
    CProgramDoc& document = child->Document();
    connect(&view, &CProgramView::ChannelsEdited, this,
            [&document] { document.SetModified(true); });
    connect(&view, &CProgramView::ChannelsRead, this, [&document] { document.SetModified(false); });
    ShowMenuSet(true);
    child->show();
    view.OnInitialUpdate();
    m_mdi->setActiveSubWindow(child);
    m_activeChild = child;
    UpdateCommandUI();
    return child;
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

void CMainFrame::ShowActiveFrame() {
    if (m_activeChild) {
        m_activeChild->showNormal();
        m_mdi->setActiveSubWindow(m_activeChild);
    } else {
        showNormal();
    }
}

void CMainFrame::ToggleNavigation() {
    m_navigation->setVisible(m_navigation->isHidden());
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
    // A running read would overwrite what a dialog changes in the image.
    if (it == m_editors.end() || !child || TransferRunning()) {
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
    CProgramDoc& doc = child->Document();
    const RadioImage before = doc.Image();
    dialog->DoModal(doc.Image());
    if (doc.Image() != before) {
        doc.SetModified(true);
    }
    if (!editor.reused) {
        delete dialog;
    }
}

// Saving and quitting ------------------------------------------------------

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
        path =
            AskSaveFileName(info.isRelative() && !path.isEmpty() ? info.absoluteFilePath() : path);
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
    doc.SetModified(false);
    return true;
}

QString CMainFrame::AskSaveFileName(const QString& suggested) {
    if (m_askSaveFileName) {
        return m_askSaveFileName(suggested);
    }
    return QFileDialog::getSaveFileName(this, tr("Save As"), suggested, tr("*.dat (*.dat)"));
}

bool CMainFrame::ConfirmDiscardChanges() {
    for (CChildFrame* child : Children()) {
        // An entry still open in a cell editor counts as a change.
        child->View().CommitCellEdit();
        CProgramDoc& doc = child->Document();
        if (!doc.IsModified()) {
            continue;
        }
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
