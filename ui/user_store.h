#pragma once
// The per-user store of the values that survive restarts, kept under the key
// "Software\" + AppName ([Setup] "AppName" of the settings file): the band
// bytes "Field", the serial port number "com" and the model choice "Type".
// It is QSettings in the platform's native format: the registry on Windows,
// a per-user file elsewhere. Value names are matched without regard to case,
// as registry value names are ("COM" finds "com").
//
// appName arguments are the bytes of the settings file (UTF-8, or GBK in older
// files).

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CProfileFile;

class UserStore {
public:
    using Field = std::array<std::uint8_t, 6>;

    // "Field": the six band bytes (at most six are taken, a shorter value is
    // padded with zeros); nullopt when missing.
    static std::optional<Field> ReadField(const std::string& appName);
    static bool WriteField(const std::string& appName, const Field& field);

    // "com": the serial port number; nullopt when missing or not a number.
    static std::optional<std::uint32_t> ReadPortNumber(const std::string& appName);
    static bool WritePortNumber(const std::string& appName, std::uint32_t number);

    // "Type": the model choice, read only; nullopt when missing or not a number.
    static std::optional<std::int32_t> ReadModelType(const std::string& appName);

    // "Folder": the folder of the file last opened or saved; the user's
    // documents folder when none was kept or it is gone.
    static QString ReadFileFolder(const std::string& appName);
    // Keeps the folder of filePath as "Folder".
    static bool WriteFileFolder(const std::string& appName, const QString& filePath);

    // "Recent File List": the files last opened or saved, the latest first;
    // empty when none was kept.
    static QStringList ReadRecentFiles(const std::string& appName);
    static bool WriteRecentFiles(const std::string& appName, const QStringList& paths);

    // "<dialog>Size": the size a resizable dialog had when it last closed;
    // nullopt when none was kept or it is not a valid size.
    static std::optional<QSize> ReadDialogSize(const std::string& appName, const QString& dialog);
    static bool WriteDialogSize(const std::string& appName, const QString& dialog, QSize size);

    // "Type" under the current AppName, 0 when missing.
    static int Type(const CProfileFile& profile);

    // Keeps the per-user files under `directory` instead of the user's
    // configuration folder (tests, portable use). No effect on Windows, where
    // the store is the registry.
    static void SetBaseDirectory(const QString& directory);
};
