#include "settings/profile_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openOrCreate(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        return nullptr;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file && errno == ENOENT) {
        FilePtr created(std::fopen(path.c_str(), "wb"));
        if (created) {
            created.reset();
            file.reset(std::fopen(path.c_str(), "rb"));
        }
    }
    return file;
}

} // namespace

ReadLinesResult ReadFileLines(const std::string& path,
                              const std::function<void(std::string_view)>& onLine) {
    FilePtr file = openOrCreate(path);
    if (!file) {
        return ReadLinesResult::CannotOpen;
    }
    std::vector<char> chunk(64 * 1024);
    std::string pending;
    for (bool first = true;; first = false) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get());
        std::string_view data(chunk.data(), n);
        // A file saved with a UTF-8 byte-order mark: the mark is no part of its
        // first line.
        if (first && data.starts_with("\xEF\xBB\xBF")) {
            data.remove_prefix(3);
        }
        while (!data.empty()) {
            const auto lf = data.find('\n');
            if (lf == std::string_view::npos) {
                pending.append(data);
                break;
            }
            if (pending.empty()) {
                onLine(data.substr(0, lf));
            } else {
                pending.append(data.substr(0, lf));
                onLine(pending);
                pending.clear();
            }
            data.remove_prefix(lf + 1);
        }
        if (n < chunk.size()) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        return ReadLinesResult::ReadError;
    }
    if (!pending.empty()) {
        onLine(pending);
    }
    return ReadLinesResult::Done;
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    std::error_code ec;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

unsigned long BackupNumberOf(std::string_view fileName) {
    std::size_t digits = 0;
    while (digits < fileName.size() && digits < 9 &&
           std::isdigit(static_cast<unsigned char>(fileName[fileName.size() - 1 - digits]))) {
        ++digits;
    }
    std::string_view text = digits > 3
                                ? fileName.substr(fileName.size() - digits)
                                : fileName.substr(fileName.size() < 3 ? 0 : fileName.size() - 3);
    unsigned long number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + static_cast<unsigned long>(c - '0');
    }
    return number;
}

unsigned long HighestBackupNumber(const std::string& directory, std::string_view stem) {
    unsigned long highest = 0;
    std::error_code ec;
    fs::directory_iterator it(directory.empty() ? fs::path(".") : fs::path(directory), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(stem)) {
            highest = std::max(highest, BackupNumberOf(name));
        }
    }
    return highest;
}
