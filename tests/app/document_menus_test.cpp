// Finding the documents through the menus: the recent files of the File
// menu, and the Window menu (every document, hidden ones too; Cascade,
// Tile, Next F6 and Previous Shift+F6).

#include "dialogs/radio_history_dialog.h"
#include "grid/channel_grid.h"
#include "session/program_view.h"
#include "tests/app/document_windows_fixture.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTest>

class DocumentMenusTest : public DocumentWindowsFixture {
    Q_OBJECT

private slots:
    void cleanup() { endProgram(); }

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

QTEST_MAIN(DocumentMenusTest)
#include "document_menus_test.moc"
