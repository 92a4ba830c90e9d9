// The command table and the menus the main window builds from it: every id
// once, the menus as the radio's users know them, and every menu item,
// toolbar button, accelerator and tree item a row that places it there.

#include "session/document_session.h"
#include "shell/command_bars.h"
#include "tests/app/command_table_fixture.h"
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

class CommandMenusTest : public CommandTableFixture {
    Q_OBJECT

private slots:
    void cleanup() { stopProgram(); }

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
};

QTEST_MAIN(CommandMenusTest)
#include "command_menus_test.moc"
