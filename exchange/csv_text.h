#pragma once
// Comma- or tab-separated text as files and spreadsheets exchange it
// (RFC 4180): fields in double quotes may hold the separator, quotes (doubled)
// and line breaks. The reader takes UTF-8 with or without a byte-order mark
// and CRLF, LF or CR line ends; the writer produces UTF-8 without a mark and
// CRLF line ends. The reader refuses what is not text (a NUL byte, invalid
// UTF-8) and input past its limits, so a hostile file costs bounded memory.

#include "model/text_catalogue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

struct CsvRecord {
    int line = 0; // line of the input where the record begins (1-based)
    std::vector<std::string> fields;
};

// Bounds on what the reader accepts.
struct CsvLimits {
    std::size_t maxInputBytes = 16u << 20;
    std::size_t maxRecords = 200000;
    std::size_t maxFieldsPerRecord = 256;
    std::size_t maxFieldBytes = 64u << 10;
};

enum class CsvError {
    None,
    TooLarge,       // the input is longer than maxInputBytes
    NulByte,        // a NUL byte: a binary file, not text
    InvalidUtf8,    // a byte sequence that is not UTF-8
    UnclosedQuote,  // the input ends inside a quoted field
    TextAfterQuote, // a closing quote followed by more than a separator or line end
    TooManyRecords, // more than maxRecords records
    TooManyFields,  // a record with more than maxFieldsPerRecord fields
    FieldTooLong,   // a field longer than maxFieldBytes
};

struct CsvReadResult {
    CsvError error = CsvError::None;
    int errorLine = 0;              // line of the input where the error was found
    std::vector<CsvRecord> records; // empty when error is not None
    bool Ok() const { return error == CsvError::None; }
};

// Splits text into records. Lines holding nothing at all are skipped; every
// other line (or quoted run of lines) is one record.
CsvReadResult ReadCsv(std::string_view text, char separator = ',', const CsvLimits& limits = {});

// The one-line reason for a reading error, in the language in use.
std::string CsvErrorText(CsvError error, int line, const TextCatalogue& texts);

// One record as a line of text, ending in CRLF: a field is quoted when it holds
// the separator, a quote, a line break, begins or ends with a space, begins
// with a byte-order mark, or is the record's only field and empty.
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

// Records as text: each CsvLine in turn.
std::string WriteCsv(const std::vector<std::vector<std::string>>& rows, char separator = ',');

} // namespace exchange
