#include "exchange/csv_file.h"

#include "exchange/csv_text.h"
#include "model/language.h"

#include <cerrno>
#include <fstream>
#include <sys/stat.h>

namespace exchange {

FileResult ReadCsvFile(const std::string& path, std::string& text) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        return err == ENOENT
                   ? FileFailure(FileError::NotFound, path, "File not found", "文件不存在")
                   : FileFailure(FileError::Unreadable, path, "Cannot read the file",
                                 "无法读取文件", err);
    }
    if (S_ISDIR(st.st_mode))
        return FileFailure(FileError::IsDirectory, path, "Is a folder, not a file",
                           "是文件夹而不是文件");
    if (!S_ISREG(st.st_mode))
        return FileFailure(FileError::Unreadable, path, "This is not a regular file",
                           "这不是普通文件");
    const std::size_t limit = CsvLimits{}.maxInputBytes;
    if (static_cast<std::uintmax_t>(st.st_size) > limit)
        return FileFailure(FileError::Unreadable, path, "The file is too large for a channel list",
                           "文件太大，不是信道列表");
    std::ifstream in(path, std::ios::binary);
    std::string content;
    content.resize(static_cast<std::size_t>(st.st_size) + 1); // one more: a file that grew shows

    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad() || (!in && !in.eof()))
        return FileFailure(FileError::Unreadable, path, "Cannot read the file", "无法读取文件",
                           errno);
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (content.size() > static_cast<std::size_t>(st.st_size))
        return FileFailure(FileError::Unreadable, path, "The file is too large for a channel list",
                           "文件太大，不是信道列表");
    text = std::move(content);
    return {};
}

FileResult WriteCsvFile(const std::string& path, const std::string& text) {
    return WriteFileAtomically(path, text.data(), text.size());
}

} // namespace exchange
