// Finding the documents: captions by title with the modified marker, the main
// caption following the active one, quit questions naming documents alike,
// the recent files of the File menu, and the Window menu (every document,
// hidden ones too; Cascade, Tile, Next F6 and Previous Shift+F6).

#include "dialogs/radio_history_dialog.h"
#include "grid/channel_grid.h"
#include "session/program_view.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace {

const QString kProgramTitle = QStringLiteral("Acme Programmer");

} // namespace

class DocumentWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;

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

private slots:
    void cleanup() {
        if (m_app) {
            m_app->ExitInstance();
        }
        m_app.reset();
        m_dir.reset();
    }

    void captionsFollowTheDocument_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("mainCaption");
        const auto row = [](const char* name, const QStringList& steps, const QString& shown,
                            bool maximised = false) {
            QTest::newRow(name) << steps << shown
                                << kProgramTitle +
                                       (maximised ? " - [" + shown + "]" : " - " + shown);
        };
        row("new", {}, "Channel Information");
        row("new, edited", {"edit"}, "Channel Information*");
        row("opened", {"open a.dat"}, "a.dat");
        row("opened, edited", {"open a.dat", "edit"}, "a.dat*");
        row("edited, undone to the file", {"open a.dat", "edit", "undo"}, "a.dat");
        row("edited twice, undone once", {"open a.dat", "edit", "edit", "undo"}, "a.dat*");
        row("undone and redone", {"open a.dat", "edit", "undo", "redo"}, "a.dat*");
        row("edited, saved", {"open a.dat", "edit", "save"}, "a.dat");
        row("saved, undone past the save", {"open a.dat", "edit", "save", "undo"}, "a.dat*");
        row("new, saved as", {"edit", "save as b.dat"}, "b.dat");
        row("opened, saved as", {"open a.dat", "save as b.dat"}, "b.dat");
        row("maximised", {"open a.dat", "edit", "maximize"}, "a.dat*", true);
        row("maximised, then edited", {"open a.dat", "maximize", "edit"}, "a.dat*", true);
        row("maximised, saved", {"open a.dat", "maximize", "edit", "save"}, "a.dat", true);
        // The window that opens over a maximised one that it hides is not.
        row("maximised, another opened", {"maximize", "open a.dat", "edit"}, "a.dat*");
        row("maximised, then restored", {"open a.dat", "maximize", "edit", "restore"}, "a.dat*");
        row("a name holding Qt's placeholder", {"open x[*].dat", "edit"}, "x[*].dat*");
        QTest::newRow("closed: the program's title alone")
            << QStringList{"open a.dat", "edit", "close"} << "a.dat*" << kProgramTitle;
    }
    void captionsFollowTheDocument() {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QString, mainCaption);
        Start();
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("open "))) {
                Open(step.mid(5));
            } else if (step == QLatin1String("edit")) {
                EditAChannel(Frame().ActiveChild()->View());
            } else if (step == QLatin1String("undo")) {
                Frame().OnCommand(ID_EDIT_UNDO_STEP);
            } else if (step == QLatin1String("redo")) {
                Frame().OnCommand(ID_EDIT_REDO_STEP);
            } else if (step == QLatin1String("save")) {
                Frame().OnCommand(ID_FILE_SAVE);
            } else if (step.startsWith(QLatin1String("save as "))) {
                SaveAs(step.mid(8));
            } else if (step == QLatin1String("maximize")) {
                Frame().ActiveChild()->showMaximized();
            } else if (step == QLatin1String("restore")) {
                Frame().ActiveChild()->showNormal();
            } else if (step == QLatin1String("close")) {
                Frame().OnCommand(ID_FILE_CLOSE);
            }
        }
        CChildFrame* child = Frame().ActiveChild();
        QCOMPARE(child->ShownTitle(), shown);
        QCOMPARE(child->isWindowModified(), shown.endsWith(QLatin1Char('*')));
        QCOMPARE(ShownCaption(), mainCaption);
        // Moving about the grid leaves the caption alone.
        QTest::keyClick(child->View().Grid(), Qt::Key_Down);
        QCOMPARE(ShownCaption(), mainCaption);
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }

    void quitQuestionsNameTheDocumentsAsTheirCaptions_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("newDocument");
        QTest::newRow("English") << false << "Save changes to %1?" << kProgramTitle
                                 << "Channel Information";
        QTest::newRow("Chinese") << true << QStringLiteral("是否保存对 %1 的更改?")
                                 << QStringLiteral("中文标题") << QStringLiteral("信道信息");
    }
    void quitQuestionsNameTheDocumentsAsTheirCaptions() {
        // Three changed documents: a new one, a file, and a file saved under
        // another name; the first two hidden by the opens after them.
        QFETCH(bool, chinese);
        QFETCH(QString, question);
        QFETCH(QString, program);
        QFETCH(QString, newDocument);
        Start(chinese);
        EditAChannel(Frame().ActiveChild()->View());
        Open(QStringLiteral("a.dat"));
        EditAChannel(Frame().ActiveChild()->View());
        Open(QStringLiteral("c.dat"));
        SaveAs(QStringLiteral("b.dat"));
        EditAChannel(Frame().ActiveChild()->View());

        QStringList asked;
        QStringList shownCaptions;
        MessageService::SetHandler([&](const MessageRequest& request) {
            asked << request.text;
            shownCaptions << ShownCaption();
            return MessageAnswer::Discard;
        });
        QVERIFY(Frame().close());
        MessageService::SetHandler({});
        QStringList questions;
        QStringList captions;
        for (const QString& name :
             {newDocument, QStringLiteral("a.dat"), QStringLiteral("b.dat")}) {
            questions << question.arg(name);
            captions << program + " - " + name + "*";
        }
        QCOMPARE(asked, questions);
        QCOMPARE(shownCaptions, captions);
    }

    void recentFilesOrderLimitAndPersistence() {
        Start();
        QCOMPARE(FileMenuEnd(), Separated({}));
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
            Open(QString::fromLatin1(name));
        }
        // The latest first, four of them.
        QCOMPARE(FileMenuEnd(), Separated({"&1 e.dat", "&2 d.dat", "&3 c.dat", "&4 b.dat"}));
        // Opening one again brings it to the top; saving under a new name
        // puts that name there.
        Open(QStringLiteral("c.dat"));
        SaveAs(QStringLiteral("f&g.dat"));
        const QStringList expected{"&1 f&&g.dat", "&2 c.dat", "&3 e.dat", "&4 d.dat"};
        QCOMPARE(FileMenuEnd(), Separated(expected));
        QCOMPARE(Item(Menu(Popup::File), expected[1])->statusTip(),
                 m_dir->FilePath(QStringLiteral("c.dat")));
        // Opening the menu again does not repeat them.
        QCOMPARE(FileMenuEnd(), Separated(expected));

        // The next run has the same list, in the menu without a document
        // too.
        Restart();
        QCOMPARE(FileMenuEnd(), Separated(expected));
        Frame().DestroyChild(Frame().ActiveChild());
        QCOMPARE(FileMenuEnd(false), Separated(expected));

        // Choosing an entry opens its file.
        Item(Menu(Popup::File, false), expected[3])->trigger();
        QCOMPARE(Frame().Children().size(), std::size_t{1});
        QCOMPARE(Frame().ActiveChild()->Title(), QStringLiteral("d.dat"));
        QCOMPARE(FileMenuEnd(), Separated({"&1 d.dat", "&2 f&&g.dat", "&3 c.dat", "&4 e.dat"}));
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }

    void missingRecentFileLeavesTheList_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        const QString path = QStringLiteral("%1/a.dat");
        QTest::newRow("English")
            << false
            << QStringLiteral("The file %1 cannot be found. It has been removed from the list "
                              "of recent files.")
                   .arg(path);
        QTest::newRow("Chinese")
            << true
            << QStringLiteral("找不到文件 %1，已将其从最近使用的文件列表中删除。").arg(path);
    }
    void missingRecentFileLeavesTheList() {
        QFETCH(bool, chinese);
        QFETCH(QString, message);
        Start(chinese);
        Open(QStringLiteral("a.dat"));
        Open(QStringLiteral("b.dat"));
        m_dir->RemoveFile(QStringLiteral("a.dat"));
        const std::size_t documents = Frame().Children().size();
        Item(Menu(Popup::File), QStringLiteral("&2 a.dat"))->trigger();
        QCOMPARE(m_dir->MessageTexts(), QStringList{message.arg(m_dir->Dir())});
        QCOMPARE(m_dir->Messages()[0].icon, MessageIcon::Exclamation);
        QCOMPARE(m_dir->Messages()[0].buttons, MessageButtons::Ok);
        QCOMPARE(Frame().Children().size(), documents);
        const QStringList expected{"&1 b.dat"};
        QCOMPARE(FileMenuEnd(), Separated(expected));
        Restart();
        QCOMPARE(FileMenuEnd(), Separated(expected));
    }

    void windowMenuListsHiddenDocumentsAndShowsTheChosenOne() {
        // A kept read opened from the radio history hides the changed file
        // that was active; the Window menu still finds it.
        Start();
        Open(QStringLiteral("a.dat"));
        EditAChannel(Frame().ActiveChild()->View());
        const QString kept = WriteDat(*m_dir, QStringLiteral("kept.dat"), 0x20);
        Frame().SetHistoryChooser([kept](CRadioHistoryDlg::Purpose) { return kept; });
        Frame().OnCommand(ID_RADIO_HISTORY);
        CChildFrame* changed = ChildTitled(QStringLiteral("a.dat"));
        QVERIFY(changed->isHidden());

        QMenu& menu = Menu(Popup::Window);
        QStringList listed{"&Cascade",
                                 "&Tile",
                                 "-",
                                 "Ne&xt\tF6",
                                 "Pre&vious\tShift+F6",
                                 "-",
                                 "&1 Channel Information (hidden)",
                                 "&2 a.dat* (hidden)",
                                 "&3 kept.dat"};
        QCOMPARE(ItemTexts(&menu), listed);
        QVERIFY(Item(menu, listed[8])->isChecked());
        QVERIFY(!Item(menu, listed[7])->isChecked() && !Item(menu, listed[6])->isChecked());

        Item(menu, QStringLiteral("&2 a.dat* (hidden)"))->trigger();
        QVERIFY(!changed->isHidden());
        QCOMPARE(Frame().ActiveChild(), changed);
        QCOMPARE(ShownCaption(), kProgramTitle + " - a.dat*");
        // Opened again: each document once, the one shown checked.
        listed[7] = QStringLiteral("&2 a.dat*");
        QCOMPARE(ItemTexts(&Menu(Popup::Window)), listed);
        QVERIFY(Item(menu, listed[7])->isChecked() && !Item(menu, listed[8])->isChecked());
    }

    void nextAndPreviousStepThroughTheWindowsInSight_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("active");
        // a, b (minimised) and c in sight, c active; the first document
        // hidden.
        QTest::newRow("F6 from the last wraps to the first") << QStringList{"F6"} << "a.dat";
        QTest::newRow("F6 twice") << QStringList{"F6", "F6"} << "b.dat";
        QTest::newRow("Shift+F6") << QStringList{"Shift+F6"} << "b.dat";
        QTest::newRow("Shift+F6 past the first wraps to the last")
            << QStringList{"Shift+F6", "Shift+F6", "Shift+F6"} << "c.dat";
        QTest::newRow("Ctrl+F6") << QStringList{"Ctrl+F6"} << "a.dat";
        QTest::newRow("Ctrl+Shift+F6") << QStringList{"Ctrl+Shift+F6"} << "b.dat";
    }
    void nextAndPreviousStepThroughTheWindowsInSight() {
        QFETCH(QStringList, keys);
        QFETCH(QString, active);
        Start();
        CChildFrame* first = Frame().ActiveChild();
        for (const char* name : {"a.dat", "b.dat", "c.dat"}) {
            Open(QString::fromLatin1(name));
        }
        for (const char* item : {"&2 a.dat (hidden)", "&3 b.dat (hidden)"}) {
            Item(Menu(Popup::Window), QString::fromLatin1(item))->trigger();
        }
        ChildTitled(QStringLiteral("b.dat"))->showMinimized();
        Item(Menu(Popup::Window), QStringLiteral("&4 c.dat"))->trigger();
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        for (const QString& keyName : keys) {
            const QKeyCombination key = QKeySequence(keyName)[0];
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr);
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        }
        CChildFrame* now = Frame().ActiveChild();
        QCOMPARE(now->Title(), active);
        QCOMPARE(Frame().MdiArea()->activeSubWindow(), now);
        // Brought to the front in its normal state; the hidden one stays so.
        QVERIFY(now->isVisible());
        QVERIFY(!now->isMinimized());
        QVERIFY(first->isHidden());
        QCOMPARE(ShownCaption(), kProgramTitle + " - " + active);
    }

    void cascadeAndTileArrangeTheWindowsInSight() {
        Start();
        CChildFrame* first = Frame().ActiveChild();
        Open(QStringLiteral("a.dat"));
        Open(QStringLiteral("b.dat"));
        Item(Menu(Popup::Window), QStringLiteral("&2 a.dat (hidden)"))->trigger();
        CChildFrame* a = ChildTitled(QStringLiteral("a.dat"));
        CChildFrame* b = ChildTitled(QStringLiteral("b.dat"));

        Frame().OnCommand(ID_WINDOW_TILE_HORZ);
        QVERIFY(first->isHidden());
        QVERIFY(!a->geometry().intersects(b->geometry()));
        const QRect workspace = Frame().MdiArea()->viewport()->rect();
        QVERIFY(workspace.contains(a->geometry()) && workspace.contains(b->geometry()));

        // Cascade: b, then the active a a caption lower, on top; opening size.
        Frame().OnCommand(ID_WINDOW_CASCADE);
        QVERIFY(first->isHidden());
        QCOMPARE(b->geometry().topLeft(), QPoint(0, 0));
        const int step = a->geometry().top();
        QVERIFY(step > 0);
        QCOMPARE(a->geometry().topLeft(), QPoint(step, step));
        for (const CChildFrame* child : {a, b}) {
            const QPoint place = child->geometry().topLeft();
            QCOMPARE(child->size(), QSize(CChildFrame::kWidth, CChildFrame::kHeight)
                                        .boundedTo(workspace.size() - QSize(place.x(), place.y())));
        }
        QCOMPARE(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), a);
        QCOMPARE(Frame().ActiveChild(), a);
    }
};

QTEST_MAIN(DocumentWindowsTest)
#include "document_windows_test.moc"
