#pragma once
// What the start-up tests share: the start-up options of a program in the
// fixture's directory, the items of a menu and the navigation tree.

#include "shell/program_app.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QStringList>
#include <QTreeWidget>

inline StartupOptions TestOptions(const ProgramDirFixture& dir) {
    StartupOptions options;
    options.programDir = dir.Dir();
    options.splash = false;
    options.showWindow = false;
    return options;
}

inline QList<int> ItemIds(const QMenu* menu) {
    QList<int> ids;
    for (const QAction* action : menu->actions()) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    }
    return ids;
}

inline QStringList TreeChildren(const QTreeWidget* tree) {
    QStringList texts;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        texts << root->child(i)->text(0);
    }
    return texts;
}
