#include "shell/command_bars.h"

#include "ui/help_service.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidgetItem>

namespace {

// Popups in the order of the menu bar.
constexpr Popup kPopups[] = {Popup::File, Popup::Edit,   Popup::Program, Popup::Setup,
                             Popup::View, Popup::Window, Popup::Help};

// F1 while a menu item is highlighted opens the help of its command.
class MenuHelpFilter : public QObject {
public:
    explicit MenuHelpFilter(QWidget* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction()) {
                HelpService::ShowContext(m_window, menu->activeAction()->data().toInt());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};

} // namespace

CommandBars::CommandBars(QMainWindow& window, const CommandOptions& options, RunCommand run)
    : m_window(window), m_options(options), m_run(std::move(run)),
      m_menuHelp(new MenuHelpFilter(&window)) {
    m_menusWithoutDocument = MakeMenus(false);
    m_menusWithDocument = MakeMenus(true);
    m_gridMenu = MakeMenu(
        {}, [](const Command& command) { return command.inGridMenu; }, true);
    MakeAccelerators();
    MakeToolBar();
}

QAction* CommandBars::MakeAction(const Command& command, const QString& text, bool checkable) {
    auto* action = new QAction(text, &m_window);
    action->setData(command.id);
    action->setObjectName(QString::number(command.id));
    action->setCheckable(checkable);
    QObject::connect(action, &QAction::triggered, &m_window,
                     [run = m_run, id = command.id] { run(id); });
    m_actions.emplace(command.id, action);
    return action;
}

QMenu* CommandBars::MakeMenu(const QString& title,
                             const std::function<bool(const Command&)>& wanted, bool withDocument) {
    QMenu* menu = nullptr;
    int group = 0;
    for (const Command& command : CommandTable()) {
        if (!wanted(command) || !IsOffered(command, m_options)) {
            continue;
        }
        if (!menu) {
            menu = new QMenu(title, &m_window);
            menu->installEventFilter(m_menuHelp);
        } else if (command.menu.group != group) {
            menu->addSeparator();
        }
        group = command.menu.group;
        menu->addAction(MakeAction(command, MenuText(command, withDocument), command.checkable));
    }
    return menu;
}

std::vector<QMenu*> CommandBars::MakeMenus(bool withDocument) {
    std::vector<QMenu*> menus;
    for (const Popup popup : kPopups) {
        QMenu* menu = MakeMenu(
            PopupTitle(popup),
            [popup, withDocument](const Command& command) {
                const MenuPlace& place = command.menu;
                return place.popup == popup &&
                       (withDocument ? place.withDocument : place.withoutDocument);
            },
            withDocument);
        if (menu) {
            menus.push_back(menu);
            m_popups[{popup, withDocument}] = menu;
        }
    }
    return menus;
}

void CommandBars::MakeAccelerators() {
    for (const Command& command : CommandTable()) {
        if (command.accelerator.isEmpty() || !IsOffered(command, m_options)) {
            continue;
        }
        QAction* action = MakeAction(command, {}, false);
        action->setShortcuts(QList<QKeySequence>{command.accelerator} + command.alternateKeys);
        m_window.addAction(action);
        m_accelerators[command.id] = action;
    }
}

void CommandBars::MakeToolBar() {
    std::map<int, const Command*> buttons;
    for (const Command& command : CommandTable()) {
        if (command.toolbar.slot >= 0 && IsOffered(command, m_options)) {
            buttons[command.toolbar.slot] = &command;
        }
    }
    m_toolBar = m_window.addToolBar(CommandText(QT_TRANSLATE_NOOP("CMainFrame", "Toolbar")));
    m_toolBar->setObjectName(QString::number(ID_VIEW_TOOLBAR));
    m_toolBar->setIconSize(QSize(18, 19));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const int slotCount = buttons.empty() ? 0 : buttons.rbegin()->first + 1;
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto button = buttons.find(slot);
        if (button == buttons.end()) {
            m_toolBar->addSeparator();
            continue;
        }
        const ToolbarPlace& place = button->second->toolbar;
        QAction* action =
            MakeAction(*button->second, CommandText(place.tip), button->second->checkable);
        action->setIcon(m_window.style()->standardIcon(place.icon));
        action->setStatusTip(CommandText(place.prompt));
        m_toolBar->addAction(action);
    }
}

void CommandBars::AddTreeItems(QTreeWidgetItem& root) const {
    for (const Command& command : CommandTable()) {
        if (command.inTree && IsOffered(command, m_options)) {
            auto* item = new QTreeWidgetItem(&root, QStringList(CommandText(command.text)));
            item->setData(0, kCommandIdRole, command.id);
        }
    }
}

QMenu* CommandBars::PopupMenu(Popup popup, bool withDocument) const {
    const auto it = m_popups.find({popup, withDocument});
    return it == m_popups.end() ? nullptr : it->second;
}

std::vector<QAction*> CommandBars::Actions(int id) const {
    std::vector<QAction*> actions;
    const auto [first, last] = m_actions.equal_range(id);
    for (auto it = first; it != last; ++it) {
        actions.push_back(it->second);
    }
    return actions;
}

QAction* CommandBars::CommandAction(int id) const {
    if (const auto it = m_accelerators.find(id); it != m_accelerators.end()) {
        return it->second;
    }
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}
