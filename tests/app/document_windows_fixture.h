#pragma once
// What the document window tests share: the program started and shown on a
// fixture folder that a restart keeps, the caption the window system
// shows, the File and Window menus as they open, and documents opened and
// saved under a name.

#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

inline const QString kProgramTitle = QStringLiteral("Acme Programmer");

class DocumentWindowsFixture : public QObject {
protected:
    void endProgram() {
        if (m_app) {
            m_app->ExitInstance();
        }
        m_app.reset();
        m_dir.reset();
    }

    CMainFrame& Frame() { return *m_app->MainFrame(); }

    // Starts the program, shown, on the fixture's folder (a restart keeps it).
    void Start(bool chinese = false) {
        if (!m_dir) {
            m_dir = std::make_unique<ProgramDirFixture>();
        }
        m_app = std::make_unique<CProgramApp>();
        QVERIFY(StartProgramWithSettings(*m_app, *m_dir,
                                         chinese ? ChineseSettings("") : EnglishSettings("")));
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
    }
    void Restart() {
        m_app->ExitInstance();
        Start();
    }

    // The main window's caption as the window system shows it, the modified
    // marker resolved.
    QString ShownCaption() { return Frame().windowHandle()->title(); }

    QMenu& Menu(Popup popup, bool documentMenus = true) {
        QMenu* menu = Frame().PopupMenu(popup, documentMenus);
        // The lists are made as the menu opens.
        emit menu->aboutToShow();
        return *menu;
    }
    QAction* Item(QMenu& menu, const QString& text) {
        const QList<QAction*> actions = menu.actions();
        return *std::find_if(actions.begin(), actions.end(),
                             [&text](const QAction* action) { return action->text() == text; });
    }
    // The items of a File menu between Print Setup and Exit: the recent
    // entries, each group after a separator.
    QStringList FileMenuEnd(bool documentMenus = true) {
        QMenu& menu = Menu(Popup::File, documentMenus);
        const QList<QAction*> actions = menu.actions();
        const auto at = [&actions](int id) {
            return actions.indexOf(*std::find_if(actions.begin(), actions.end(),
                                                 [id](QAction* a) { return a->data() == id; }));
        };
        const qsizetype first = at(ID_FILE_PRINT_SETUP) + 1;
        return ItemTexts(&menu).mid(first, at(ID_APP_EXIT) - first);
    }
    static QStringList Separated(const QStringList& entries) {
        return entries.isEmpty() ? QStringList{"-"} : QStringList{"-"} + entries + QStringList{"-"};
    }
    CChildFrame* ChildTitled(const QString& title) {
        const std::vector<CChildFrame*> children = Frame().Children();
        return *std::find_if(children.begin(), children.end(), [&title](const CChildFrame* child) {
            return child->Title() == title;
        });
    }
    void Open(const QString& name) {
        QVERIFY(m_app->OpenDocumentFile(WriteDat(*m_dir, name, 0x10)));
    }
    void SaveAs(const QString& name) {
        const QString target = m_dir->FilePath(name);
        Frame().SetSaveFileNameProvider([target](const QString&) { return target; });
        Frame().OnCommand(ID_FILE_SAVE_AS);
    }

    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;
};
