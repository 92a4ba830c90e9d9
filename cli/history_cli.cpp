#include "cli/history_cli.h"

#include "model/read_history.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <iostream>

std::string HistoryFolder() {
    QCoreApplication::setApplicationName(QStringLiteral(PROGRAM_COMMAND));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath(QString::fromUtf8(history::kHistoryFolder)).toStdString();
}

bool KeepInHistory(const RadioImage& image, const std::string& what) {
    std::string saved;
    const FileResult result =
        history::SaveRead(HistoryFolder(), image, history::Clock::now(), saved);
    if (!result.Ok()) {
        std::cerr << "program-cli: the " << what
                  << " could not be kept in the radio history: " << result.message << '\n';
        return false;
    }
    std::cerr << "the " << what << " is kept in the radio history: " << saved << '\n';
    return true;
}
