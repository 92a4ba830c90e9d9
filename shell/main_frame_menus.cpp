// The menus, the toolbar, the accelerators and the status bar of the main
// window.

#include "shell/command_ids.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

constexpr int kSeparator = 0;

using MenuItems = std::vector<std::pair<int, const char*>>;

// Menu 128: no document open.
const MenuItems kFileNoDoc{
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&New\tCtrl+N")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "&Open...\tCtrl+O")},
    {kSeparator, nullptr},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup...")},
    {kSeparator, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "E&xit")}};
const MenuItems kViewNoDoc{{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar")},
                           {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar")}};
const MenuItems kHelpNoDoc{{ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About ...")}};

// Menu 129: a document open.
const MenuItems kFileDoc{{ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&New\tCtrl+N")},
                         {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "&Open...\tCtrl+O")},
                         {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CMainFrame", "&Close")},
                         {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "&Save\tCtrl+S")},
                         {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "Save &As...")},
                         {kSeparator, nullptr},
                         {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "&Print...\tCtrl+P")},
                         {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "Print Preview")},
                         {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "Print Setup...")},
                         {kSeparator, nullptr},
                         {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "&Exit")}};
const MenuItems kEditDoc{
    {ID_PRODUCT_INFORMATION, QT_TRANSLATE_NOOP("CMainFrame", "Product Information")},
    {ID_CHANNEL_INFORMATION, QT_TRANSLATE_NOOP("CMainFrame", "Channel Information")},
    {kSeparator, nullptr},
    {ID_OPTIONAL_FEATURES, QT_TRANSLATE_NOOP("CMainFrame", "Optional Features")},
    {kSeparator, nullptr},
    {ID_DTMF, QT_TRANSLATE_NOOP("CMainFrame", "DTMF")},
    {ID_KEY_ASSIGNMENT, QT_TRANSLATE_NOOP("CMainFrame", "Key Assignment")}};
const MenuItems kProgramDoc{{ID_PROGRAM_READ, QT_TRANSLATE_NOOP("CMainFrame", "&Read    Ctrl+R")},
                            {ID_PROGRAM_WRITE, QT_TRANSLATE_NOOP("CMainFrame", "&Write   Ctrl+W")}};
const MenuItems kSetupDoc{{ID_COM_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "Com Setup")},
                          {ID_LANGUAGE, QT_TRANSLATE_NOOP("CMainFrame", "Language")}};
const MenuItems kViewDoc{
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar")},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar")},
    {kSeparator, nullptr},
    {ID_CONTROL_BAR, QT_TRANSLATE_NOOP("CMainFrame", "Control &Bar   Ctrl+B")}};
const MenuItems kHelpDoc{{ID_HELP_TOPICS, QT_TRANSLATE_NOOP("CMainFrame", "&Help Topics")},
                         {kSeparator, nullptr},
                         {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About ...")}};

// Accelerator table 128. Copy, cut, paste and undo are left to the edit
// controls, which handle those keys themselves.
const std::vector<std::pair<int, QKeySequence>> kAccelerators{
    {ID_CONTROL_BAR, QKeySequence(Qt::CTRL | Qt::Key_B)},
    {ID_FILE_NEW, QKeySequence(Qt::CTRL | Qt::Key_N)},
    {ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {ID_FILE_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P)},
    {ID_PROGRAM_READ, QKeySequence(Qt::CTRL | Qt::Key_R)},
    {ID_FILE_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {ID_HELP, QKeySequence(Qt::Key_F1)},
    {ID_PROGRAM_WRITE, QKeySequence(Qt::CTRL | Qt::Key_W)},
};

bool IsCheckCommand(int id) {
    return id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR || id == ID_CONTROL_BAR;
}

} // namespace

QAction* CMainFrame::MakeAction(int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setObjectName(QString::number(id));
    action->setCheckable(IsCheckCommand(id));
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

QMenu* CMainFrame::MakeMenu(const QString& title, const MenuItems& items) {
    auto* menu = new QMenu(title, this);
    for (const auto& [id, text] : items) {
        if (id == kSeparator) {
            menu->addSeparator();
        } else {
            menu->addAction(MakeAction(id, tr(text)));
        }
    }
    // F1 on a highlighted menu item asks for the help of that command.
    menu->installEventFilter(this);
    return menu;
}

void CMainFrame::CreateMenus() {
    m_menusNoDoc = {MakeMenu(tr("&File"), kFileNoDoc), MakeMenu(tr("&View"), kViewNoDoc),
                    MakeMenu(tr("&Help"), kHelpNoDoc)};
    m_editMenu = MakeMenu(tr("&Edit"), kEditDoc);
    m_setupMenu = MakeMenu(tr("&Setup"), kSetupDoc);
    m_menusDoc = {MakeMenu(tr("&File"), kFileDoc),       m_editMenu,
                  MakeMenu(tr("&Program"), kProgramDoc), m_setupMenu,
                  MakeMenu(tr("&View"), kViewDoc),       MakeMenu(tr("&Help"), kHelpDoc)};
    for (const auto& [id, keys] : kAccelerators) {
        QAction* action = MakeAction(id, {});
        action->setShortcut(keys);
        action->setCheckable(false);
        addAction(action);
        m_accelerators[id] = action;
    }
    ShowMenuSet(false);
}

void CMainFrame::ShowMenuSet(bool withDocument) {
    if (withDocument == m_showingDocumentMenus && !menuBar()->actions().isEmpty()) {
        return;
    }
    m_showingDocumentMenus = withDocument;
    menuBar()->clear();
    for (QMenu* menu : withDocument ? m_menusDoc : m_menusNoDoc) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::CreateToolBar() {
    struct Button {
        int id;
        QStyle::StandardPixmap icon;
        const char* tip;
        const char* prompt;
    };
    static const Button kButtons[] = {
        {ID_FILE_NEW, QStyle::SP_FileIcon, QT_TR_NOOP("New"), QT_TR_NOOP("Create a new document")},
        {ID_FILE_OPEN, QStyle::SP_DialogOpenButton, QT_TR_NOOP("Open"),
         QT_TR_NOOP("Open an existing document")},
        {ID_FILE_SAVE, QStyle::SP_DialogSaveButton, QT_TR_NOOP("Save"),
         QT_TR_NOOP("Save the active document")},
        {kSeparator, {}, nullptr, nullptr},
        {ID_PROGRAM_READ, QStyle::SP_ArrowDown, QT_TR_NOOP("Read"),
         QT_TR_NOOP("Read Data From Radio")},
        {kSeparator, {}, nullptr, nullptr},
        {ID_PROGRAM_WRITE, QStyle::SP_ArrowUp, QT_TR_NOOP("Write"),
         QT_TR_NOOP("Write Data To Radio")},
        {kSeparator, {}, nullptr, nullptr},
        {ID_FILE_PRINT, QStyle::SP_FileDialogDetailedView, QT_TR_NOOP("Print"),
         QT_TR_NOOP("Print the active document")},
        {ID_APP_ABOUT, QStyle::SP_MessageBoxInformation, QT_TR_NOOP("About"),
         QT_TR_NOOP("Display program information, version number and copyright")},
    };
    auto* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QString::number(ID_VIEW_TOOLBAR));
    bar->setIconSize(QSize(18, 19));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const Button& button : kButtons) {
        if (button.id == kSeparator) {
            bar->addSeparator();
            continue;
        }
        QAction* action = MakeAction(button.id, tr(button.tip));
        action->setIcon(style()->standardIcon(button.icon));
        action->setStatusTip(tr(button.prompt));
        bar->addAction(action);
    }
    connect(bar, &QToolBar::visibilityChanged, this, [this] { UpdateCommandUI(); });
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

QString CMainFrame::StatusMessage() const {
    return statusBar()->findChild<QLabel*>(QStringLiteral("0"))->text();
}

void CMainFrame::RemoveLanguageCommand() {
    for (QAction* action : m_setupMenu->actions()) {
        if (action->data().toInt() == ID_LANGUAGE) {
            m_setupMenu->removeAction(action);
        }
    }
}

void CMainFrame::PruneEditMenu() {
    auto removeCommand = [this](int id) {
        for (QAction* action : m_editMenu->actions()) {
            if (action->data().toInt() == id) {
                m_editMenu->removeAction(action);
                return;
            }
        }
    };
    removeCommand(ID_KEY_ASSIGNMENT);
    removeCommand(ID_DTMF);
    const QList<QAction*> items = m_editMenu->actions();
    if (items.size() > 4) {
        m_editMenu->removeAction(items[4]);
    }
}
