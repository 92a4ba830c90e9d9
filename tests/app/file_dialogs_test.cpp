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
        // Whether the dialog shows a name first: only for a document's file.
        QTest::addColumn<bool>("suggests");
        QTest::newRow("Open") << int(ID_FILE_OPEN) << false << "a.dat" << false;
        QTest::newRow("Save As") << int(ID_FILE_SAVE_AS) << true << "b.dat" << true;
        QTest::newRow("Import Channels")
            << int(ID_FILE_IMPORT_CHANNELS) << false << "list.csv" << false;
        QTest::newRow("Export Channels")
            << int(ID_FILE_EXPORT_CHANNELS) << true << "out.csv" << false;
        QTest::newRow("Export PDF") << int(ID_FILE_EXPORT_PDF) << true << "report.pdf" << true;
    }

    void eachDialogOpensInTheFolderLastUsed() {
        QFETCH(int, command);
        QFETCH(bool, save);
        QFETCH(QString, chosen);
        QFETCH(bool, suggests);
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
            if (request.suggestsName != suggests) {
                openedIn << QStringLiteral("suggestsName %1").arg(request.suggestsName);
            }
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
        QVERIFY2(openedIn.size() == 2, qPrintable(openedIn.join(QLatin1Char('\n'))));
        QVERIFY2(in(openedIn[0], documents), qPrintable(openedIn[0]));
        QVERIFY2(in(openedIn[1], elsewhere.path()), qPrintable(openedIn[1]));
        // Kept in the per-user store for the next run.
        QCOMPARE(UserStore::ReadFileFolder(m_program.App().Context().AppName()), elsewhere.path());
    }

    // A folder to start in opens with no name, at the nearest folder that
    // exists; a suggested name stays whatever its folder.
    void opensInAFolderThatExists_data() {
        QTest::addColumn<QString>("start"); // under a temporary folder, which exists
        QTest::addColumn<bool>("suggestsName");
        QTest::addColumn<QString>("folder"); // where it opens; "~" the home folder
        QTest::addColumn<QString>("name");
        QTest::newRow("folder") << "here" << false << "here" << "";
        QTest::newRow("folder gone") << "gone/Documents" << false << "" << "";
        QTest::newRow("file name in a folder") << "here/a.dat" << true << "here" << "a.dat";
        QTest::newRow("file name in a folder gone")
            << "gone/Documents/RadioProgrammer" << true << "" << "RadioProgrammer";
        QTest::newRow("a file's folder, no name suggested") << "here/a.dat" << false << "here"
                                                            << "";
        QTest::newRow("no start") << "~" << false << "~" << "";
    }
    void opensInAFolderThatExists() {
        QFETCH(QString, start);
        QFETCH(bool, suggestsName);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QTemporaryDir base;
        QVERIFY(QDir(base.path()).mkdir(QStringLiteral("here")));
        QFile file(QDir(base.path()).filePath(QStringLiteral("here/a.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto where = [&base](const QString& relative) {
            return relative == QStringLiteral("~") ? QDir::homePath()
                                                   : QDir::cleanPath(base.path() + u'/' + relative);
        };
        FileDialogRequest request;
        request.start = start == QStringLiteral("~") ? QString() : where(start);
        request.suggestsName = suggestsName;
        const FileDialogs::Opening opening = FileDialogs::OpeningOf(request);
        QCOMPARE(opening.folder, where(folder));
        QCOMPARE(opening.name, name);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "file_dialogs_test.moc"
