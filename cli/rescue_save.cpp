#include "cli/rescue_save.h"

#include "model/dat_file.h"

#include <QDateTime>

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

std::vector<std::string> RescuePaths(const std::string& target, const std::string& dataDir,
                                     const std::string& stamp) {
    const fs::path path(target);
    const std::string name = path.stem().string() + "-read-" + stamp + ".dat";
    return {(path.parent_path() / name).string(), (fs::path(dataDir) / name).string()};
}

int SaveReadDocument(CliDocument& doc, const std::string& target, const std::string& dataDir,
                     const std::string& stamp) {
    if (doc.Save(target) == kExitOk) {
        return kExitOk;
    }
    std::error_code ignored;
    fs::create_directories(dataDir, ignored);
    for (const std::string& rescue : RescuePaths(target, dataDir, stamp)) {
        if (fs::exists(rescue, ignored) || !CheckSaveTarget(rescue).Ok()) {
            continue;
        }
        if (doc.Doc().OnSaveDocument(rescue).Ok()) {
            return Fail(kExitFile,
                        "the data read from the radio was saved to " + rescue + " instead");
        }
    }
    return Fail(kExitFile, "the data read from the radio could not be saved anywhere");
}

int SaveReadDocument(CliDocument& doc, const std::string& target) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return SaveReadDocument(doc, target, UserDataFolder(),
                            stamp.toStdString());
}
