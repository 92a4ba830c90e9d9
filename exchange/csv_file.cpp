#include "exchange/csv_file.h"

#include "exchange/csv_text.h"

#include <cerrno>
#include <fstream>
#include <sys/stat.h>

namespace exchange {

FileResult ReadCsvFile(const std::string& path, std::string& text) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        return err == ENOENT
                   ? FileFailure(FileError::NotFound, path, TEXT_ID("FileResult", "File not found"))
                   : FileFailure(FileError::Unreadable, path,
                                 TEXT_ID("FileResult", "Cannot read the file"), err);
    }
    if (S_ISDIR(st.st_mode))
        return FileFailure(FileError::IsDirectory, path,
                           TEXT_ID("FileResult", "Is a folder, not a file"));
    if (!S_ISREG(st.st_mode))
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "This is not a regular file"));
    const std::size_t limit = CsvLimits{}.maxInputBytes;
    if (static_cast<std::uintmax_t>(st.st_size) > limit)
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "The file is too large for a channel list"));
    std::ifstream in(path, std::ios::binary);
    std::string content;
    content.resize(static_cast<std::size_t>(st.st_size) + 1); // one more: a file that grew shows

    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad() || (!in && !in.eof()))
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "Cannot read the file"), errno);
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (content.size() > static_cast<std::size_t>(st.st_size))
        return FileFailure(FileError::Unreadable, path,
                           TEXT_ID("FileResult", "The file is too large for a channel list"));
    text = std::move(content);
    return {};
}

FileResult WriteCsvFile(const std::string& path, const std::string& text) {
    return WriteFileAtomically(path, text.data(), text.size());
}

} // namespace exchange
