#include "exchange/csv_text.h"

#include "tests/texts/test_catalogues.h"

#include <gtest/gtest.h>

#include <random>

namespace exchange {
namespace {

using Fields = std::vector<std::string>;
using Rows = std::vector<Fields>;

Rows FieldsOf(const CsvReadResult& result) {
    Rows rows;
    for (const CsvRecord& record : result.records)
        rows.push_back(record.fields);
    return rows;
}

std::vector<int> LinesOf(const CsvReadResult& result) {
    std::vector<int> lines;
    for (const CsvRecord& record : result.records)
        lines.push_back(record.line);
    return lines;
}

TEST(CsvTextTest, ReadsWhatFilesAndSpreadsheetsWrite) {
    struct Case {
        const char* name;
        std::string text;
        char separator;
        Rows rows;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"LF", "a,b\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CRLF", "a,b\r\n1,2\r\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CR only", "a,b\r1,2", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"no final line end", "a,b\n1,2", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\n",
         ',',
         {{"a", "b"}},
         {1}},
        {"mark not at start stays", "a,\xEF\xBB\xBF\n", ',', {{"a", "\xEF\xBB\xBF"}}, {1}},
        {"empty fields", ",,\n", ',', {{"", "", ""}}, {1}},
        {"separator before end", "a,", ',', {{"a", ""}}, {1}},
        {"blank lines skipped", "\n\r\na\n\n\nb\n", ',', {{"a"}, {"b"}}, {3, 6}},
        {"quoted separator", "\"a,b\",c\n", ',', {{"a,b", "c"}}, {1}},
        {"doubled quote", "\"say \"\"hi\"\"\",x\n", ',', {{"say \"hi\"", "x"}}, {1}},
        {"quoted empty", "\"\"\n", ',', {{""}}, {1}},
        {"line break inside quotes",
         "\"one\r\ntwo\",x\nnext\n",
         ',',
         {{"one\r\ntwo", "x"}, {"next"}},
         {1, 3}},
        {"quote inside unquoted field kept", "a\"b,c\n", ',', {{"a\"b", "c"}}, {1}},
        {"spaces kept", " a , b \n", ',', {{" a ", " b "}}, {1}},
        {"tab separated", "a\tb,c\n\"x\ty\"\tz\n", '\t', {{"a", "b,c"}, {"x\ty", "z"}}, {1, 2}},
        {"Chinese text", "名称,频率\n", ',', {{"名称", "频率"}}, {1}},
        {"only a mark", "\xEF\xBB\xBF", ',', {}, {}},
        {"empty input", "", ',', {}, {}},
    };
    for (const Case& c : cases) {
        const CsvReadResult result = ReadCsv(c.text, c.separator);
        ASSERT_TRUE(result.Ok()) << c.name;
        EXPECT_EQ(FieldsOf(result), c.rows) << c.name;
        EXPECT_EQ(LinesOf(result), c.lines) << c.name;
    }
}

TEST(CsvTextTest, RefusesWhatIsNotCsvTextWithTheLine) {
    CsvLimits small;
    small.maxInputBytes = 64;
    small.maxRecords = 3;
    small.maxFieldsPerRecord = 4;
    small.maxFieldBytes = 8;
    struct Case {
        const char* name;
        std::string text;
        CsvError error;
        int line;
    };
    const Case cases[] = {
        {"NUL byte", std::string("a,b\nc,\0d\n", 9), CsvError::NulByte, 2},
        {"stray continuation byte", "a\n\x80\n", CsvError::InvalidUtf8, 2},
        {"Latin-1 text", "caf\xE9\n", CsvError::InvalidUtf8, 1},
        {"overlong slash", "\xC0\xAF", CsvError::InvalidUtf8, 1},
        {"overlong three bytes", "\xE0\x80\xAF", CsvError::InvalidUtf8, 1},
        {"surrogate", "\xED\xA0\x80", CsvError::InvalidUtf8, 1},
        {"past U+10FFFF", "\xF4\x90\x80\x80", CsvError::InvalidUtf8, 1},
        {"sequence cut by the end", "ab\xE5\x90", CsvError::InvalidUtf8, 1},
        {"unbalanced quote", "a\n\"b,c\nd\n", CsvError::UnclosedQuote, 4},
        {"text after closing quote", "a\n\"b\"c,d\n", CsvError::TextAfterQuote, 2},
        {"too large", std::string(65, 'a'), CsvError::TooLarge, 0},
        {"too many records", "a\nb\nc\nd\n", CsvError::TooManyRecords, 4},
        {"too many fields", "a,b,c,d,e\n", CsvError::TooManyFields, 1},
        {"too many fields, the last empty at the end", "a,b,c,d,", CsvError::TooManyFields, 1},
        {"field too long", "12345678\n123456789\n", CsvError::FieldTooLong, 2},
        {"quoted field too long", "\"1234\"\"5678\"\n", CsvError::FieldTooLong, 1},
    };
    for (const Case& c : cases) {
        const CsvReadResult result = ReadCsv(c.text, ',', small);
        EXPECT_EQ(result.error, c.error) << c.name;
        EXPECT_EQ(result.errorLine, c.line) << c.name;
        EXPECT_TRUE(result.records.empty()) << c.name;
    }
}

TEST(CsvTextTest, LimitsAreInclusive) {
    CsvLimits small;
    small.maxInputBytes = 12;
    small.maxRecords = 2;
    small.maxFieldsPerRecord = 3;
    small.maxFieldBytes = 3;
    const CsvReadResult result = ReadCsv("abc,d,e\nf\n\n", ',', small);
    ASSERT_TRUE(result.Ok()) << CsvErrorText(result.error, result.errorLine, SourceTexts());
    EXPECT_EQ(FieldsOf(result), (Rows{{"abc", "d", "e"}, {"f"}}));
}

TEST(CsvTextTest, ErrorTextsNameTheLineInBothLanguages) {
    EXPECT_EQ(CsvErrorText(CsvError::UnclosedQuote, 7, SourceTexts()),
              "A quoted field is not closed before the end of the file (line 7)");
    EXPECT_EQ(CsvErrorText(CsvError::None, 0, SourceTexts()), "");
    EXPECT_EQ(CsvErrorText(CsvError::NulByte, 3, ChineseTexts()),
              "文件含有空字节，不是文本文件（第 3 行）");
    for (const CsvError error :
         {CsvError::TooLarge, CsvError::NulByte, CsvError::InvalidUtf8, CsvError::UnclosedQuote,
          CsvError::TextAfterQuote, CsvError::TooManyRecords, CsvError::TooManyFields,
          CsvError::FieldTooLong})
        EXPECT_FALSE(CsvErrorText(error, 1, SourceTexts()).empty()) << static_cast<int>(error);
}

TEST(CsvTextTest, WritesQuotesOnlyWhereNeededAndEndsLinesWithCrLf) {
    struct Case {
        Fields fields;
        char separator;
        const char* line;
    };
    const Case cases[] = {
        {{"a", "b"}, ',', "a,b\r\n"},
        {{"a,b", "say \"hi\""}, ',', "\"a,b\",\"say \"\"hi\"\"\"\r\n"},
        {{"two\nlines", "cr\r"}, ',', "\"two\nlines\",\"cr\r\"\r\n"},
        {{" padded", "x "}, ',', "\" padded\",\"x \"\r\n"},
        {{"a,b", "c\td"}, '\t', "a,b\t\"c\td\"\r\n"},
        {{""}, ',', "\"\"\r\n"},
        {{"", ""}, ',', ",\r\n"},
        {{"\xEF\xBB\xBFx", "y"}, ',', "\"\xEF\xBB\xBFx\",y\r\n"},
        {{}, ',', "\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvLine(c.fields, c.separator), c.line);
    EXPECT_EQ(WriteCsv({{"h1", "h2"}, {"1", "2"}}), "h1,h2\r\n1,2\r\n");
}

// Random fields drawn from the characters that need care come back unchanged.
TEST(CsvTextTest, RandomTablesRoundTrip) {
    const std::string alphabet[] = {"a",  "Z",  "0", ",",  "\t",          "\"",
                                    "\n", "\r", " ", "频", "\xEF\xBB\xBF"};
    std::mt19937 random(12);
    for (const char separator : {',', '\t'}) {
        for (int trial = 0; trial < 200; ++trial) {
            Rows rows(1 + random() % 6);
            const std::size_t width = 1 + random() % 5;
            for (Fields& row : rows) {
                row.resize(width);
                for (std::string& field : row) {
                    const int length = static_cast<int>(random() % 6);
                    for (int k = 0; k < length; ++k)
                        field += alphabet[random() % std::size(alphabet)];
                }
            }
            const CsvReadResult result = ReadCsv(WriteCsv(rows, separator), separator);
            ASSERT_TRUE(result.Ok()) << CsvErrorText(result.error, result.errorLine, SourceTexts());
            EXPECT_EQ(FieldsOf(result), rows) << "trial " << trial;
        }
    }
}

} // namespace
} // namespace exchange
