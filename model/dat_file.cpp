#include "model/dat_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult WriteFailure(const std::string& path, int err) {
    return FileFailure(FileError::CannotWrite, path, TEXT_ID("FileResult", "Cannot write the file"),
                       err);
}

// Closes fd when it goes out of scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() { Close(); }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int Close() {
        const int rc = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const unsigned char* p, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save replaces: the target of a symbolic link, so that the link stays.
std::string ResolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
        ::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new temporary file beside target; returns its descriptor.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Rewrites the existing regular file target in place: written from its start,
// cut to size and flushed. Not atomic, so only for a folder that allows no
// temporary file beside the file while the file itself may be written.
bool RewriteInPlace(const std::string& target, const void* bytes, std::size_t size) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    FdGuard guard(fd);
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
           WriteAll(fd, static_cast<const unsigned char*>(bytes), size) &&
           ::ftruncate(fd, static_cast<off_t>(size)) == 0 && ::fsync(fd) == 0 && guard.Close() == 0;
}

// A save replaces only a regular file, found directly or through a symbolic
// link; a device, a pipe, a socket, a folder or a link to nothing at path is
// refused, so that it is never turned into a file.
FileResult CheckReplaceable(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return {}; // nothing there yet
    }
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0) {
        st.st_mode = 0; // a link to nothing
    }
    if (S_ISREG(st.st_mode)) {
        return {};
    }
    if (S_ISDIR(st.st_mode)) {
        return WriteFailure(path, EISDIR);
    }
    return FileFailure(FileError::CannotWrite, path,
                       TEXT_ID("FileResult", "Not a regular file, nothing was saved"));
}

// The first steps of a save, shared by the save and the check before work.
struct SaveStart {
    FileResult result;  // a refusal, or Ok
    std::string target; // path, or the file a link at path leads to
    struct stat old {}; // the file replaced, when replacing
    bool replacing = false;
    int fd = -1; // the temporary file beside target; -1 when none
    std::string tempPath;
};

// Refuses what is not a regular file, and a file the user may not write (it
// is not replaced behind their back); then makes the temporary file beside
// the target. When the folder allows none but the existing file may be
// written, fd stays -1 with the result Ok: the file is rewritten in place.
SaveStart StartSave(const std::string& path) {
    SaveStart start;
    start.result = CheckReplaceable(path);
    if (!start.result.Ok()) {
        return start;
    }
    start.target = ResolveTarget(path);
    start.replacing = ::stat(start.target.c_str(), &start.old) == 0 && S_ISREG(start.old.st_mode);
    if (start.replacing && ::access(start.target.c_str(), W_OK) != 0) {
        start.result = WriteFailure(path, errno);
        return start;
    }
    start.fd = CreateTemporary(start.target, start.tempPath);
    const int err = errno;
    // A folder the user may not write can still hold a file they may.
    if (start.fd < 0 && !((err == EACCES || err == EPERM) && start.replacing)) {
        start.result = WriteFailure(path, err);
    }
    return start;
}

} // namespace

FileResult FileFailure(FileError error, const std::string& path, TextId words, int err) {
    FileResult r;
    r.error = error;
    r.words = words;
    r.path = path;
    r.err = err;
    return r;
}

std::string FileResult::Message(const TextCatalogue& texts) const {
    if (Ok()) {
        return {};
    }
    std::string message = texts.Tr(words) + ": " + path;
    if (err != 0) {
        message += " (" + std::string(std::strerror(err)) + ")";
    }
    return message;
}

FileResult ReadDatFile(const std::string& path, RadioImage& image) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT) {
            return FileFailure(FileError::NotFound, path, TEXT_ID("FileResult", "File not found"));
        }
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "Cannot read the file"), err);
    }
    FdGuard guard(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "Cannot read the file"), errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return FileFailure(FileError::IsDirectory, path,
                           TEXT_ID("FileResult", "Is a folder, not a file"));
    }
    RadioImage::Bytes bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return FileFailure(FileError::Unreadable, path,
                               TEXT_ID("FileResult", "Cannot read the file"), errno);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got < bytes.size()) {
        return FileFailure(
            FileError::TooShort, path,
            TEXT_ID("FileResult", "File too short: a document file holds 6144 bytes"));
    }
    image.bytes() = bytes;
    return {};
}

FileResult WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size) {
    const SaveStart start = StartSave(path);
    if (!start.result.Ok()) {
        return start.result;
    }
    const std::string& target = start.target;
    const std::string& tempPath = start.tempPath;
    const bool replacing = start.replacing;
    const struct stat& old = start.old;
    const int fd = start.fd;
    if (fd < 0) {
        return RewriteInPlace(target, bytes, size) ? FileResult{} : WriteFailure(path, errno);
    }
    FdGuard guard(fd);
    // A replaced file keeps its permissions.
    const bool ok = (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                    WriteAll(fd, static_cast<const unsigned char*>(bytes), size) &&
                    ::fsync(fd) == 0 && guard.Close() == 0 &&
                    ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int err = errno;
        guard.Close();
        ::unlink(tempPath.c_str());
        return WriteFailure(path, err);
    }
    // Make the rename itself durable.
    const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

FileResult CheckSaveTarget(const std::string& path) {
    struct stat st {};
    if (::stat(DirectoryOf(path).c_str(), &st) != 0) {
        return WriteFailure(path, errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        return WriteFailure(path, ENOTDIR);
    }
    // The save's own first steps, tried without touching the target.
    const SaveStart start = StartSave(path);
    if (start.fd >= 0) {
        ::close(start.fd);
        ::unlink(start.tempPath.c_str());
    }
    return start.result;
}

FileResult WriteDatFile(const std::string& path, const RadioImage& image) {
    return WriteFileAtomically(path, image.data(), image.size());
}
