#pragma once
// File operations of the settings store: reading a file line by line,
// copying it, and the number that ends a backup file name.

#include <functional>
#include <string>
#include <string_view>

enum class ReadLinesResult { Done, CannotOpen, ReadError };

// Opens `path` for reading, creating it empty when it does not exist, and
// hands each line (split at LF; a CR before it stays for the caller's trim)
// to `onLine`. A leading UTF-8 byte-order mark is skipped. A read error stops
// at the last complete line. A directory cannot be opened.
ReadLinesResult ReadFileLines(const std::string& path,
                              const std::function<void(std::string_view)>& onLine);

// Copies `from` to `to`, replacing `to`. Returns false on failure.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// The number a file name ends with, as the backup naming reads it: its last
// three characters read as a decimal number (leading digits only; no digits
// give 0), or the whole digit run when the name ends with more than three
// digits, so that numbering goes on past 999.
unsigned long BackupNumberOf(std::string_view fileName);

// The highest BackupNumberOf over the names in `directory` that start with
// `stem`; 0 when there are none or the directory cannot be read.
unsigned long HighestBackupNumber(const std::string& directory, std::string_view stem);
