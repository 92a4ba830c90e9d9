#pragma once
// The menus, the toolbar, the accelerators and the navigation tree's items of
// the main window, built from the command table for the commands that the
// start-up options offer. Every action carries its command id as data and as
// object name, every tree item its id as data in kCommandIdRole; choosing
// either runs the command through the function the window gives. F1 on a
// highlighted menu item asks for the help of that command.

#include "shell/command_table.h"

#include <QtGlobal>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QToolBar;
class QTreeWidgetItem;

// The data role of a tree item that holds its command id.
inline constexpr int kCommandIdRole = Qt::UserRole;

class CommandBars {
public:
    using RunCommand = std::function<void(int id)>;

    // Builds the menus, the toolbar (docked at the top of window) and the
    // accelerators (actions of window) of the commands that options offer.
    CommandBars(QMainWindow& window, const CommandOptions& options, RunCommand run);

    // The pop-up menus of menu 128 (no document open) and 129 (a document
    // open), in the order of the menu bar.
    const std::vector<QMenu*>& MenusWithoutDocument() const { return m_menusWithoutDocument; }
    const std::vector<QMenu*>& MenusWithDocument() const { return m_menusWithDocument; }
    // The pop-up of the menu with or without a document; null when that
    // menu has no such pop-up.
    QMenu* PopupMenu(Popup popup, bool withDocument) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    // The context menu of the channel grid: the commands placed there, in
    // the groups of their menu.
    QMenu* GridMenu() const { return m_gridMenu; }

    // Appends an item for each offered command of the tree under root, in
    // the order of the table.
    void AddTreeItems(QTreeWidgetItem& root) const;

    // Every action of id: its menu items, toolbar button and accelerator.
    std::vector<QAction*> Actions(int id) const;
    // The accelerator's action when id has one, else its first menu item's;
    // null when nothing carries id.
    QAction* CommandAction(int id) const;

private:
    // An action running the command; checkable shows the command's check
    // mark (menu items), which an accelerator does not carry.
    QAction* MakeAction(const Command& command, const QString& text, bool checkable);
    // A menu of the offered commands that wanted accepts, a separator
    // between groups; null when there is none.
    QMenu* MakeMenu(const QString& title, const std::function<bool(const Command&)>& wanted,
                    bool withDocument);
    std::vector<QMenu*> MakeMenus(bool withDocument);
    void MakeToolBar();
    void MakeAccelerators();

    QMainWindow& m_window;
    CommandOptions m_options;
    RunCommand m_run;
    // Filters the menus' keys for F1; a child of the window.
    QObject* m_menuHelp;
    std::vector<QMenu*> m_menusWithoutDocument;
    std::vector<QMenu*> m_menusWithDocument;
    std::map<std::pair<Popup, bool>, QMenu*> m_popups;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_gridMenu = nullptr;
    std::multimap<int, QAction*> m_actions;
    std::map<int, QAction*> m_accelerators;
};
