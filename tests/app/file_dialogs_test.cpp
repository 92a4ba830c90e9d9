// The window's file dialogs as a user meets them: each opens in the folder
// last used (the user's documents folder at first, in a fresh per-user
// store), and the folder of the file chosen is where the next one opens.

#include "print/report_commands.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/file_dialogs.h"
#include "ui/user_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class FileDialogsTest : public QObject {
    Q_OBJECT

    StartedProgram m_program;

    CMainFrame& Frame() const { return m_program.Frame(); }

    // Runs the command; Export PDF's section choice is answered with OK.
    void Run(int command) {
        if (command == ID_FILE_EXPORT_PDF) {
            CPrintListDlg& sections = m_program.App().Reports().PrintList();
            QTimer::singleShot(0, &sections, [&sections] { ClickOk(sections); });
        }
        Frame().OnCommand(command);
    }

private slots:
    void init() { m_program.Start(""); }
    void cleanup() {
        FileDialogs::SetHandler({});
        m_program.Stop();
    }

    void eachDialogOpensInTheFolderLastUsed_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("save");
        // The file chosen, in a folder of its own.
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Open") << int(ID_FILE_OPEN) << false << "a.dat";
        QTest::newRow("Save As") << int(ID_FILE_SAVE_AS) << true << "b.dat";
        QTest::newRow("Import Channels") << int(ID_FILE_IMPORT_CHANNELS) << false << "list.csv";
        QTest::newRow("Export Channels") << int(ID_FILE_EXPORT_CHANNELS) << true << "out.csv";
        QTest::newRow("Export PDF") << int(ID_FILE_EXPORT_PDF) << true << "report.pdf";
    }

    void eachDialogOpensInTheFolderLastUsed() {
        QFETCH(int, command);
        QFETCH(bool, save);
        QFETCH(QString, chosen);
        QTemporaryDir elsewhere;
        const QString path = QDir(elsewhere.path()).filePath(chosen);
        if (!save) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(command == ID_FILE_OPEN ? QByteArray(6144, '\xFF') : "Frequency\n145.5\n");
        }
        QStringList openedIn;
        FileDialogs::SetHandler([&](const FileDialogRequest& request, QString*) {
            openedIn << request.start;
            return request.save == save ? path : QString();
        });
        Run(command);
        Run(command);
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // Each opened in the folder, or at a file suggested in it.
        const auto in = [](const QString& start, const QString& folder) {
            return start == folder || QFileInfo(start).path() == folder;
        };
        QCOMPARE(openedIn.size(), 2);
        QVERIFY2(in(openedIn[0], documents), qPrintable(openedIn[0]));
        QVERIFY2(in(openedIn[1], elsewhere.path()), qPrintable(openedIn[1]));
        // Kept in the per-user store for the next run.
        QCOMPARE(UserStore::ReadFileFolder(
                     UserStore::CurrentAppName(m_program.App().Context().Profile())), elsewhere.path());
    }
};

QTEST_MAIN(FileDialogsTest)
#include "file_dialogs_test.moc"
