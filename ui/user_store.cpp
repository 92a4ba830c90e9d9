#include "ui/user_store.h"

#include "model/gbk.h"
#include "settings/profile_file.h"
#include "settings/program_context.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <memory>

namespace {

QString appNameText(const std::string& bytes) {
    return QString::fromStdString(IsValidUtf8(bytes) ? bytes : GbkToUtf8(bytes));
}

// The store of "Software\" + appName: the registry key itself on Windows;
// elsewhere the file <configuration folder>/Software/<appName>.conf (an empty
// name gives <configuration folder>/Software.conf).
std::unique_ptr<QSettings> openStore(const std::string& appName) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
                                           appNameText(appName),
                                       QSettings::NativeFormat);
#else
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Software"), appNameText(appName));
    // The file of the empty name must not stand in for the other names.
    store->setFallbacksEnabled(false);
    return store;
#endif
}

// The stored name that matches `name` without regard to case; `name` itself
// when none does, so that a new value takes the name as given.
QString storedName(const QSettings& store, const QString& name) {
    const QStringList keys = store.childKeys();
    for (const QString& key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return key;
        }
    }
    return name;
}

std::optional<QVariant> readValue(const std::string& appName, const QString& name) {
    const auto store = openStore(appName);
    const QString key = storedName(*store, name);
    if (!store->contains(key)) {
        return std::nullopt;
    }
    return store->value(key);
}

bool writeValue(const std::string& appName, const QString& name, const QVariant& value) {
    const auto store = openStore(appName);
    store->setValue(storedName(*store, name), value);
    store->sync();
    return store->status() == QSettings::NoError;
}

} // namespace

std::optional<UserStore::Field> UserStore::ReadField(const std::string& appName) {
    const auto value = readValue(appName, QStringLiteral("Field"));
    if (!value) {
        return std::nullopt;
    }
    // At most six bytes are taken; a shorter value leaves the rest zero.
    const QByteArray bytes = value->toByteArray();
    Field field{};
    const auto count = std::min(static_cast<std::size_t>(bytes.size()), field.size());
    for (std::size_t i = 0; i < count; ++i) {
        field[i] = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(i)]);
    }
    return field;
}

bool UserStore::WriteField(const std::string& appName, const Field& field) {
    const QByteArray bytes(reinterpret_cast<const char*>(field.data()),
                           static_cast<qsizetype>(field.size()));
    return writeValue(appName, QStringLiteral("Field"), bytes);
}

std::optional<std::uint32_t> UserStore::ReadPortNumber(const std::string& appName) {
    // Start-up asks for "COM", the Port Setting dialog writes "com": one value.
    const auto value = readValue(appName, QStringLiteral("COM"));
    bool ok = false;
    const std::uint32_t number = value ? value->toUInt(&ok) : 0;
    return ok ? std::optional<std::uint32_t>(number) : std::nullopt;
}

bool UserStore::WritePortNumber(const std::string& appName, std::uint32_t number) {
    return writeValue(appName, QStringLiteral("com"), QVariant::fromValue(number));
}

std::optional<std::int32_t> UserStore::ReadModelType(const std::string& appName) {
    const auto value = readValue(appName, QStringLiteral("Type"));
    bool ok = false;
    const std::int32_t type = value ? value->toInt(&ok) : 0;
    return ok ? std::optional<std::int32_t>(type) : std::nullopt;
}

QString UserStore::ReadFileFolder(const std::string& appName) {
    const auto value = readValue(appName, QStringLiteral("Folder"));
    const QString folder = value ? value->toString() : QString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return folder;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool UserStore::WriteFileFolder(const std::string& appName, const QString& filePath) {
    return writeValue(appName, QStringLiteral("Folder"), QFileInfo(filePath).absolutePath());
}

QStringList UserStore::ReadRecentFiles(const std::string& appName) {
    const auto value = readValue(appName, QStringLiteral("Recent File List"));
    return value ? value->toStringList() : QStringList();
}

bool UserStore::WriteRecentFiles(const std::string& appName, const QStringList& paths) {
    return writeValue(appName, QStringLiteral("Recent File List"), paths);
}

std::optional<QSize> UserStore::ReadDialogSize(const std::string& appName, const QString& dialog) {
    const auto value = readValue(appName, dialog + QStringLiteral("Size"));
    const QSize size = value ? value->toSize() : QSize();
    return size.isValid() && !size.isEmpty() ? std::optional<QSize>(size) : std::nullopt;
}

bool UserStore::WriteDialogSize(const std::string& appName, const QString& dialog, QSize size) {
    return writeValue(appName, dialog + QStringLiteral("Size"), size);
}

int UserStore::Type(const CProfileFile& profile) {
    return ReadModelType(AppNameIn(profile)).value_or(0);
}

void UserStore::SetBaseDirectory(const QString& directory) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory);
}
