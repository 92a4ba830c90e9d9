// Where the program writes: beside itself when its folder may be written,
// else the user's copy of the settings file, made once from the shipped one.
// The read-only cases run as an unprivileged user, for whom folder
// permissions bind.

#include "tests/settings/unprivileged.h"
#include "ui/writable_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class WritablePathsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_programDir;
    QString m_configHome;
    QString m_dataHome;

    QString UserCopy() const { return m_configHome + QStringLiteral("/tester/Program.ini"); }
    QString Shipped() const { return m_programDir + QStringLiteral("/Program.ini"); }

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        QCoreApplication::setApplicationName(QStringLiteral("tester"));
        // Every user may enter the root; the user's folders may be written by all.
        QVERIFY(::chmod(QFile::encodeName(m_root.path()).constData(), 0755) == 0);
    }

    void init() {
        m_programDir = m_root.filePath(QStringLiteral("program"));
        m_configHome = m_root.filePath(QStringLiteral("config"));
        m_dataHome = m_root.filePath(QStringLiteral("data"));
        for (const QString& dir : {m_programDir, m_configHome, m_dataHome}) {
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(::chmod(QFile::encodeName(dir).constData(), 0777) == 0);
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome));
    }

    void cleanup() {
        ::chmod(QFile::encodeName(m_programDir).constData(), 0755);
        for (const QString& dir : {m_programDir, m_configHome, m_dataHome}) {
            QVERIFY(QDir(dir).removeRecursively());
        }
    }

    void choiceFollowsTheProgramFolder() {
        struct Case {
            bool programDirWritable;
            bool userCopyExists;
            const char* path;
            bool copyShipped;
        };
        const Case cases[] = {
            // A portable copy keeps the file beside itself, whatever the user has.
            {true, false, "/usr/lib/p/Program.ini", false},
            {true, true, "/usr/lib/p/Program.ini", false},
            // Installed: the user's copy, made only while it is missing.
            {false, false, "/home/u/.config/p/Program.ini", true},
            {false, true, "/home/u/.config/p/Program.ini", false},
        };
        for (const Case& c : cases) {
            const SettingsFileChoice choice =
                ChooseSettingsFile(QStringLiteral("/usr/lib/p"), c.programDirWritable,
                                   QStringLiteral("/home/u/.config/p"), c.userCopyExists);
            QCOMPARE(choice.path, QString::fromLatin1(c.path));
            QCOMPARE(choice.copyShipped, c.copyShipped);
        }
    }

    void writableFolderKeepsEverythingBesideTheProgram() {
        QVERIFY(WriteAll(Shipped(), "[Setup]\r\nLanguage=English\r\n"));
        QCOMPARE(SettingsFilePath(m_programDir), Shipped());
        QCOMPARE(UserDataDir(m_programDir), m_programDir);
        // Nothing is made in the user's folders.
        QVERIFY(QDir(m_configHome).isEmpty());
        QVERIFY(QDir(m_dataHome).isEmpty());
    }

    void readOnlyFolderUsesTheUsersCopyMadeOnce() {
        const QByteArray shipped = "[Setup]\r\nLanguage=English\r\n";
        QVERIFY(WriteAll(Shipped(), shipped));
        QVERIFY(::chmod(QFile::encodeName(Shipped()).constData(), 0444) == 0);
        const ReadOnlyFolder folder(m_programDir.toStdString());
        const int failedStep = RunUnprivileged([&] {
            if (SettingsFilePath(m_programDir) != UserCopy() || ReadAll(UserCopy()) != shipped) {
                return 1;
            }
            // The copy belongs to the user even though the shipped file is read-only.
            const QByteArray changed = "[Setup]\r\nLanguage=Chinese\r\n";
            if (!WriteAll(UserCopy(), changed)) {
                return 2;
            }
            // A later start keeps the user's file.
            if (SettingsFilePath(m_programDir) != UserCopy() || ReadAll(UserCopy()) != changed) {
                return 3;
            }
            const QString data = m_dataHome + QStringLiteral("/tester");
            if (UserDataDir(m_programDir) != data || !QFileInfo(data).isDir()) {
                return 4;
            }
            return ReadAll(Shipped()) == shipped ? 0 : 5;
        });
        QCOMPARE(failedStep, 0);
    }

    void readOnlyFolderWithoutShippedFileGivesTheUsersFolder() {
        const ReadOnlyFolder folder(m_programDir.toStdString());
        const int failedStep = RunUnprivileged([&] {
            if (SettingsFilePath(m_programDir) != UserCopy() || QFileInfo::exists(UserCopy())) {
                return 1;
            }
            // The folder exists, so that the store can create the file there.
            return QFileInfo(m_configHome + QStringLiteral("/tester")).isDir() ? 0 : 2;
        });
        QCOMPARE(failedStep, 0);
    }

    void noUserFolderFallsBackToTheShippedFile() {
        QVERIFY(WriteAll(Shipped(), "[Setup]\r\n"));
        // The user's configuration folder cannot be made.
        QVERIFY(::chmod(QFile::encodeName(m_configHome).constData(), 0555) == 0);
        const ReadOnlyFolder folder(m_programDir.toStdString());
        const int failedStep =
            RunUnprivileged([&] { return SettingsFilePath(m_programDir) == Shipped() ? 0 : 1; });
        ::chmod(QFile::encodeName(m_configHome).constData(), 0777);
        QCOMPARE(failedStep, 0);
    }
};

QTEST_GUILESS_MAIN(WritablePathsTest)
#include "writable_paths_test.moc"
