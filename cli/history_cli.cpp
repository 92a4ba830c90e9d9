#include "cli/history_cli.h"

#include "model/read_history.h"

#include "cli/cli_common.h"

#include <filesystem>
#include <iostream>

std::string HistoryFolder() {
    return (std::filesystem::path(UserDataFolder()) / history::kHistoryFolder).string();
}

bool KeepInHistory(const RadioImage& image, const std::string& what, const TextCatalogue& texts) {
    std::string saved;
    const FileResult result =
        history::SaveRead(HistoryFolder(), image, history::Clock::now(), saved);
    if (!result.Ok()) {
        std::cerr << "program-cli: the " << what
                  << " could not be kept in the radio history: " << result.Message(texts) << '\n';
        return false;
    }
    std::cerr << "the " << what << " is kept in the radio history: " << saved << '\n';
    return true;
}
