// The commands of the main window at work: every key shown is the key that
// works, the check marks follow their panels, and a running transfer
// disables exactly the rows not allowed during it.

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

class CommandStatesTest : public CommandTableFixture {
    Q_OBJECT

private slots:
    void cleanup() { stopProgram(); }

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

QTEST_MAIN(CommandStatesTest)
#include "command_states_test.moc"
