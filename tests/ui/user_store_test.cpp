// The per-user store: values under "Software\" + AppName, names matched
// without regard to case, kept in a temporary folder instead of the user's.

#include "settings/profile_file.h"
#include "settings/program_context.h"
#include "ui/user_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class UserStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The store of an application name as the platform keeps it.
    std::unique_ptr<QSettings> raw(const QString& appName) {
        auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QStringLiteral("Software"), appName);
        store->setFallbacksEnabled(false);
        return store;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        UserStore::SetBaseDirectory(m_dir.path());
    }

    void cleanup() { QDir(m_dir.path()).removeRecursively(); }

    void fieldRoundTripAndSizes() {
        QVERIFY(!UserStore::ReadField("App").has_value());
        const UserStore::Field field{0x13, 0x17, 0x64, 0x40, 0x48, 0x00};
        QVERIFY(UserStore::WriteField("App", field));
        QCOMPARE(UserStore::ReadField("App"), std::optional<UserStore::Field>(field));
        // The value lives in the temporary folder, under "Software".
        QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("Software/App.conf"))));

        // At most 6 bytes are taken; a shorter value leaves the rest zero.
        const std::pair<QByteArray, UserStore::Field> sizes[] = {
            {QByteArray("\x01\x02\x03", 3), {1, 2, 3, 0, 0, 0}},
            {QByteArray("\x01\x02\x03\x04\x05\x06\x07", 7), {1, 2, 3, 4, 5, 6}},
            {QByteArray(), {}},
        };
        for (const auto& [stored, field] : sizes) {
            raw(QStringLiteral("App"))->setValue(QStringLiteral("Field"), stored);
            QCOMPARE(UserStore::ReadField("App"), std::optional<UserStore::Field>(field));
        }
    }

    void portNameMatchesAnyCase() {
        QVERIFY(!UserStore::ReadPortNumber("App").has_value());
        QVERIFY(UserStore::WritePortNumber("App", 3));
        QCOMPARE(UserStore::ReadPortNumber("App"), std::optional<std::uint32_t>(3));
        QCOMPARE(raw(QStringLiteral("App"))->childKeys(), QStringList{QStringLiteral("com")});

        // A value stored as "COM" is found and rewritten in place, not doubled.
        cleanup();
        raw(QStringLiteral("App"))->setValue(QStringLiteral("COM"), 5);
        QCOMPARE(UserStore::ReadPortNumber("App"), std::optional<std::uint32_t>(5));
        QVERIFY(UserStore::WritePortNumber("App", 16));
        QCOMPARE(raw(QStringLiteral("App"))->childKeys(), QStringList{QStringLiteral("COM")});
        QCOMPARE(UserStore::ReadPortNumber("App"), std::optional<std::uint32_t>(16));

        raw(QStringLiteral("App"))->setValue(QStringLiteral("COM"), QStringLiteral("two"));
        QVERIFY(!UserStore::ReadPortNumber("App").has_value());
    }

    void modelTypeIsOnlyRead() {
        QVERIFY(!UserStore::ReadModelType("App").has_value());
        raw(QStringLiteral("App"))->setValue(QStringLiteral("type"), 7);
        QCOMPARE(UserStore::ReadModelType("App"), std::optional<std::int32_t>(7));
        raw(QStringLiteral("App"))->setValue(QStringLiteral("type"), QStringLiteral("x"));
        QVERIFY(!UserStore::ReadModelType("App").has_value());
    }

    void namesKeepTheirStoresApart() {
        QVERIFY(UserStore::WritePortNumber("", 1));
        QVERIFY(UserStore::WritePortNumber("Other", 2));
        // GBK bytes of an older settings file name the same store as UTF-8.
        QVERIFY(UserStore::WritePortNumber("\xd6\xd0", 9));
        QCOMPARE(UserStore::ReadPortNumber(""), std::optional<std::uint32_t>(1));
        QCOMPARE(UserStore::ReadPortNumber("Other"), std::optional<std::uint32_t>(2));
        QCOMPARE(UserStore::ReadPortNumber("\xe4\xb8\xad"), std::optional<std::uint32_t>(9));
        QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("Software.conf"))));
        QVERIFY(!UserStore::ReadPortNumber("App").has_value());
    }

    void fileFolderIsKeptWhileItExists() {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // Nothing kept yet: the user's documents, not the program's folder.
        QCOMPARE(UserStore::ReadFileFolder("App"), documents);
        QTemporaryDir files;
        QVERIFY(files.isValid());
        const QString folder = files.filePath(QStringLiteral("radios"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(UserStore::WriteFileFolder("App", folder + QStringLiteral("/a.dat")));
        QCOMPARE(UserStore::ReadFileFolder("App"), folder);
        // Kept per application name.
        QCOMPARE(UserStore::ReadFileFolder("Other"), documents);
        // A folder that has gone since gives the documents folder again.
        QVERIFY(QDir(folder).removeRecursively());
        QCOMPARE(UserStore::ReadFileFolder("App"), documents);
    }

    void typeOfTheCurrentAppNameDefaultsToZero() {
        // A settings store without a file: AppName is empty.
        const CProfileFile profile(4);
        QCOMPARE(AppNameIn(profile), std::string());
        QCOMPARE(UserStore::Type(profile), 0);
        raw(QString())->setValue(QStringLiteral("Type"), 2);
        QCOMPARE(UserStore::Type(profile), 2);
    }
};

QTEST_GUILESS_MAIN(UserStoreTest)
#include "user_store_test.moc"
