// The start-up and shut-down of the window program, run in-process against a
// program directory in a temporary folder: language files, settings, menu
// pruning, the band bytes of the per-user store and the command line.

#include "app/demo_radio.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/program_document.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/profile_file.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "tests/app/edit_menu_texts.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <fstream>

namespace {

StartupOptions TestOptions(const ProgramDirFixture& dir) {
    StartupOptions options;
    options.programDir = dir.Dir();
    options.splash = false;
    options.showWindow = false;
    return options;
}

QList<int> ItemIds(const QMenu* menu) {
    QList<int> ids;
    for (const QAction* action : menu->actions()) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    }
    return ids;
}

QStringList TreeChildren(const QTreeWidget* tree) {
    QStringList texts;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        texts << root->child(i)->text(0);
    }
    return texts;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void missingLanguageFileEndsTheProgram_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << false << QStringLiteral("Load language DLL fail");
        QTest::newRow("Chinese") << true << QStringLiteral("加载语言链接库失败");
    }
    void missingLanguageFileEndsTheProgram() {
        QFETCH(bool, chinese);
        QFETCH(QString, message);
        ProgramDirFixture dir;
        dir.WriteSettings(chinese ? ChineseSettings("") : EnglishSettings(""));
        CProgramApp app;
        QVERIFY(!app.InitInstance(TestOptions(dir)));
        QCOMPARE(dir.MessageTexts(), QStringList{message});
        QCOMPARE(dir.Messages().front().buttons, MessageButtons::Ok);
        QVERIFY(app.MainFrame() == nullptr);
    }

    void missingSettingsFileIsCreatedAndTheProgramEnds() {
        ProgramDirFixture dir;
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(!app.InitInstance(TestOptions(dir)));
        QCOMPARE(dir.MessageTexts(), QStringList{QStringLiteral("Load language DLL fail")});
        QVERIFY(QFile::exists(dir.FilePath(QStringLiteral("Program.ini"))));
        QCOMPARE(app.Context().strHelpFile, std::string("enHelp.qch"));
    }

    void languageNameDecidesFlagFileAndSection() {
        // Lower case "chinese": English wording and help, but the file of that
        // name is loaded and the [Chinese] section is found.
        ProgramDirFixture dir;
        dir.WriteSettings("[Setup]\r\nLanguage=chinese\r\nAppName=TestProgram\r\n"
                          "[Chinese]\r\nCompany=中文公司\r\nTitle=中文标题\r\n");
        dir.CopyTranslations();
        QFile::copy(dir.FilePath(QStringLiteral("Chinese.qm")),
                    dir.FilePath(QStringLiteral("chinese.qm")));
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        QVERIFY(!app.Context().Texts().bChinese());
        QCOMPARE(app.Context().strHelpFile, std::string("enHelp.qch"));
        QCOMPARE(MessageService::DisplayName(), QStringLiteral("中文公司"));
        // The program's title, then the active document's caption.
        QCOMPARE(app.MainFrame()->windowTitle(),
                 QStringLiteral("中文标题 - 信道信息[*]"));
        app.ExitInstance();
    }

    void textsFollowTheLanguage_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QStringList>("children");
        QTest::addColumn<QString>("documentTitle");
        QTest::addColumn<QString>("newQuestion");
        QTest::newRow("English") << false << QStringLiteral("Acme Radio")
                                 << QStringList{"Product Information", "Channel Information",
                                                "Optional Features"}
                                 << QStringLiteral("Channel Information")
                                 << QStringLiteral("All data will be Cleared!");
        QTest::newRow("Chinese") << true << QStringLiteral("中文公司")
                                 << QStringList{"机型设置", "信道信息", "可选功能"}
                                 << QStringLiteral("信道信息")
                                 << QStringLiteral("所有数据将被清除!");
    }
    void textsFollowTheLanguage() {
        QFETCH(bool, chinese);
        QFETCH(QString, company);
        QFETCH(QStringList, children);
        QFETCH(QString, documentTitle);
        QFETCH(QString, newQuestion);
        ProgramDirFixture dir;
        dir.WriteSettings(chinese ? ChineseSettings("") : EnglishSettings(""));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        QCOMPARE(app.Context().Texts().bChinese(), chinese);
        QCOMPARE(app.Context().strHelpFile, std::string(chinese ? "chHelp.qch" : "enHelp.qch"));
        QCOMPARE(MessageService::DisplayName(), company);
        const QTreeWidget* tree = app.MainFrame()->NavigationTree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), company);
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QCOMPARE(TreeChildren(tree), children);
        CChildFrame* child = app.MainFrame()->ActiveChild();
        QVERIFY(child != nullptr);
        QCOMPARE(QString::fromStdString(child->Document().Title()), documentTitle);
        QCOMPARE(child->ShownTitle(), documentTitle);
        QVERIFY(app.NewDocument());
        QCOMPARE(dir.MessageTexts(), QStringList{newQuestion});
        // Qt's own texts follow too (the buttons of the message boxes, the
        // help window's search).
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == QStringLiteral("Cancel"), !chinese);
        const QString search = QCoreApplication::translate("QHelpSearchQueryWidget", "Search");
        QCOMPARE(search == QStringLiteral("Search"), !chinese);
        app.ExitInstance();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("QHelpSearchQueryWidget", "Search"),
                 QStringLiteral("Search"));
    }

    void showLangKeepsOrRemovesLanguage_data() {
        QTest::addColumn<QString>("setupLine");
        QTest::addColumn<bool>("kept");
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("1") << QStringLiteral("ShowLang=1\r\n") << true;
        QTest::newRow("0") << QStringLiteral("ShowLang=0\r\n") << false;
        QTest::newRow("letters") << QStringLiteral("ShowLang=yes\r\n") << false;
        QTest::newRow("leading digits") << QStringLiteral("ShowLang=1abc\r\n") << true;
        QTest::newRow("empty") << QStringLiteral("ShowLang=\r\n") << false;
    }
    void showLangKeepsOrRemovesLanguage() {
        QFETCH(QString, setupLine);
        QFETCH(bool, kept);
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(setupLine.toStdString()));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        const QMenu* setup = app.MainFrame()->MenusWithDocument()[3];
        // The write's safety items follow after a separator either way.
        const QList<int> safety{0, ID_VERIFY_AFTER_WRITE, ID_READ_BEFORE_WRITE};
        const QList<int> expected =
            (kept ? QList<int>{ID_COM_SETUP, ID_LANGUAGE} : QList<int>{ID_COM_SETUP}) + safety;
        QCOMPARE(ItemIds(setup), expected);
        app.ExitInstance();
    }

    void editMenuAfterStartUp_data() {
        QTest::addColumn<QString>("setupLine");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("ids");
        // The editing commands of the channel table follow the editors.
        const QStringList editing = EditingMenuTexts();
        const QList<int> editingIds{0,
                                    ID_EDIT_UNDO_STEP,
                                    ID_EDIT_REDO_STEP,
                                    0,
                                    ID_EDIT_CUT_CELLS,
                                    ID_EDIT_COPY_CELLS,
                                    ID_EDIT_PASTE_CELLS,
                                    ID_EDIT_DELETE_CELLS,
                                    0,
                                    ID_EDIT_INSERT_ROW,
                                    ID_EDIT_REMOVE_ROWS,
                                    ID_EDIT_MOVE_UP,
                                    ID_EDIT_MOVE_DOWN};
        const QStringList pruned =
            QStringList{"Product Information", "Channel Information", "-", "Optional Features"} +
            editing;
        const QList<int> prunedIds =
            QList<int>{ID_PRODUCT_INFORMATION, ID_CHANNEL_INFORMATION, 0, ID_OPTIONAL_FEATURES} +
            editingIds;
        QTest::newRow("no ShowSignalling") << QString() << pruned << prunedIds;
        QTest::newRow("ShowSignalling=0")
            << QStringLiteral("ShowSignalling=0\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=letters")
            << QStringLiteral("ShowSignalling=on\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=2")
            << QStringLiteral("ShowSignalling=2\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=1") << QStringLiteral("ShowSignalling=1\r\n")
                                          << QStringList{"Product Information",
                                                         "Channel Information",
                                                         "-",
                                                         "Optional Features",
                                                         "-",
                                                         "DTMF",
                                                         "2-Tone",
                                                         "MSK",
                                                         "Key Assignment",
                                                         "Squelch Tuning"} +
                                                 editing
                                          << QList<int>{ID_PRODUCT_INFORMATION,
                                                        ID_CHANNEL_INFORMATION,
                                                        0,
                                                        ID_OPTIONAL_FEATURES,
                                                        0,
                                                        ID_DTMF,
                                                        ID_TWO_TONE,
                                                        ID_MSK,
                                                        ID_KEY_ASSIGNMENT,
                                                        ID_SQUELCH_TUNING} +
                                                 editingIds;
    }
    void editMenuAfterStartUp() {
        QFETCH(QString, setupLine);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, ids);
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(setupLine.toStdString()));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        const CMainFrame* frame = app.MainFrame();
        // The document menu is the current one and holds the pruned Edit menu.
        QCOMPARE(frame->CurrentMenus().size(), std::size_t{7});
        const QMenu* edit = frame->CurrentMenus()[1];
        QCOMPARE(ItemTexts(edit), texts);
        QCOMPARE(ItemIds(edit), ids);
        // The tree offers the same editors as the menu.
        QCOMPARE(TreeChildren(frame->NavigationTree()).size(), ids.contains(ID_DTMF) ? 8 : 3);
        app.ExitInstance();
    }

    void signallingItemsInChinese() {
        ProgramDirFixture dir;
        dir.WriteSettings(ChineseSettings("ShowSignalling=1\r\n"));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        QCOMPARE(TreeChildren(app.MainFrame()->NavigationTree()),
                 (QStringList{"机型设置", "信道信息", "可选功能", "DTMF", "2-Tone", "MSK",
                              "按键设置", "静噪调整"}));
        const QStringList edit = ItemTexts(app.MainFrame()->CurrentMenus()[1]);
        QCOMPARE(edit.mid(5, 5), (QStringList{"DTMF", "2-Tone", "MSK", "按键设置", "静噪调整"}));
        QCOMPARE(edit.mid(11, 2), (QStringList{"撤销(&U)\tCtrl+Z", "重做(&R)\tCtrl+Y"}));
        QCOMPARE(edit.last(), QStringLiteral("下移(&W)\tCtrl+Down"));
        app.ExitInstance();
    }

    void bandBytesSurviveTheRun() {
        // Six 0xFF bytes come back as the default pattern and are written in
        // that form at exit.
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        UserStore::WriteField("TestProgram", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        QCOMPARE(app.Context().band.bandCode, kDefaultBandCode);
        app.ExitInstance();
        QCOMPARE(UserStore::ReadField("TestProgram"), std::optional(kDefaultBandCode));

        // A stored code other than the two fill patterns is taken as it is and
        // a new document carries it.
        const BandCodeBytes stored{0x14, 0x15, 0x48, 0x43, 0x44, 0x00};
        UserStore::WriteField("TestProgram", stored);
        CProgramApp second;
        QVERIFY(second.InitInstance(TestOptions(dir)));
        QCOMPARE(second.Context().band.bandCode, stored);
        second.ExitInstance();
        QCOMPARE(UserStore::ReadField("TestProgram"), std::optional(stored));
    }

    void settingsFileKeptWhenNothingChanged() {
        ProgramDirFixture dir;
        const std::string text = EnglishSettings("ShowLang=1\r\n");
        dir.WriteSettings(text);
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        app.ExitInstance();
        QVERIFY(!app.Context().Profile().IsModified());
        QVERIFY(app.Context().Profile().Save(false).empty());
        QCOMPARE(ReadFile(dir.FilePath(QStringLiteral("Program.ini"))),
                 QByteArray::fromStdString(text));
        QVERIFY(dir.Messages().empty());
    }

    void settingsFileThatCannotBeWrittenIsReportedAtExit_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << false
                                 << QStringLiteral("The settings file %1 could not be written.");
        QTest::newRow("Chinese") << true << QStringLiteral("无法写入设置文件 %1。");
    }
    void settingsFileThatCannotBeWrittenIsReportedAtExit() {
        ProgramDirFixture dir;
        dir.CopyTranslations();
        QFETCH(bool, chinese);
        dir.WriteSettings(chinese ? ChineseSettings("") : EnglishSettings(""));
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        app.Context().Profile().SetValue("Setup", "VerifyAfterWrite", "1");
        // The settings file's place is taken: it cannot be replaced.
        const QString path = dir.FilePath(QStringLiteral("Program.ini"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        app.ExitInstance();
        QFETCH(QString, message);
        QCOMPARE(dir.MessageTexts(), QStringList{message.arg(path)});
        QCOMPARE(dir.Messages().front().icon, MessageIcon::Exclamation);
    }

    void commandLineOpensTheNamedFile() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        RadioImage image;
        FillNewDocumentImage(image, kDefaultBandCode);
        image[0x1261] = 0x07;
        const QString path = dir.FilePath(QStringLiteral("saved.dat"));
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));

        StartupOptions options = TestOptions(dir);
        options.arguments = {QLatin1Char('"') + path + QLatin1Char('"')};
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        const CProgramDoc& doc = app.MainFrame()->ActiveChild()->Document();
        QCOMPARE(QString::fromStdString(doc.Path()), path);
        QCOMPARE(doc.Image()[0x1261], 0x07);
        QCOMPARE(app.MainFrame()->Children().size(), std::size_t{1});
        app.ExitInstance();
    }

    void demoRadioAnswersWhenNoPortIsSetUp() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        StartupOptions options = TestOptions(dir);
        CDemoRadio demo;
        options.demoRadio = [&demo](const BandCodeBytes& bandCode) {
            return demo.Start(bandCode) ? demo.DevicePath() : std::string();
        };
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        QVERIFY(!app.DemoRadioDevice().empty());
        const QString device = QString::fromStdString(app.DemoRadioDevice());
        QVERIFY(device.startsWith(QStringLiteral("/dev/")));
        QCOMPARE(QString::fromStdString(app.Context().portName), device);
        QVERIFY(app.MainFrame()->StatusMessage().contains(device));

        // A new document window keeps the port on the simulated radio, and
        // Program > Read brings its channels into the grid.
        QVERIFY(app.NewDocument());
        QCOMPARE(QString::fromStdString(app.Context().portName), device);
        CProgramView& view = app.MainFrame()->ActiveChild()->View();
        DocumentSession& session = app.MainFrame()->ActiveChild()->Session();
        QSignalSpy read(&session, &DocumentSession::ChannelsRead);
        QSignalSpy running(&session, &DocumentSession::TransferRunningChanged);
        app.MainFrame()->OnCommand(ID_PROGRAM_READ);
        QVERIFY(session.ProcessDialog()->IsOpen());
        session.ProcessDialog()->StartButton()->click();
        QVERIFY(running.wait(30000));
        // The radio and the transfer need nothing of the window's thread:
        // held up here (as an open menu holds it), the whole read still
        // crosses the line; two band blocks, the password block, 512 data.
        QDeadlineTimer deadline(60000);
        while (demo.Stats().blocksRead < 515 && !deadline.hasExpired()) {
            QThread::msleep(5);
        }
        QCOMPARE(demo.Stats().blocksRead, 515);
        QVERIFY(read.wait(30000));
        QCOMPARE(Cell(view.Channels(), 1, kColRx), std::string("145.12500"));
        QCOMPARE(Cell(view.Channels(), 2, kColName), std::string("RPT1"));
        QVERIFY(!app.MainFrame()->ActiveDocument()->IsModified());
        QCOMPARE(dir.Messages().size(), std::size_t{1}); // New's question only
        // The window has gone; the status bar tells of the read instead of
        // the demo hint.
        QVERIFY(!session.ProcessDialog()->isVisible());
        const QRegularExpression readNotice(
            QStringLiteral("^Read in \\d+\\.\\d s; channels in use: 6\\.$"));
        QVERIFY2(readNotice.match(app.MainFrame()->StatusMessage()).hasMatch(),
                 qPrintable(app.MainFrame()->StatusMessage()));

        // A write says so too, with the channels it sent.
        QSignalSpy ended(&session, &DocumentSession::TransferEnded);
        app.MainFrame()->OnCommand(ID_PROGRAM_WRITE);
        session.ProcessDialog()->StartButton()->click();
        QVERIFY(ended.wait(60000));
        const QRegularExpression writeNotice(
            QStringLiteral("^Written in \\d+\\.\\d s; channels in use: 6\\.$"));
        QVERIFY2(writeNotice.match(app.MainFrame()->StatusMessage()).hasMatch(),
                 qPrintable(app.MainFrame()->StatusMessage()));
        QCOMPARE(demo.Stats().blocksWritten, 508);
        app.ExitInstance();
    }

    void noDemoRadioWhenAPortIsStored() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        UserStore::WritePortNumber("TestProgram", 2);
        StartupOptions options = TestOptions(dir);
        bool started = false;
        options.demoRadio = [&started](const BandCodeBytes&) {
            started = true;
            return std::string("/dev/null");
        };
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        QVERIFY(!started);
        QVERIFY(app.DemoRadioDevice().empty());
        QCOMPARE(app.Context().portName, std::string("COM2"));
        app.ExitInstance();
    }

    void commandLineFileThatCannotBeReadEndsStartUp() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        const QString path = dir.FilePath(QStringLiteral("short.dat"));
        std::ofstream(path.toStdString(), std::ios::binary) << "too short";
        StartupOptions options = TestOptions(dir);
        options.arguments = {path};
        CProgramApp app;
        QVERIFY(!app.InitInstance(options));
        QCOMPARE(dir.Messages().size(), std::size_t{1});
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
