#include "cli/rescue_save.h"

#include "model/dat_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

std::vector<std::string> RescuePaths(const std::string& target, const std::string& dataDir,
                                     const std::string& tempDir, const std::string& stamp) {
    const fs::path path(target);
    const std::string name = path.stem().string() + "-read-" + stamp + ".dat";
    return {(path.parent_path() / name).string(), (fs::path(dataDir) / name).string(),
            (fs::path(tempDir) / name).string()};
}

int SaveReadDocument(CliDocument& doc, const std::string& target, const std::string& dataDir,
                     const std::string& tempDir, const std::string& stamp) {
    if (doc.Save(target) == kExitOk) {
        return kExitOk;
    }
    std::error_code ignored;
    fs::create_directories(dataDir, ignored);
    const std::vector<std::string> rescues = RescuePaths(target, dataDir, tempDir, stamp);
    for (const std::string& rescue : rescues) {
        if (fs::exists(rescue, ignored) || !CheckSaveTarget(rescue).Ok()) {
            continue;
        }
        if (doc.Doc().OnSaveDocument(rescue).Ok()) {
            return Fail(kExitFile,
                        "the data read from the radio was saved to " + rescue + " instead");
        }
    }
    std::string tried;
    for (const std::string& rescue : rescues) {
        tried += (tried.empty() ? "" : ", ") + rescue;
    }
    return Fail(kExitFile, "the data read from the radio could not be saved (also tried " + tried +
                               "); it is lost: read the radio again once a folder can be written");
}

int SaveReadDocument(CliDocument& doc, const std::string& target) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return SaveReadDocument(doc, target, UserDataFolder(),
                            QFile::encodeName(QDir::tempPath()).toStdString(),
                            stamp.toStdString());
}
