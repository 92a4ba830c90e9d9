#pragma once
// The document file: exactly the 6144 bytes of the image, no header.

#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <string>

enum class FileError {
    None,
    NotFound,
    IsDirectory,
    Unreadable,
    TooShort,
    CannotWrite,
};

struct FileResult {
    FileError error = FileError::None;
    // A failure: what went wrong (a marked text), the path it concerns and
    // the system's error number (0: none).
    TextId words;
    std::string path;
    int err = 0;
    bool Ok() const { return error == FileError::None; }
    // One line in the catalogue's language: the words, ": " and the path,
    // then the system's reason in brackets when err is not 0; empty on
    // success.
    std::string Message(const TextCatalogue& texts) const;
};

FileResult FileFailure(FileError error, const std::string& path, TextId words, int err = 0);

// Reads the first 6144 bytes of path into image. A shorter file, a directory
// or an unreadable path is an error and leaves image untouched; bytes after
// the first 6144 are ignored.
FileResult ReadDatFile(const std::string& path, RadioImage& image);

// Writes the 6144 bytes to path atomically: a temporary file beside the target
// is written, flushed to disk and renamed over it. On failure the temporary
// file is removed and any old file at path is left intact. When the folder
// allows no temporary file (no permission) but the target is an existing
// regular file, that file is rewritten in place instead.
FileResult WriteDatFile(const std::string& path, const RadioImage& image);

// Whether a file could be saved at path at all: its folder exists and path
// is nothing yet, a regular file or a symbolic link to one (a save never
// replaces a folder, a device, a pipe or a socket), and the user may write
// there (a trial temporary file is made in the folder and removed). Checked
// before work whose result would otherwise be lost.
FileResult CheckSaveTarget(const std::string& path);

// Writes bytes to path atomically as above (shared with other file writers);
// like CheckSaveTarget, refuses a path that holds anything but a regular file
// or a symbolic link to one.
FileResult WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size);
