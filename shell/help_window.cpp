#include "shell/help_window.h"

#include "help_ui/help_topics.h"
#include "shell/command_table.h"
#include "ui/field_binding.h"
#include "ui/screen_fit.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A browser that reads the pages of a help file through its engine.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QWidget* parent, const CHelpWindow& window)
        : QTextBrowser(parent), m_window(window) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp") && m_window.Engine()) {
            return m_window.Engine()->fileData(name);
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    const CHelpWindow& m_window;
};

constexpr int kWidth = 900;
constexpr int kHeight = 640;
constexpr int kSideWidth = 260;

} // namespace

CHelpWindow::CHelpWindow(const QString& path) {
    setWindowTitle(tr("Help"));
    setObjectName(QStringLiteral("helpWindow"));
    // An open help window does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser = new HelpBrowser(this, *this);
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"),
                                   m_browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("Forward"), m_browser, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("back"));
    forward->setObjectName(QStringLiteral("forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* dock = new QDockWidget(this);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));
    m_tabs = new QTabWidget(dock);
    m_tabs->setMinimumWidth(kSideWidth);
    dock->setWidget(m_tabs);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    if (Load(path)) {
        BuildSideTabs();
    }
    ResizeWithinScreen(*this, QSize(kWidth, kHeight));
}

CHelpWindow::~CHelpWindow() = default;

bool CHelpWindow::Load(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    const QString space = QHelpEngineCore::namespaceName(path);
    auto dir = std::make_unique<QTemporaryDir>();
    if (space.isEmpty() || !dir->isValid()) {
        return false;
    }
    auto engine = std::make_unique<QHelpEngine>(dir->filePath(QStringLiteral("help.qhc")));
    engine->searchEngine(); // indexes the documentation once it is set up
    // The collection is made here, so the engine must write it.
    engine->setReadOnly(false);
    if (!engine->setupData() || !engine->registerDocumentation(path)) {
        return false;
    }
    m_namespace = space;
    m_collectionDir = std::move(dir);
    m_engine = std::move(engine);
    return true;
}

void CHelpWindow::BuildSideTabs() {
    QHelpContentWidget* contents = m_engine->contentWidget();
    connect(contents, &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl& url) { m_browser->setSource(url); });
    // A single click opens a topic too, as in the index.
    connect(contents, &QTreeView::clicked, m_browser, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = m_engine->contentModel()->contentItemAt(index)) {
            m_browser->setSource(item->url());
        }
    });
    // The contents are built on a thread of the engine; they open fully
    // expanded once they are there.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            &QTreeView::expandAll);
    m_tabs->addTab(contents, tr("Contents"));

    QHelpIndexWidget* index = m_engine->indexWidget();
    connect(index, &QHelpIndexWidget::documentActivated, m_browser,
            [this](const QHelpLink& link, const QString&) { m_browser->setSource(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, m_browser,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) {
                    m_browser->setSource(links.first().url);
                }
            });
    m_tabs->addTab(index, tr("Index"));

    QHelpSearchEngine* search = m_engine->searchEngine();
    auto* searchPage = new QWidget;
    auto* layout = new QVBoxLayout(searchPage);
    QHelpSearchQueryWidget* query = search->queryWidget();
    QHelpSearchResultWidget* results = search->resultWidget();
    layout->addWidget(query);
    layout->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, m_browser,
            [this](const QUrl& url) { m_browser->setSource(url); });
    m_tabs->addTab(searchPage, tr("Search"));
}

const char* FindHelpTopic(int window, int context) {
    if (const Command* command = window == kMainWindowHelp ? FindCommand(context) : nullptr) {
        return command->helpTopic;
    }
    return FindTableTopic(window, context);
}

const char* HelpTopicFor(int window, int context) {
    if (const char* topic = FindHelpTopic(window, context)) {
        return topic;
    }
    if (const char* topic = FindHelpTopic(window, window)) {
        return topic;
    }
    return kHelpContentsPage;
}

void CHelpWindow::ShowTopic(HelpCommand command, int asking, int context) {
    const QString page = QString::fromLatin1(
        command == HelpCommand::DisplayTopic ? kHelpContentsPage : HelpTopicFor(asking, context));
    m_browser->setSource(PageUrl(page));
    show();
    raise();
    activateWindow();
}

void CHelpWindow::StayAbove(QWidget* dialog) {
    if (parentWidget() == dialog) {
        return;
    }
    if (parentWidget() != nullptr) {
        parentWidget()->removeEventFilter(this);
    }
    // A new parent hides the window; an open one comes back where it was.
    const bool shown = isVisible();
    const QRect frame = geometry();
    setParent(dialog, windowFlags());
    if (dialog != nullptr) {
        dialog->installEventFilter(this);
    }
    if (shown) {
        setGeometry(frame);
        show();
    }
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The dialog closes (a dialog also hides as it is destroyed): the help
    // goes on as a window of its own instead of going with it.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) {
        StayAbove(nullptr);
    }
    return QMainWindow::eventFilter(watched, event);
}

QUrl CHelpWindow::PageUrl(const QString& page) const {
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namespace, page));
}

HelpViewer::HelpViewer(std::string appDir) : m_appDir(std::move(appDir)) {}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::Show(const QWidget* owner, HelpCommand command, int data,
                      const std::string& file) {
    const QString path = QString::fromStdString(m_appDir + file);
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    std::unique_ptr<CHelpWindow>& window = m_windows[file];
    if (!window || !window->IsValid()) {
        window = std::make_unique<CHelpWindow>(path);
    }
    if (!window->IsValid()) {
        return false;
    }
    // The dialog that asks names itself by its id; the main window by none.
    const int asking = owner ? binding::ControlIdOf(owner->window()) : kMainWindowHelp;
    // Above the modal dialog that is open, if any: it would block any other
    // window.
    window->StayAbove(QApplication::activeModalWidget());
    window->ShowTopic(command, asking, data);
    return true;
}

CHelpWindow* HelpViewer::Window(const std::string& file) const {
    const auto it = m_windows.find(file);
    return it == m_windows.end() ? nullptr : it->second.get();
}
