#pragma once
// Blocks of grid cells on the clipboard: copied as tab-separated text (which
// spreadsheets paste cell by cell) and as comma-separated text; pasted from
// comma-separated text when the clipboard offers it, else from plain text,
// read as tab-separated when it holds a tab and as comma-separated otherwise.
// Both use RFC 4180 quoting, so names holding quotes or commas survive.

#include "model/cell_block.h"

#include <QString>

class QMimeData;

// The clipboard format of comma-separated text.
inline constexpr const char* kCsvMimeType = "text/csv";

// New mime data holding block in both forms; the caller owns it.
QMimeData* CellBlockMimeData(const CellBlock& block);

struct ClipboardBlock {
    CellBlock block;
    QString error; // why the text could not be read (empty when read)
};
// The block that mime data holds; an error when it holds no readable text.
ClipboardBlock CellBlockFromMimeData(const QMimeData& data);
