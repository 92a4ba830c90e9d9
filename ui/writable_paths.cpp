#include "ui/writable_paths.h"

#include "model/read_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString kSettingsFileName = QStringLiteral("Program.ini");

} // namespace

SettingsFileChoice ChooseSettingsFile(const QString& programDir, bool programDirWritable,
                                      const QString& userConfigDir, bool userCopyExists) {
    if (programDirWritable) {
        return {QDir(programDir).filePath(kSettingsFileName), false};
    }
    return {QDir(userConfigDir).filePath(kSettingsFileName), !userCopyExists};
}

bool IsWritableDir(const QString& dir) {
    return ::access(QFile::encodeName(dir).constData(), W_OK) == 0;
}

QString SettingsFilePath(const QString& programDir) {
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString userCopy = QDir(userDir).filePath(kSettingsFileName);
    const SettingsFileChoice choice = ChooseSettingsFile(programDir, IsWritableDir(programDir),
                                                         userDir, QFileInfo::exists(userCopy));
    if (!choice.copyShipped) {
        return choice.path;
    }
    QDir().mkpath(userDir);
    const QString shipped = QDir(programDir).filePath(kSettingsFileName);
    if (!QFileInfo::exists(shipped)) {
        // Nothing to copy: the store creates the user's file empty, as it
        // does for a missing settings file.
        return choice.path;
    }
    if (QFile::copy(shipped, choice.path)) {
        // The copy takes the shipped file's permissions, which may be read-only.
        QFile::setPermissions(choice.path, QFile::permissions(choice.path) |
                                               QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // Another instance may have made the copy in the meantime.
    return QFileInfo::exists(choice.path) ? choice.path : shipped;
}

QString UserDataDir(const QString& programDir) {
    if (IsWritableDir(programDir)) {
        return programDir;
    }
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userDir);
    return userDir;
}

QString RadioHistoryDir() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath(QString::fromUtf8(history::kHistoryFolder));
}
