#include "settings/profile_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Creates a new file beside `target` that nobody else uses; returns its
// descriptor and name, or -1.
int createTemporaryBeside(const std::string& target, std::string& tempName) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void syncDirectoryOf(const std::string& path) {
    fs::path dir = fs::path(path).parent_path();
    if (dir.empty()) {
        dir = ".";
    }
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    for (;;) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get());
        std::string_view data(chunk.data(), n);
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

bool ReplaceFileAtomically(const std::string& path, std::string_view data) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    std::string target = path;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (ec) {
            return false;
        }
        target = resolved.string();
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return false;
    }

    std::string tempName;
    const int fd = createTemporaryBeside(target, tempName);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, data);
    if (ok && exists) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        return false;
    }
    syncDirectoryOf(target);
    return true;
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
