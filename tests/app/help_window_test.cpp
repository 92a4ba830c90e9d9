// The help window in the running program: Help Topics and F1 open it at
// their topic, F1 in a modal dialog opens it above the dialog, Back and
// Forward, the contents and the search, the Chinese file (the English one
// for Key Assignment), and a missing file.

#include "dialogs/compare_dialog.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "grid/channel_grid.h"
#include "help_ui/help_topics.h"
#include "print/print_list_dialog.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/compare_places.h"
#include "tests/app/help_fixture.h"
#include "tests/ui/dialog_test_support.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"
#include "ui/field_binding.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <QTest>
#include <memory>
#include <set>

class HelpWindowTest : public HelpFixture {
    Q_OBJECT

private slots:
    void cleanup() { stopProgram(); }

    void f1AndHelpTopicsOpenTheHelpWindowAtTheirTopic() {
        m_program.Start("ShowLang=1\r\nShowSignalling=1\r\n");
        CopyHelpFiles();
        Frame().OnCommand(ID_HELP_TOPICS);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("index.html"));
        Frame().OnCommand(ID_HELP);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("main-window.html"));

        // F1 in the channel grid's transmit frequency column.
        CProgramView& view = Frame().ActiveChild()->View();
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        view.Grid()->setCurrentIndex(view.Grid()->model()->index(0, 1));
        view.BeginCellEdit();
        auto* edit = view.findChild<QLineEdit*>(QStringLiteral("frequencyEdit"));
        QVERIFY(edit && edit->isVisible());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("channel-grid.html#tx-frequency"));

        // F1 on a list of Optional Features, in the running dialog.
        COptionalFeaturesDlg dialog(&Frame());
        RadioImage image = NewImage();
        RunWith(dialog, image, [&] {
            auto* beep = Control<QComboBox>(&dialog, 1127);
            QVERIFY(beep);
            beep->setFocus();
            QTest::keyClick(beep, Qt::Key_F1);
        });
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("optional-features.html#beep"));

        // F1 on the list of differences, in a shown Compare With dialog.
        CCompareDlg compare({}, QStringLiteral("other.dat"), NoPlace, "", &Frame());
        compare.show();
        QVERIFY(QTest::qWaitForWindowActive(&compare));
        compare.Table()->setFocus();
        QTest::keyClick(compare.Table(), Qt::Key_F1);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("restore-points.html#differences"));

        // F1 on Start, in the Process window of Read Data.
        Frame().OnCommand(ID_PROGRAM_READ);
        CProcessDlg* process = Frame().ActiveChild()->Session().ProcessDialog();
        QVERIFY(QTest::qWaitForWindowExposed(process));
        QTest::keyClick(process->StartButton(), Qt::Key_F1);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("process.html#start"));
        process->CancelButton()->click();
    }

    // F1 in a modal dialog (Setup > Com Setup's Port Setting, run as the
    // command runs it): the help opens at the dialog's topic above the
    // dialog and takes mouse and keys through the window system while the
    // dialog stays open; Escape closes it; after the dialog it lives on.
    void helpFromAModalDialogOpensAboveItAndTakesInput() {
        m_program.Start("");
        CopyHelpFiles();
        CHelpWindow* help = nullptr;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CPortSettingDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto end = qScopeGuard([dialog] { dialog->reject(); });
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->windowHandle(), Qt::Key_F1);
            QVERIFY(ShownTopic("enHelp.qch").startsWith(QStringLiteral("port-setting.html")));
            help = m_program.App().Help().Window("enHelp.qch");
            QCOMPARE(help->parentWidget(), dialog);
            QVERIFY(help->isWindow());
            QCOMPARE(help->windowHandle()->transientParent(), dialog->windowHandle());
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTabBar* tabs = help->SideTabs()->tabBar();
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              tabs->mapTo(help, tabs->tabRect(1).center()));
            QCOMPARE(help->SideTabs()->currentIndex(), 1);
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            QVERIFY(!help->isVisible());
            QVERIFY(dialog->isVisible());
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->windowHandle(), Qt::Key_F1);
            QVERIFY(help->isVisible());
        });
        Frame().OnCommand(ID_COM_SETUP);
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->parentWidget(), nullptr);
        // Asked for from the main window, it stays a window of its own.
        Frame().OnCommand(ID_HELP_TOPICS);
        QCOMPARE(help->parentWidget(), nullptr);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("index.html"));
    }

    void backAndForwardRetraceTheTopics() {
        m_program.Start("");
        CopyHelpFiles();
        Frame().OnCommand(ID_HELP_TOPICS);
        HelpService::ShowContext(&Frame(), ID_LANGUAGE);
        CHelpWindow* window = m_program.App().Help().Window("enHelp.qch");
        QVERIFY(window);
        auto* back = window->findChild<QAction*>(QStringLiteral("back"));
        auto* forward = window->findChild<QAction*>(QStringLiteral("forward"));
        QVERIFY(back && forward);
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("language.html"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->trigger();
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("index.html"));
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("language.html"));
    }

    void contentsAndSearchFindThePages() {
        m_program.Start("");
        CopyHelpFiles();
        CHelpWindow* window = nullptr;
        QHelpSearchEngine* search = nullptr;
        std::unique_ptr<QSignalSpy> indexed;
        std::unique_ptr<QSignalSpy> contents;
        // The engine indexes and builds its contents on threads of its own,
        // started from the event loop once the window is made.
        Frame().OnCommand(ID_HELP_TOPICS);
        window = m_program.App().Help().Window("enHelp.qch");
        QVERIFY(window);
        search = window->Engine()->searchEngine();
        indexed = std::make_unique<QSignalSpy>(search, &QHelpSearchEngine::indexingFinished);
        contents = std::make_unique<QSignalSpy>(window->Engine()->contentModel(),
                                                &QHelpContentModel::contentsCreated);
        QVERIFY(contents->wait(60000));
        QVERIFY(indexed->count() > 0 || indexed->wait(60000));
        // One book, the contents page, with a page per topic below it.
        QHelpContentModel* model = window->Engine()->contentModel();
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(model->rowCount(model->index(0, 0)) >= 15);
        QHelpContentWidget* tree = window->Engine()->contentWidget();
        QVERIFY(tree->isExpanded(model->index(0, 0)));
        // A click on a topic opens it.
        const QModelIndex language = model->index(13, 0, model->index(0, 0));
        QCOMPARE(model->contentItemAt(language)->title(), QStringLiteral("Language"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualRect(language).center());
        QCOMPARE(ShownTopic("enHelp.qch"), QStringLiteral("language.html"));

        QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
        search->search(QStringLiteral("dialout"));
        QVERIFY(found.wait(60000));
        const int count = found.at(0).at(0).toInt();
        QVERIFY(count > 0);
        QStringList pages;
        for (const QHelpSearchResult& result : search->searchResults(0, count)) {
            pages << result.url().path().section(QLatin1Char('/'), -1);
        }
        QVERIFY2(pages.contains(QStringLiteral("getting-started.html")),
                 qPrintable(pages.join(QLatin1Char(' '))));
    }

    void chineseRunsOpenTheChineseFileButKeyAssignmentTheEnglish() {
        m_program.Start("ShowSignalling=1\r\n");
        // Started in English by the fixture: restart in Chinese.
        m_program.Stop();
        auto dir = std::make_unique<ProgramDirFixture>();
        CProgramApp app;
        dir->WriteSettings(ChineseSettings("ShowSignalling=1\r\n"));
        dir->CopyTranslations();
        for (const char* name : kHelpFiles) {
            QVERIFY(QFile::copy(BuiltHelpFile(name), dir->FilePath(QString::fromLatin1(name))));
        }
        StartupOptions options;
        options.programDir = dir->Dir();
        options.splash = false;
        options.showWindow = false;
        QVERIFY(app.InitInstance(options));
        app.MainFrame()->OnCommand(ID_HELP_TOPICS);
        CHelpWindow* chinese = app.Help().Window("chHelp.qch");
        QVERIFY(chinese && chinese->isVisible());
        QVERIFY(!app.Help().Window("enHelp.qch"));

        {
            CKeyAssignDlg keys(app.MainFrame());
            RadioImage image = NewImage();
            RunWith(keys, image, [&] {
                auto* button = Control<QRadioButton>(&keys, 1077);
                QVERIFY(button);
                button->setFocus();
                QTest::keyClick(button, Qt::Key_F1);
            });
        }
        CHelpWindow* english = app.Help().Window("enHelp.qch");
        QVERIFY(english && english->isVisible());
        QVERIFY(english->Browser()->source().toString().endsWith(
            QStringLiteral("key-assignment.html#side-key")));
        app.ExitInstance();
    }

    void aMissingHelpFileShowsNothing() {
        m_program.Start("");
        Frame().OnCommand(ID_HELP_TOPICS);
        Frame().OnCommand(ID_HELP);
        QVERIFY(!m_program.App().Help().Window("enHelp.qch"));
        QVERIFY(m_program.Dir().Messages().empty());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible() || window == &Frame(), window->metaObject()->className());
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
