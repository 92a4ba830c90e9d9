// The command table and what the main window builds from it: every id once,
// the menus as the radio's users know them, every menu item, toolbar button,
// accelerator and tree item a row that places it there, the check marks of
// the panels, and the commands that a running transfer disables.

#include "session/document_session.h"
#include "shell/command_bars.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "tests/app/edit_menu_texts.h"
#include "transfer/process_dialog.h"
#include "ui/image_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

const std::pair<const char*, std::string> kOptionSets[] = {
    {"no options", ""},
    {"ShowLang", "ShowLang=1\r\n"},
    {"ShowSignalling", "ShowSignalling=1\r\n"},
    {"both", "ShowLang=1\r\nShowSignalling=1\r\n"},
};

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private:
    StartedProgram m_program;

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

private slots:
    void cleanup() { m_program.Stop(); }

    void everyRowIsOneCommandWithAPlace() {
        std::set<int> ids;
        std::set<int> toolbarSlots;
        for (const Command& row : CommandTable()) {
            QVERIFY2(ids.insert(row.id).second, qPrintable(QString::number(row.id)));
            QCOMPARE(FindCommand(row.id), &row);
            QVERIFY(row.menu.withDocument || row.menu.withoutDocument || row.toolbar.slot >= 0 ||
                    !row.accelerator.isEmpty() || row.inTree);
            QCOMPARE(row.menu.popup != Popup::None,
                     row.menu.withDocument || row.menu.withoutDocument);
            if (row.toolbar.slot >= 0) {
                QVERIFY(toolbarSlots.insert(row.toolbar.slot).second);
            }
        }
        QVERIFY(FindCommand(0) == nullptr);
        QVERIFY(FindCommand(ID_INDICATOR_CAPS) == nullptr);
    }

    void menusAsBuilt_data() {
        QTest::addColumn<bool>("withDocument");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("128 File")
            << false << 0 << QStringLiteral("&File")
            << QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "P&rint Setup...", "-",
                           "E&xit"};
        QTest::newRow("128 View") << false << 1 << QStringLiteral("&View")
                                  << QStringList{"&Toolbar", "&Status Bar"};
        QTest::newRow("128 Help") << false << 2 << QStringLiteral("&Help")
                                  << QStringList{"&About ..."};
        QTest::newRow("129 File") << true << 0 << QStringLiteral("&File")
                                  << QStringList{"&New\tCtrl+N",
                                                 "&Open...\tCtrl+O",
                                                 "&Close",
                                                 "&Save\tCtrl+S",
                                                 "Save &As...",
                                                 "-",
                                                 "&Import Channels...",
                                                 "Import Channels into E&mpty Rows...",
                                                 "E&xport Channels...",
                                                 "-",
                                                 "Radio &History...",
                                                 "Compare &With...",
                                                 "-",
                                                 "&Print...\tCtrl+P",
                                                 "Print Preview",
                                                 "Export PDF...",
                                                 "Print Setup...",
                                                 "-",
                                                 "&Exit"};
        QTest::newRow("129 Edit") << true << 1 << QStringLiteral("&Edit")
                                  << QStringList{"Product Information", "Channel Information", "-",
                                                 "Optional Features"} +
                                         EditingMenuTexts();
        QTest::newRow("129 Program") << true << 2 << QStringLiteral("&Program")
                                     << QStringList{"&Read    Ctrl+R", "&Write   Ctrl+W",
                                                    "Clone &Station..."};
        QTest::newRow("129 Setup")
            << true << 3 << QStringLiteral("&Setup")
            << QStringList{"Com Setup", "Language", "-", "Verify after writing",
                           "Read the radio before writing"};
        QTest::newRow("129 View") << true << 4 << QStringLiteral("&View")
                                  << QStringList{"&Toolbar", "&Status Bar", "-",
                                                 "Control &Bar   Ctrl+B"};
        QTest::newRow("129 Window")
            << true << 5 << QStringLiteral("&Window")
            << QStringList{"&Cascade", "&Tile", "-", "Ne&xt\tF6", "Pre&vious\tShift+F6"};
        QTest::newRow("129 Help") << true << 6 << QStringLiteral("&Help")
                                  << QStringList{"&Help Topics", "-", "&About ..."};
    }
    void menusAsBuilt() {
        QFETCH(bool, withDocument);
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QStringList, texts);
        Start("ShowLang=1\r\n");
        const std::vector<QMenu*>& menus =
            withDocument ? Frame().MenusWithDocument() : Frame().MenusWithoutDocument();
        QCOMPARE(menus.size(), withDocument ? std::size_t{7} : std::size_t{3});
        QCOMPARE(menus[index]->title(), title);
        QCOMPARE(ItemTexts(menus[index]), texts);
    }

    void everyEntryResolvesToItsRow_data() {
        QTest::addColumn<QString>("setupLines");
        for (const auto& [name, lines] : kOptionSets) {
            QTest::newRow(name) << QString::fromStdString(lines);
        }
    }
    void everyEntryResolvesToItsRow() {
        QFETCH(QString, setupLines);
        Start(setupLines.toStdString());
        CommandOptions options;
        options.showLanguage = setupLines.contains(QLatin1String("ShowLang"));
        options.showSignalling = setupLines.contains(QLatin1String("ShowSignalling"));

        CheckMenuSet(Frame().MenusWithoutDocument(), false, options);
        CheckMenuSet(Frame().MenusWithDocument(), true, options);

        // Toolbar: a button at the slot its row names, a separator at every
        // slot that no row takes.
        const QList<QAction*> buttons = Frame().findChild<QToolBar*>()->actions();
        std::size_t withButton = 0;
        for (const Command& row : CommandTable()) {
            if (row.toolbar.slot < 0) {
                continue;
            }
            ++withButton;
            QVERIFY(row.toolbar.slot < buttons.size());
            const QAction* button = buttons[row.toolbar.slot];
            QCOMPARE(button->data().toInt(), row.id);
            QCOMPARE(button->text(), CommandText(row.toolbar.tip));
            QCOMPARE(button->statusTip(), CommandText(row.toolbar.prompt));
            QVERIFY(!button->icon().isNull());
        }
        const auto separators = std::count_if(buttons.begin(), buttons.end(),
                                              [](QAction* a) { return a->isSeparator(); });
        QCOMPARE(std::size_t(buttons.size() - separators), withButton);

        // Accelerators: one action of the window for each row with keys.
        std::map<int, QKeySequence> keys;
        for (const QAction* action : Frame().actions()) {
            QVERIFY(keys.emplace(action->data().toInt(), action->shortcut()).second);
        }
        std::map<int, QKeySequence> rowKeys;
        for (const Command& row : CommandTable()) {
            if (!row.accelerator.isEmpty()) {
                rowKeys.emplace(row.id, row.accelerator);
            }
        }
        QCOMPARE(keys, rowKeys);

        // Tree: the root carries no command, each child the id of its row.
        const QTreeWidgetItem* root = Frame().NavigationTree()->topLevelItem(0);
        QVERIFY(!root->data(0, kCommandIdRole).isValid());
        std::vector<int> treeIds;
        for (int i = 0; i < root->childCount(); ++i) {
            const QVariant id = root->child(i)->data(0, kCommandIdRole);
            QVERIFY(id.isValid());
            const Command* row = FindCommand(id.toInt());
            QVERIFY(row != nullptr);
            QCOMPARE(root->child(i)->text(0), CommandText(row->text));
            treeIds.push_back(row->id);
        }
        std::vector<int> rowIds;
        for (const Command& row : CommandTable()) {
            if (row.inTree && IsOffered(row, options)) {
                rowIds.push_back(row.id);
            }
        }
        QCOMPARE(treeIds, rowIds);
    }

    void everyShownKeyIsTheKeyThatWorks_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void everyShownKeyIsTheKeyThatWorks() {
        // Every menu item of a command with a key shows, after its text and
        // a tab or spaces, the key that the window's accelerator answers to;
        // an item of a command without a key shows none.
        QFETCH(bool, chinese);
        ProgramDirFixture dir;
        const std::string options = "ShowLang=1\r\nShowSignalling=1\r\n";
        dir.WriteSettings(chinese ? ChineseSettings(options) : EnglishSettings(options));
        dir.CopyTranslations();
        CProgramApp app;
        StartupOptions start;
        start.programDir = dir.Dir();
        start.splash = false;
        start.showWindow = false;
        QVERIFY(app.InitInstance(start));
        std::map<int, QKeySequence> working;
        for (const QAction* action : app.MainFrame()->actions()) {
            working.emplace(action->data().toInt(), action->shortcut());
        }
        // Both menu sets and the channel grid's context menu.
        const QList<QMenu*> menus =
            app.MainFrame()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
        const QRegularExpression withKey(QStringLiteral("^(.*\\S)(\t| {3,4})(\\S+)$"));
        int shown = 0;
        for (const QMenu* menu : menus) {
            for (const QAction* item : menu->actions()) {
                if (item->isSeparator()) {
                    continue;
                }
                const auto key = working.find(item->data().toInt());
                const QRegularExpressionMatch match = withKey.match(item->text());
                if (key == working.end()) {
                    QVERIFY2(!item->text().contains(QLatin1Char('\t')), qPrintable(item->text()));
                    continue;
                }
                QVERIFY2(match.hasMatch(), qPrintable(item->text()));
                QCOMPARE(QKeySequence::fromString(match.captured(3), QKeySequence::PortableText),
                         key->second);
                ++shown;
            }
        }
        // File New and Open without a document, the 17 commands with keys in
        // the menus with one (Window's Next and Previous among them), 6 of
        // them in the grid's menu too.
        QCOMPARE(shown, 2 + 17 + 6);
        app.ExitInstance();
    }

    void checkMarksFollowTheirPanels_data() {
        QTest::addColumn<int>("id");
        for (const Command& row : CommandTable()) {
            if (row.checkable) {
                QTest::newRow(QByteArray::number(row.id).constData()) << row.id;
            }
        }
    }
    void checkMarksFollowTheirPanels() {
        QFETCH(int, id);
        Start("");
        std::vector<QAction*> items;
        for (QAction* action : AllActions()) {
            if (action->data().toInt() == id && action->isCheckable()) {
                items.push_back(action);
            }
        }
        QVERIFY(!items.empty());
        // Panels start shown, settings off: each choice turns the mark over.
        const bool start = items.front()->isChecked();
        for (const bool checked : {!start, start}) {
            items.front()->trigger();
            for (const QAction* item : items) {
                QCOMPARE(item->isChecked(), checked);
            }
        }
    }

    void aTransferDisablesExactlyTheRowsNotAllowed() {
        Start("ShowLang=1\r\nShowSignalling=1\r\n");
        EditorLog editors;
        for (const Command& row : CommandTable()) {
            if (std::holds_alternative<EditorHandler>(row.handler)) {
                Frame().SetEditorDialog(
                    row.id,
                    [&editors, id = row.id](QWidget* parent) -> ImageDialog* {
                        return new CountingDialog(parent, editors, id);
                    },
                    true);
            }
        }
        int namesAsked = 0;
        Frame().SetSaveFileNameProvider([&namesAsked](const QString&) {
            ++namesAsked;
            return QString();
        });

        SilentRadioRead read;
        QVERIFY(read.Start(Frame()));
        CChildFrame* child = Frame().ActiveChild();
        DocumentSession& session = child->Session();

        for (const QAction* action : AllActions()) {
            if (!action->isSeparator()) {
                const Command* row = FindCommand(action->data().toInt());
                QVERIFY(row != nullptr);
                QVERIFY2(action->isEnabled() == row->allowedDuringTransfer,
                         qPrintable(action->objectName()));
            }
        }
        // The commands not allowed do nothing, also when run directly; a
        // window one of them opened would be closed here and counted.
        QStringList modalWindows;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&modalWindows] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalWindows << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        closer.start(0);
        for (const Command& row : CommandTable()) {
            if (!row.allowedDuringTransfer) {
                Frame().OnCommand(row.id);
            }
        }
        closer.stop();
        QCOMPARE(modalWindows, QStringList());
        QVERIFY(editors.runs.empty());
        QCOMPARE(namesAsked, 0);
        QVERIFY(!child->isHidden());
        QCOMPARE(Frame().Children().size(), std::size_t{1});
        QVERIFY(Frame().isVisible());

        session.ProcessDialog()->CancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!session.IsTransferRunning(), 30000);
        for (const QAction* action : AllActions()) {
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        }
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{0});
    }
};

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
