#include "exchange/csv_file.h"
#include "exchange/csv_text.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace exchange {
namespace {

TEST(CsvFileTest, ReadsRegularFilesWithinTheLimitOnly) {
    TempDir dir;
    const std::size_t limit = CsvLimits{}.maxInputBytes;
    WriteFile(dir.File("list.csv"), "Frequency\r\n145.5\r\n");
    WriteFile(dir.File("limit.csv"), std::string(limit, 'x'));
    WriteFile(dir.File("large.csv"), std::string(limit + 1, 'x'));
    ASSERT_EQ(::mkfifo(dir.File("pipe.csv").c_str(), 0600), 0);
    struct Case {
        std::string name;
        FileError error;
        const char* message; // part of the one-line message
    };
    const Case cases[] = {
        {"list.csv", FileError::None, ""},
        {"limit.csv", FileError::None, ""},
        {"large.csv", FileError::Unreadable, "too large"},
        {"missing.csv", FileError::NotFound, "File not found"},
        {"", FileError::IsDirectory, "folder"},
        {"pipe.csv", FileError::Unreadable, "not a regular file"},
    };
    for (const Case& c : cases) {
        const std::string path = c.name.empty() ? dir.Path().string() : dir.File(c.name);
        std::string text = "untouched";
        const FileResult r = ReadCsvFile(path, text);
        EXPECT_EQ(r.error, c.error) << c.name << ": " << r.Message(SourceTexts());
        EXPECT_NE(r.Message(SourceTexts()).find(c.message), std::string::npos)
            << r.Message(SourceTexts());
        if (r.Ok()) {
            EXPECT_EQ(text, ReadFile(path)) << c.name;
        } else {
            EXPECT_EQ(text, "untouched") << c.name;
            EXPECT_NE(r.Message(SourceTexts()).find(path), std::string::npos)
                << r.Message(SourceTexts());
        }
    }
}

TEST(CsvFileTest, WritesTheTextAsItStands) {
    TempDir dir;
    const std::string text = "a,b\r\n\"c\nd\",\xE4\xB8\xAD\r\n";
    ASSERT_TRUE(WriteCsvFile(dir.File("out.csv"), text).Ok());
    EXPECT_EQ(ReadFile(dir.File("out.csv")), text);
    EXPECT_FALSE(WriteCsvFile(dir.Path().string(), text).Ok()); // a folder is never replaced
}

} // namespace
} // namespace exchange
