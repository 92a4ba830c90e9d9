// The start-up and shut-down of the window program against its settings,
// run in-process on a program directory in a temporary folder: the language
// files and the texts they give, the settings file created, kept or not
// writable, and the band bytes of the per-user store.

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
#include "tests/app/edit_menu_texts.h"
#include "tests/app/file_bytes.h"
#include "tests/app/startup_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <fstream>

class StartupSettingsTest : public QObject {
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
};

QTEST_MAIN(StartupSettingsTest)
#include "startup_settings_test.moc"
