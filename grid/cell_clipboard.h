#pragma once
// Blocks of grid cells on the clipboard: copied as tab-separated text (which
// spreadsheets paste cell by cell) and as comma-separated text in the
// program's CSV layout (a header line and row labels); pasted from
// comma-separated text when the clipboard offers it, else from plain text,
// read as tab-separated when it holds a tab and as comma-separated otherwise,
// without the program layout's header line and label column when it has them.
// Both use RFC 4180 quoting, so names holding quotes or commas survive.

#include "model/cell_block.h"
#include "model/text_catalogue.h"

#include <QString>

class QMimeData;

// The clipboard format of comma-separated text.
inline constexpr const char* kCsvMimeType = "text/csv";

// New mime data holding cells as tab-separated text and programLayout (the
// same cells in the program's layout) as comma-separated text; the caller
// owns it.
QMimeData* CellBlockMimeData(const CellBlock& cells, const CellBlock& programLayout);

struct ClipboardBlock {
    CellBlock block;
    QString error; // why the text could not be read (empty when read)
};
// The block that mime data holds; an error (in texts' language) when it
// holds no readable text.
ClipboardBlock CellBlockFromMimeData(const QMimeData& data, const TextCatalogue& texts);
