// Setup > Language in-process: the Language dialog, and the switch with its
// restart observed through the program's process starter, which records the
// program, its arguments and the settings file as they are when it starts.

#include "dialogs/language_dialog.h"
#include "model/band.h"
#include "model/program_document.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/user_store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace {

struct StartRecord {
    QString program;
    QStringList arguments;
    QByteArray settings;
    std::optional<UserStore::Field> band;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the next Language dialog: checks the button of language (0 or 1)
// and presses OK, or Cancel when cancel is set. Records which button the
// dialog opened with.
void AnswerLanguageDialog(QObject* context, int language, bool cancel, int* openedWith) {
    QTimer::singleShot(0, context, [=] {
        auto* dialog = qobject_cast<CLanguageDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* english = Control<QRadioButton>(dialog, CLanguageDlg::kEnglishId);
        auto* chinese = Control<QRadioButton>(dialog, CLanguageDlg::kChineseId);
        QVERIFY(english && chinese);
        // Each language in its own script, whichever is in use.
        QCOMPARE(english->text(), QStringLiteral("English"));
        QCOMPARE(chinese->text(), QStringLiteral("中文"));
        *openedWith = chinese->isChecked() ? 1 : (english->isChecked() ? 0 : -1);
        (language == 1 ? chinese : english)->click();
        cancel ? ClickCancel(*dialog) : ClickOk(*dialog);
    });
}

} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;
    std::vector<StartRecord> m_started;
    bool m_startSucceeds = true;
    const QStringList m_arguments{QStringLiteral("--demo-radio"), QStringLiteral("--wire-log"),
                                  QStringLiteral("wire.log")};

    // Starts the program in language (0 English, 1 Chinese) with the
    // Language command offered and a recording process starter.
    void Start(int language) {
        m_dir = std::make_unique<ProgramDirFixture>();
        m_app = std::make_unique<CProgramApp>();
        m_dir->WriteSettings(language == 1 ? ChineseSettings("ShowLang=1\r\n")
                                           : EnglishSettings("ShowLang=1\r\n"));
        m_dir->CopyTranslations();
        StartupOptions options;
        options.programDir = m_dir->Dir();
        options.splash = false;
        options.showWindow = false;
        options.restartArguments = m_arguments;
        options.startProgram = [this](const QString& program, const QStringList& arguments) {
            m_started.push_back(
                {program, arguments, Settings(), UserStore::ReadField(m_app->Context().AppName())});
            return m_startSucceeds;
        };
        QVERIFY(m_app->InitInstance(options));
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
    }

    CMainFrame& Frame() const { return *m_app->MainFrame(); }
    QByteArray Settings() const { return ReadFile(m_dir->FilePath(QStringLiteral("Program.ini"))); }

    // Runs Setup > Language and answers the dialog.
    int ChooseLanguage(int language, bool cancel = false) {
        int openedWith = -2;
        AnswerLanguageDialog(this, language, cancel, &openedWith);
        Frame().OnCommand(ID_LANGUAGE);
        return openedWith;
    }

private slots:
    void init() {
        m_started.clear();
        m_startSucceeds = true;
    }

    void cleanup() {
        if (m_app) {
            m_app->ExitInstance();
        }
        m_app.reset();
        m_dir.reset();
    }

    void choosingTheOtherLanguageRestartsInIt_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("English to Chinese") << 0 << QByteArray("Language=Chinese\r\n");
        QTest::newRow("Chinese to English") << 1 << QByteArray("Language=English\r\n");
    }

    void choosingTheOtherLanguageRestartsInIt() {
        QFETCH(int, from);
        QFETCH(QByteArray, written);
        Start(from);
        // Band bytes changed in this run (a read from a radio).
        const UserStore::Field band{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
        m_app->Context().band.bandCode = band;
        QCOMPARE(ChooseLanguage(1 - from), from);

        // One new instance: the running executable with the command line
        // this one was given, and the new language already in the file.
        QCOMPARE(m_started.size(), std::size_t{1});
        QCOMPARE(m_started[0].program, QCoreApplication::applicationFilePath());
        QCOMPARE(m_started[0].arguments, m_arguments);
        QVERIFY2(m_started[0].settings.contains(written), m_started[0].settings.constData());
        // The band bytes are stored for it too, before it starts.
        QCOMPARE(m_started[0].band, std::optional(band));
        QVERIFY(!Frame().isVisible());
        QVERIFY(m_dir->Messages().empty());
    }

    void theRestartOpensTheFilesOpenAtTheSwitch() {
        Start(0);
        // Beside the new document, which has no file: a.dat, then b.dat in
        // front of it.
        const QString a = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x10);
        const QString b = WriteDat(*m_dir, QStringLiteral("b.dat"), 0x20);
        QVERIFY(m_app->OpenDocumentFile(a));
        QVERIFY(m_app->OpenDocumentFile(b));
        ChooseLanguage(1);
        QCOMPARE(m_started.size(), std::size_t{1});
        QCOMPARE(m_started[0].arguments, (m_arguments + QStringList{a, b}));
    }

    void choosingTheLanguageInUseChangesNothing_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("English, OK") << 0 << false;
        QTest::newRow("Chinese, OK") << 1 << false;
        QTest::newRow("English, Cancel on the other") << 0 << true;
    }

    void choosingTheLanguageInUseChangesNothing() {
        QFETCH(int, language);
        QFETCH(bool, cancel);
        Start(language);
        const QByteArray before = Settings();
        // Cancel is pressed with the other language checked.
        QCOMPARE(ChooseLanguage(cancel ? 1 - language : language, cancel), language);
        QVERIFY(m_started.empty());
        QCOMPARE(Settings(), before);
        QVERIFY(Frame().isVisible());
    }

    void cancellingASavePromptKeepsTheProgramOpen() {
        Start(0);
        Frame().ActiveDocument()->SetModified(true);
        m_dir->QueueAnswer(MessageAnswer::Cancel);
        ChooseLanguage(1);

        QVERIFY(m_started.empty());
        QVERIFY(Frame().isVisible());
        // The setting is written: the user is told it waits for the next start.
        QVERIFY(Settings().contains("Language=Chinese\r\n"));
        const QStringList messages = m_dir->MessageTexts();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith(QStringLiteral("Save changes to")));
        QCOMPARE(messages[1], QStringLiteral("The new language takes effect the next time the "
                                             "program starts."));
    }

    void discardingAtTheSavePromptRestarts() {
        Start(0);
        Frame().ActiveDocument()->SetModified(true);
        m_dir->QueueAnswer(MessageAnswer::Discard);
        ChooseLanguage(1);
        QCOMPARE(m_started.size(), std::size_t{1});
        QVERIFY(!Frame().isVisible());
    }

    void aProgramThatCannotStartIsReported_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << 0
                                 << QStringLiteral("The program could not be started again. Start "
                                                   "it yourself: it will run in the new language.");
        QTest::newRow("Chinese") << 1
                                 << QStringLiteral("无法重新启动程序。请手动启动，"
                                                   "程序将以新语言运行。");
    }

    void aProgramThatCannotStartIsReported() {
        QFETCH(int, from);
        QFETCH(QString, message);
        m_startSucceeds = false;
        Start(from);
        ChooseLanguage(1 - from);
        QCOMPARE(m_started.size(), std::size_t{1});
        QCOMPARE(m_dir->MessageTexts(), QStringList{message});
    }

    void aSettingsFileThatCannotBeWrittenKeepsTheProgramOpen() {
        Start(0);
        // The settings file's place is taken: the new language cannot be kept.
        const QString path = m_dir->FilePath(QStringLiteral("Program.ini"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        ChooseLanguage(1);
        QVERIFY(m_started.empty());
        QVERIFY(Frame().isVisible());
        QCOMPARE(
            m_dir->MessageTexts(),
            QStringList{QStringLiteral("The settings file %1 could not be written.").arg(path)});
        QCOMPARE(m_dir->Messages().front().icon, MessageIcon::Exclamation);
    }

    void f1OnEitherButtonAsksForTheLanguageCommand() {
        Start(0);
        CLanguageDlg dialog(false, &Frame());
        HelpRecorder help;
        const std::pair<int, int> presses[] = {{CLanguageDlg::kEnglishId, ID_LANGUAGE},
                                               {CLanguageDlg::kChineseId, ID_LANGUAGE},
                                               {1, 1},
                                               {2, 2}};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const auto& [control, context] : presses) {
            QWidget* widget = Control<QWidget>(&dialog, control);
            QVERIFY(widget);
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_F1);
            QCOMPARE(help.contexts.back(), context);
        }
        QCOMPARE(help.contexts.size(), std::size(presses));
        QCOMPARE(help.files.back(), std::string("enHelp.qch"));
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
