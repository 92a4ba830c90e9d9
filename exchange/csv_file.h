#pragma once
// Channel list files: read whole, within the reader's size limit, and
// written atomically like the document file.

#include "model/dat_file.h"

#include <string>

namespace exchange {

// Reads the regular file at path into text. A missing file, a folder, a
// device or pipe, an unreadable file or one larger than the CSV reader
// accepts is an error with a one-line message naming path.
FileResult ReadCsvFile(const std::string& path, std::string& text);

// Writes text to path atomically (a temporary file renamed over it).
FileResult WriteCsvFile(const std::string& path, const std::string& text);

} // namespace exchange
