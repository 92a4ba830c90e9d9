// The help: every context number any window can ask for lands on a page of
// both help files (at the field's anchor where the row names one), and the
// help window opens at the right topic for F1 presses in the running program.

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
#include "model/language.h"
#include "print/print_list_dialog.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/compare_places.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "tests/ui/dialog_test_support.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"
#include "ui/field_binding.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QTreeWidget>

#include <memory>
#include <set>

namespace {

// The place of a difference in a Compare With list that shows none.
QString NoPlace(const compare::Difference& /*difference*/) {
    return {};
}

constexpr int kMain = kMainWindowHelp;
const char* const kHelpFiles[] = {"enHelp.qch", "chHelp.qch"};

QString BuiltHelpFile(const char* name) {
    return QDir(QStringLiteral(PROGRAM_BIN_DIR)).filePath(QString::fromLatin1(name));
}

// A context some window can ask for, and what asks for it.
struct Asked {
    int window;
    int context;
    QString what;
    bool operator<(const Asked& other) const {
        return std::pair(window, context) < std::pair(other.window, other.context);
    }
};

// Every control id at or below root, asked for from window.
void AddControls(const QWidget* root, int window, std::set<Asked>& asked) {
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        widgets << child;
    }
    for (const QWidget* widget : widgets) {
        // A window of its own asks as itself (the transfer window).
        if (widget->window() != root->window()) {
            continue;
        }
        if (const QVariant id = widget->property(kControlIdProperty); id.isValid()) {
            asked.insert({window, id.toInt(),
                          QStringLiteral("%1 %2 in %3")
                              .arg(QString::fromLatin1(widget->metaObject()->className()),
                                   widget->objectName(),
                                   QString::fromLatin1(root->metaObject()->className()))});
        }
    }
}

// A dialog opened on a new image, so that pages made at the opening exist.
// args: what the dialog is made with besides its parent.
template <typename Dialog, typename... Args>
void AddBoundDialog(std::set<Asked>& asked, Args&... args) {
    RadioImage image = NewImage();
    Dialog dialog(args...);
    dialog.OnInitDialog(image);
    AddControls(&dialog, binding::ControlIdOf(&dialog), asked);
}

// One help file, opened through a collection of its own.
class HelpFile {
public:
    explicit HelpFile(const QString& path)
        : m_engine(m_dir.filePath(QStringLiteral("check.qhc"))),
          m_namespace(QHelpEngineCore::namespaceName(path)) {
        m_engine.setReadOnly(false);
        m_engine.setupData();
        m_engine.registerDocumentation(path);
    }

    bool IsOpen() const { return !m_namespace.isEmpty(); }

    // The topic "page.html#anchor" exists: the page, and in it the anchor.
    bool HasTopic(const QString& topic) const {
        const QString page = topic.section(QLatin1Char('#'), 0, 0);
        const QString anchor = topic.section(QLatin1Char('#'), 1);
        const QByteArray html =
            m_engine.fileData(QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namespace, page)));
        return !html.isEmpty() && (anchor.isEmpty() ||
                                   html.contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8()));
    }

private:
    QTemporaryDir m_dir;
    QHelpEngineCore m_engine;
    QString m_namespace;
};

} // namespace

class HelpTopicsTest : public QObject {
    Q_OBJECT

    StartedProgram m_program;

    CMainFrame& Frame() const { return m_program.Frame(); }

    // Copies the built help files beside the started program.
    void CopyHelpFiles() const {
        for (const char* name : kHelpFiles) {
            QVERIFY(QFile::copy(BuiltHelpFile(name),
                                m_program.Dir().FilePath(QString::fromLatin1(name))));
        }
    }

    // The page (and anchor) the help window of file shows.
    QString ShownTopic(const char* file) const {
        CHelpWindow* window = m_program.App().Help().Window(file);
        if (!window || !window->isVisible()) {
            return {};
        }
        const QUrl source = window->Browser()->source();
        const QString page = source.path().section(QLatin1Char('/'), -1);
        return source.hasFragment() ? page + QLatin1Char('#') + source.fragment() : page;
    }

private slots:
    void cleanup() { m_program.Stop(); }

    void everyContextLandsOnATopicOfBothFiles() {
        m_program.Start("ShowLang=1\r\nShowSignalling=1\r\n");
        std::set<Asked> asked;
        // The main window: every command (F1 on its menu item), its own
        // help, every control in it and the channel grid's numbers.
        for (const Command& command : CommandTable()) {
            asked.insert({kMain, command.id, QStringLiteral("command")});
        }
        for (int menu : {128, 129}) {
            asked.insert({kMain, 0x10000 + menu, QStringLiteral("main window")});
        }
        AddControls(&Frame(), kMain, asked);
        for (int context : {kHelpRxFrequency, kHelpTxFrequency, kHelpDecodeTone, kHelpEncodeTone}) {
            asked.insert({kMain, context, QStringLiteral("grid column")});
        }
        // The dialogs, with the numbers their buttons are remapped to.
        AddBoundDialog<CProductInfoDlg>(asked, Frame().Context());
        AddBoundDialog<COptionalFeaturesDlg>(asked);
        AddBoundDialog<CDtmfDlg>(asked);
        AddBoundDialog<CTwoToneDlg>(asked);
        AddBoundDialog<CMskDlg>(asked);
        AddBoundDialog<CKeyAssignDlg>(asked);
        AddBoundDialog<CSquelchTuningDlg>(asked, Frame().Context());
        asked.insert(
            {CKeyAssignDlg::kDialogId, CKeyAssignDlg::kCommandId, QStringLiteral("remap")});
        const CLanguageDlg language;
        AddControls(&language, CLanguageDlg::kDialogId, asked);
        asked.insert({CLanguageDlg::kDialogId, CLanguageDlg::kCommandId, QStringLiteral("remap")});
        const CPortSettingDlg port(Frame().Context());
        AddControls(&port, binding::ControlIdOf(&port), asked);
        const CProcessDlg process(SourceTexts(), &Frame());
        AddControls(&process, binding::ControlIdOf(&process), asked);
        const CPrintListDlg printList;
        AddControls(&printList, binding::ControlIdOf(&printList), asked);
        // Compare With's choice shows the Other File button beside the list.
        const QTemporaryDir noReads;
        const CRadioHistoryDlg history(noReads.path(), CRadioHistoryDlg::Purpose::Compare, {});
        AddControls(&history, binding::ControlIdOf(&history), asked);
        const CCompareDlg compare({}, QStringLiteral("other.dat"), NoPlace, "");
        AddControls(&compare, binding::ControlIdOf(&compare), asked);
        CloneStationSetup cloneSetup;
        cloneSetup.ports = [] { return std::vector<PortChoice>{}; };
        const CCloneStationDlg cloneStation(cloneSetup);
        AddControls(&cloneStation, binding::ControlIdOf(&cloneStation), asked);
        QVERIFY(asked.size() > 200);

        QStringList missing;
        std::set<QString> topics;
        for (const Asked& request : asked) {
            if (const char* topic = FindHelpTopic(request.window, request.context)) {
                topics.insert(QString::fromLatin1(topic));
            } else {
                missing << QStringLiteral("%1/%2 (%3)")
                               .arg(request.window)
                               .arg(request.context)
                               .arg(request.what);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));

        // Every topic of the table exists in both files.
        for (const HelpTopicRow& row : HelpTopicTable()) {
            topics.insert(QString::fromLatin1(row.topic));
        }
        topics.insert(QString::fromLatin1(kHelpContentsPage));
        // The sections on a cable's port on Linux, which other pages link to.
        for (const char* section : {"port-on-linux", "modem-manager", "brltty", "dialout"}) {
            topics.insert(QStringLiteral("troubleshooting.html#") + QString::fromLatin1(section));
        }
        for (const char* name : kHelpFiles) {
            const HelpFile file(BuiltHelpFile(name));
            QVERIFY2(file.IsOpen(), name);
            for (const QString& topic : topics) {
                QVERIFY2(file.HasTopic(topic),
                         qPrintable(QString::fromLatin1(name) + QLatin1Char(' ') + topic));
            }
        }
    }

    void theLookUpFallsBackToTheDialogThenToTheContents_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("topic");
        // The same control id in two dialogs lands in each dialog's own page.
        QTest::newRow("step list in Optional Features")
            << 133 << 1124 << "optional-features.html#step";
        QTest::newRow("group code list in DTMF") << 141 << 1124 << "dtmf.html#group-code";
        QTest::newRow("port COM16") << 204 << 1022 << "port-setting.html#ports";
        QTest::newRow("channel grid") << kMain << 1022 << "channel-grid.html";
        QTest::newRow("unknown control of a dialog") << 203 << 4242 << "squelch-tuning.html";
        QTest::newRow("Select All in PrintList") << 205 << 1279 << "printing.html#select-all";
        QTest::newRow("Other File in the history")
            << 206 << 1301 << "restore-points.html#other-file";
        QTest::newRow("unknown control of Compare")
            << 207 << 4242 << "restore-points.html#compare-with";
        QTest::newRow("unknown window") << 999 << 1124 << "index.html";
        QTest::newRow("unknown number of the main window") << kMain << 4242 << "index.html";
    }

    void theLookUpFallsBackToTheDialogThenToTheContents() {
        QFETCH(int, window);
        QFETCH(int, context);
        QFETCH(QString, topic);
        QCOMPARE(QString::fromLatin1(HelpTopicFor(window, context)), topic);
    }

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

QTEST_MAIN(HelpTopicsTest)
#include "help_topics_test.moc"
