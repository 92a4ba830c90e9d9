#include "exchange/csv_text.h"

namespace exchange {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence at text[i], or 0 when it is not one (a stray
// continuation byte, an overlong form, a surrogate, past U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong below U+0800
        if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong below U+10000
        if (lead == 0xF4)
            high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

// The first byte that makes text no UTF-8 text (a NUL byte or a bad sequence),
// with its line; None when text is clean.
struct TextCheck {
    CsvError error = CsvError::None;
    int line = 0;
};

TextCheck CheckText(std::string_view text) {
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\0')
            return {CsvError::NulByte, line};
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return {CsvError::InvalidUtf8, line};
        i += length;
    }
    return {};
}

// Reads records from text already checked to be UTF-8 without NUL bytes.
class Reader {
public:
    Reader(std::string_view text, char separator, const CsvLimits& limits)
        : text_(text), separator_(separator), limits_(limits) {}

    CsvReadResult Run() {
        CsvReadResult result;
        while (pos_ < text_.size()) {
            if (AtLineEnd()) { // a line holding nothing
                SkipLineEnd();
                continue;
            }
            if (result.records.size() == limits_.maxRecords)
                return Fail(CsvError::TooManyRecords);
            CsvRecord record;
            record.line = line_;
            if (!ReadRecord(record.fields))
                return Fail(error_);
            result.records.push_back(std::move(record));
        }
        return result;
    }

private:
    bool AtLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

    void SkipLineEnd() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    CsvReadResult Fail(CsvError error) const {
        CsvReadResult result;
        result.error = error;
        result.errorLine = line_;
        return result;
    }

    bool SetError(CsvError error) {
        error_ = error;
        return false;
    }

    // Reads the fields of one record and the line end after it.
    bool ReadRecord(std::vector<std::string>& fields) {
        for (;;) {
            if (fields.size() == limits_.maxFieldsPerRecord)
                return SetError(CsvError::TooManyFields);
            std::string field;
            if (!ReadField(field))
                return false;
            fields.push_back(std::move(field));
            if (pos_ == text_.size())
                return true;
            if (AtLineEnd()) {
                SkipLineEnd();
                return true;
            }
            ++pos_;                     // the separator
            if (pos_ == text_.size()) { // a separator ends the input: one empty field more
                if (fields.size() == limits_.maxFieldsPerRecord)
                    return SetError(CsvError::TooManyFields);
                fields.emplace_back();
                return true;
            }
        }
    }

    bool Append(std::string& field, std::string_view part) {
        if (field.size() + part.size() > limits_.maxFieldBytes)
            return SetError(CsvError::FieldTooLong);
        field.append(part);
        return true;
    }

    bool ReadField(std::string& field) {
        if (text_[pos_] != '"') {
            std::size_t end = pos_;
            while (end < text_.size() && text_[end] != separator_ && text_[end] != '\n' &&
                   text_[end] != '\r')
                ++end;
            const std::string_view part = text_.substr(pos_, end - pos_);
            pos_ = end;
            return Append(field, part);
        }
        ++pos_; // the opening quote
        for (;;) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                CountLines(text_.substr(pos_));
                pos_ = text_.size();
                return SetError(CsvError::UnclosedQuote);
            }
            const std::string_view part = text_.substr(pos_, quote - pos_);
            CountLines(part);
            if (!Append(field, part))
                return false;
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') { // a doubled quote
                if (!Append(field, "\""))
                    return false;
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
                return SetError(CsvError::TextAfterQuote);
            return true;
        }
    }

    // Counts the line ends inside a quoted field, so that later records and
    // errors carry the line where they are.
    void CountLines(std::string_view part) {
        for (std::size_t i = 0; i < part.size(); ++i) {
            if (part[i] == '\n' ||
                (part[i] == '\r' && (i + 1 == part.size() || part[i + 1] != '\n')))
                ++line_;
        }
    }

    std::string_view text_;
    char separator_;
    const CsvLimits& limits_;
    std::size_t pos_ = 0;
    int line_ = 1;
    CsvError error_ = CsvError::None;
};

} // namespace

CsvReadResult ReadCsv(std::string_view text, char separator, const CsvLimits& limits) {
    if (text.size() > limits.maxInputBytes) {
        CsvReadResult result;
        result.error = CsvError::TooLarge;
        return result;
    }
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (const TextCheck check = CheckText(text); check.error != CsvError::None) {
        CsvReadResult result;
        result.error = check.error;
        result.errorLine = check.line;
        return result;
    }
    return Reader(text, separator, limits).Run();
}

std::string CsvErrorText(CsvError error, int line, const TextCatalogue& texts) {
    const std::string at =
        line > 0 ? FormatText(texts.Tr("CsvText", " (line %1)"), {std::to_string(line)})
                 : std::string();
    switch (error) {
    case CsvError::None:
        return {};
    case CsvError::TooLarge:
        return texts.Tr("CsvText", "The file is too large for a channel list.");
    case CsvError::NulByte:
        return texts.Tr("CsvText", "The file holds a NUL byte: it is not a text file") + at;
    case CsvError::InvalidUtf8:
        return texts.Tr("CsvText", "The file is not UTF-8 text") + at;
    case CsvError::UnclosedQuote:
        return texts.Tr("CsvText", "A quoted field is not closed before the end of the file") + at;
    case CsvError::TextAfterQuote:
        return texts.Tr("CsvText", "Text follows the closing quote of a field") + at;
    case CsvError::TooManyRecords:
        return texts.Tr("CsvText", "The file has too many rows") + at;
    case CsvError::TooManyFields:
        return texts.Tr("CsvText", "A row has too many columns") + at;
    case CsvError::FieldTooLong:
        return texts.Tr("CsvText", "A field is too long") + at;
    }
    return {};
}

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string& field = fields[i];
        // A lone empty field is quoted too: an empty line would read as no
        // record; and a field that begins with a byte-order mark, which the
        // reader would take for the file's at the start of the text.
        const bool quoted =
            field.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos ||
            (!field.empty() && (field.front() == ' ' || field.back() == ' ')) ||
            (field.empty() && fields.size() == 1) || field.starts_with(kByteOrderMark);
        if (!quoted) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::string WriteCsv(const std::vector<std::vector<std::string>>& rows, char separator) {
    std::string text;
    for (const auto& row : rows)
        text += CsvLine(row, separator);
    return text;
}

} // namespace exchange
