#pragma once
// What the command table tests share: a program started for each test with
// the given [Setup] lines, the check of one menu set against the rows that
// place an item there, and every action the window built.

#include "shell/command_table.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "tests/app/edit_menu_texts.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QTest>
#include <QToolBar>

#include <set>
#include <string>
#include <vector>

class CommandTableFixture : public QObject {
protected:
    void stopProgram() { m_program.Stop(); }

    CMainFrame& Frame() { return m_program.Frame(); }
    void Start(const std::string& setupLines) { m_program.Start(setupLines); }

    // Checks the items of one menu set against the rows that place an item
    // there.
    void CheckMenuSet(const std::vector<QMenu*>& menus, bool withDocument,
                      const CommandOptions& options) {
        std::multiset<int> built;
        for (const QMenu* menu : menus) {
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator()) {
                    continue;
                }
                const int id = action->data().toInt();
                const Command* row = FindCommand(id);
                QVERIFY2(row != nullptr, qPrintable(action->text()));
                QCOMPARE(PopupTitle(row->menu.popup), menu->title());
                QVERIFY(withDocument ? row->menu.withDocument : row->menu.withoutDocument);
                QCOMPARE(action->text(), MenuText(*row, withDocument));
                QCOMPARE(action->objectName(), QString::number(id));
                QCOMPARE(action->isCheckable(), row->checkable);
                built.insert(id);
            }
        }
        std::multiset<int> placed;
        for (const Command& row : CommandTable()) {
            if ((withDocument ? row.menu.withDocument : row.menu.withoutDocument) &&
                IsOffered(row, options)) {
                placed.insert(row.id);
            }
        }
        QCOMPARE(built, placed);
    }

    // Every action the window built: both menu sets, the toolbar and the
    // accelerators.
    std::vector<QAction*> AllActions() {
        std::vector<QAction*> actions;
        for (const auto* menus : {&Frame().MenusWithoutDocument(), &Frame().MenusWithDocument()}) {
            for (const QMenu* menu : *menus) {
                for (QAction* action : menu->actions()) {
                    actions.push_back(action);
                }
            }
        }
        for (QAction* action : Frame().findChild<QToolBar*>()->actions()) {
            actions.push_back(action);
        }
        for (QAction* action : Frame().actions()) {
            actions.push_back(action);
        }
        return actions;
    }


    StartedProgram m_program;
};
