// The main window's commands: the navigation tree (item under the pointer,
// the same item twice, arrow keys), the reused and the rebuilt editor
// dialogs, editor commands without a document, the control bar toggle and
// the accelerators.

#include "grid/channel_grid.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/help_service.h"
#include "ui/image_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <map>
#include <memory>
#include <vector>

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    StartedProgram m_program;
    EditorLog m_log;

    CMainFrame& Frame() { return m_program.Frame(); }
    QTreeWidget* Tree() { return Frame().NavigationTree(); }
    QTreeWidgetItem* Root() { return Tree()->topLevelItem(0); }

    void Start(const std::string& setupLines) {
        m_program.Start(setupLines);
        m_log = {};
        for (int id :
             {ID_PRODUCT_INFORMATION, ID_OPTIONAL_FEATURES, ID_DTMF, ID_TWO_TONE, ID_MSK}) {
            Frame().SetEditorDialog(
                id,
                [this, id](QWidget* p) -> ImageDialog* { return new CountingDialog(p, m_log, id); },
                true);
        }
        for (int id : {ID_KEY_ASSIGNMENT, ID_SQUELCH_TUNING}) {
            Frame().SetEditorDialog(
                id,
                [this, id](QWidget* p) -> ImageDialog* { return new CountingDialog(p, m_log, id); },
                false);
        }
    }

    // Puts the pointer over a tree item (or, for null, far away from the tree).
    void PointAt(const QTreeWidgetItem* item) {
        if (!item) {
            QCursor::setPos(QPoint(-5000, -5000));
            return;
        }
        const QRect rect = Tree()->visualItemRect(item);
        QCursor::setPos(Tree()->viewport()->mapToGlobal(rect.center()));
    }

    QTreeWidgetItem* Child(const QString& text) {
        for (int i = 0; i < Root()->childCount(); ++i) {
            if (Root()->child(i)->text(0) == text) {
                return Root()->child(i);
            }
        }
        return nullptr;
    }

    // Chooses a tree item with the pointer over it, as a click does.
    void Choose(QTreeWidgetItem* item) {
        PointAt(item);
        Tree()->setCurrentItem(item);
    }

private slots:
    void cleanup() { m_program.Stop(); }

    void treeChoiceOpensTheEditorEveryTime_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("id");
        QTest::newRow("Product Information")
            << QStringLiteral("Product Information") << int(ID_PRODUCT_INFORMATION);
        QTest::newRow("Optional Features")
            << QStringLiteral("Optional Features") << int(ID_OPTIONAL_FEATURES);
        QTest::newRow("DTMF") << QStringLiteral("DTMF") << int(ID_DTMF);
        QTest::newRow("2-Tone") << QStringLiteral("2-Tone") << int(ID_TWO_TONE);
        QTest::newRow("MSK") << QStringLiteral("MSK") << int(ID_MSK);
        QTest::newRow("Key Assignment")
            << QStringLiteral("Key Assignment") << int(ID_KEY_ASSIGNMENT);
        QTest::newRow("Squelch Tuning")
            << QStringLiteral("Squelch Tuning") << int(ID_SQUELCH_TUNING);
    }
    void treeChoiceOpensTheEditorEveryTime() {
        QFETCH(QString, item);
        QFETCH(int, id);
        Start("ShowSignalling=1\r\n");
        QTreeWidgetItem* child = Child(item);
        QVERIFY(child != nullptr);
        Choose(child);
        QCOMPARE(m_log.runs[id], 1);
        QCOMPARE(Tree()->currentItem(), Root());
        // The same item a second time opens it again.
        Choose(child);
        QCOMPARE(m_log.runs[id], 2);
        QCOMPARE(Tree()->currentItem(), Root());
        QCOMPARE(static_cast<int>(m_log.runs.size()), 1);
        // The reused dialogs are built once, the others for every request.
        const bool reused = id != ID_KEY_ASSIGNMENT && id != ID_SQUELCH_TUNING;
        QCOMPARE(m_log.built[id], reused ? 1 : 2);
    }

    void clickOnATreeItemLeavesTheRootSelected() {
        Start("");
        QTreeWidgetItem* child = Child(QStringLiteral("Optional Features"));
        QVERIFY(child != nullptr);
        for (int click = 1; click <= 2; ++click) {
            const QPoint at = Tree()->visualItemRect(child).center();
            QCursor::setPos(Tree()->viewport()->mapToGlobal(at));
            QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, at);
            QTRY_COMPARE(Tree()->currentItem(), Root());
            QTRY_COMPARE(Tree()->selectedItems(), QList<QTreeWidgetItem*>{Root()});
            QCOMPARE(m_log.runs[ID_OPTIONAL_FEATURES], click);
        }
    }

    void arrowKeysOpenWhatLiesUnderThePointer_data() {
        QTest::addColumn<QString>("underPointer");
        QTest::addColumn<int>("opened");
        QTest::newRow("Optional Features")
            << QStringLiteral("Optional Features") << int(ID_OPTIONAL_FEATURES);
        QTest::newRow("root") << QStringLiteral("root") << 0;
        QTest::newRow("outside the tree") << QString() << 0;
    }
    void arrowKeysOpenWhatLiesUnderThePointer() {
        QFETCH(QString, underPointer);
        QFETCH(int, opened);
        Start("");
        PointAt(underPointer == QLatin1String("root") ? Root()
                : underPointer.isEmpty()              ? nullptr
                                                      : Child(underPointer));
        Tree()->setFocus();
        // Down from the root moves the selection to Product Information.
        QTest::keyClick(Tree(), Qt::Key_Down);
        QCOMPARE(m_log.runs[ID_PRODUCT_INFORMATION], 0);
        QCOMPARE(m_log.runs[ID_OPTIONAL_FEATURES], opened == ID_OPTIONAL_FEATURES ? 1 : 0);
        QCOMPARE(Tree()->currentItem(), Root());
    }

    void treeChannelInformationShowsTheHiddenWindow() {
        Start("");
        CChildFrame* child = Frame().ActiveChild();
        Frame().OnCommand(ID_FILE_CLOSE);
        QVERIFY(child->isHidden());
        Choose(Child(QStringLiteral("Channel Information")));
        QVERIFY(!child->isHidden());
    }

    void editorCommandsNeedADocument() {
        Start("ShowSignalling=1\r\n");
        Frame().DestroyChild(Frame().ActiveChild());
        for (int id : {ID_PRODUCT_INFORMATION, ID_OPTIONAL_FEATURES, ID_DTMF, ID_TWO_TONE, ID_MSK,
                       ID_KEY_ASSIGNMENT, ID_SQUELCH_TUNING}) {
            Frame().OnCommand(id);
        }
        QVERIFY(m_log.runs.empty());
        QVERIFY(m_log.built.empty());
        // Without a document the menu is the one of no document.
        QCOMPARE(Frame().CurrentMenus(), Frame().MenusWithoutDocument());
    }

    void menuCommandsReachTheEditors() {
        Start("ShowSignalling=1\r\n");
        for (QAction* action : Frame().CurrentMenus()[1]->actions()) {
            if (!action->isSeparator() && action->data().toInt() != ID_CHANNEL_INFORMATION) {
                action->trigger();
            }
        }
        QCOMPARE(m_log.runs, (std::map<int, int>{{ID_PRODUCT_INFORMATION, 1},
                                                 {ID_OPTIONAL_FEATURES, 1},
                                                 {ID_DTMF, 1},
                                                 {ID_TWO_TONE, 1},
                                                 {ID_MSK, 1},
                                                 {ID_KEY_ASSIGNMENT, 1},
                                                 {ID_SQUELCH_TUNING, 1}}));
    }

    void controlBarToggleKeepsTheCheckMark() {
        Start("");
        QAction* menuItem = nullptr;
        for (QAction* action : Frame().CurrentMenus()[4]->actions()) {
            if (action->data().toInt() == ID_CONTROL_BAR) {
                menuItem = action;
            }
        }
        QVERIFY(menuItem && menuItem->isCheckable());
        QVERIFY(menuItem->isChecked());
        QTest::keyClick(&Frame(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(Frame().NavigationPanel()->isHidden());
        QVERIFY(!menuItem->isChecked());
        menuItem->trigger();
        QVERIFY(!Frame().NavigationPanel()->isHidden());
        QVERIFY(menuItem->isChecked());
    }

    void acceleratorsAndToolbar() {
        Start("");
        const std::pair<int, QKeySequence> keys[] = {
            {ID_CONTROL_BAR, QKeySequence(QStringLiteral("Ctrl+B"))},
            {ID_FILE_NEW, QKeySequence(QStringLiteral("Ctrl+N"))},
            {ID_FILE_OPEN, QKeySequence(QStringLiteral("Ctrl+O"))},
            {ID_FILE_PRINT, QKeySequence(QStringLiteral("Ctrl+P"))},
            {ID_PROGRAM_READ, QKeySequence(QStringLiteral("Ctrl+R"))},
            {ID_FILE_SAVE, QKeySequence(QStringLiteral("Ctrl+S"))},
            {ID_HELP, QKeySequence(QStringLiteral("F1"))},
            {ID_PROGRAM_WRITE, QKeySequence(QStringLiteral("Ctrl+W"))}};
        for (const auto& [id, sequence] : keys) {
            QVERIFY(Frame().CommandAction(id) != nullptr);
            QCOMPARE(Frame().CommandAction(id)->shortcut(), sequence);
        }
        QList<int> buttons;
        for (const QAction* action : Frame().findChild<QToolBar*>()->actions()) {
            buttons << (action->isSeparator() ? 0 : action->data().toInt());
        }
        QCOMPARE(buttons, (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_PROGRAM_READ,
                                      0, ID_PROGRAM_WRITE, 0, ID_FILE_PRINT, ID_APP_ABOUT}));
    }

    void keysInTheChannelWindow() {
        Start("");
        std::vector<int> contexts;
        HelpService::SetHandler([&contexts](HelpCommand command, int data, const std::string&) {
            if (command == HelpCommand::HelpContext) {
                contexts.push_back(data);
            }
        });
        CProgramView& view = Frame().ActiveChild()->View();
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));

        // In the frequency edit, F1 asks for the edit's own help and the
        // main window's shortcuts get no key the edit swallows.
        view.Grid()->setCurrentIndex(view.Grid()->model()->index(0, 0));
        view.BeginCellEdit();
        auto* edit = view.findChild<QLineEdit*>(QStringLiteral("frequencyEdit"));
        QVERIFY(edit && edit->isVisible());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(contexts, std::vector<int>{kHelpRxFrequency});
        QTest::keyClick(edit, Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_W, Qt::ControlModifier);
        CProcessDlg* process = Frame().ActiveChild()->Session().ProcessDialog();
        QVERIFY(!process->IsOpen());
        QVERIFY(Frame().ActiveChild()->isVisible());
        HelpService::SetHandler({});

        // Elsewhere Ctrl+W is Write, not the document window's Close.
        edit->clear();
        view.Grid()->setFocus();
        QTest::keyClick(view.Grid(), Qt::Key_Escape);
        QTest::keyClick(view.Grid(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(process->IsOpen());
        QCOMPARE(process->Title(), QStringLiteral("Write Data"));
        QVERIFY(Frame().ActiveChild()->isVisible());
        process->Close();
    }

    void printSetupOpensThePageSetupOfTheProgramsPrinter() {
        Start("");
        QPrinter* edited = nullptr;
        QTimer::singleShot(0, this, [&edited] {
            if (auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget())) {
                edited = dialog->printer();
                dialog->reject();
            }
        });
        Frame().CommandAction(ID_FILE_PRINT_SETUP)->trigger();
        // With no printer installed the user is told so in one line instead.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            QCOMPARE(edited, nullptr);
            QCOMPARE(m_program.Dir().MessageTexts(), QStringList{"No printer is installed."});
        } else {
            QCOMPARE(edited, &m_program.App().Printer());
            QVERIFY(m_program.Dir().Messages().empty());
        }
    }

    void helpRequests() {
        Start("");
        std::vector<std::pair<HelpCommand, int>> requests;
        std::vector<std::string> files;
        HelpService::SetHandler(
            [&requests, &files](HelpCommand command, int data, const std::string& file) {
                requests.emplace_back(command, data);
                files.push_back(file);
            });
        Frame().OnCommand(ID_HELP_TOPICS);
        Frame().OnCommand(ID_HELP);
        HelpService::SetHandler({});
        QCOMPARE(requests.size(), std::size_t{2});
        QCOMPARE(requests[0].first, HelpCommand::DisplayTopic);
        QCOMPARE(requests[1].first, HelpCommand::HelpContext);
        QCOMPARE(requests[1].second, 0x10000 + 129);
        // The main window's help is the language's file.
        QCOMPARE(files, (std::vector<std::string>{"enHelp.qch", "enHelp.qch"}));
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
