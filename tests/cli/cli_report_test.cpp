// program-cli report: the PDF of the report, its options, and failures that
// write nothing.

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;

// A new document with channels in grid rows 1 and 129 (145 MHz).
std::string TwoChannels() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    const FrequencyBytes mhz145 = FrequencyTextToBytes("145.00000");
    for (const std::size_t record : {0u, 128u}) {
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(record) + layout::kRecRx);
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(record) + layout::kRecTx);
    }
    return ImageBytes(image);
}

int PdfPages(const std::string& pdf) {
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(CliReport, WritesThePagesOfTheChosenSections) {
    struct Case {
        std::vector<std::string> options;
        int pages;
        const char* mediaBox;
    };
    // Two channels: one channel page.
    const std::vector<Case> cases = {
        {{}, 2, "/MediaBox [0 0 595.000000 842.000000]"},
        {{"--sections", "dtmf,msk,optional,two-tone,channels"}, 6, "/MediaBox [0 0 595.000000 842.000000]"},
        {{"--sections", "two-tone", "--page", "Letter"}, 2, "/MediaBox [0 0 612.000000 792.000000]"},
        {{"--lang", "zh", "--sections", "channels,msk"}, 2, "/MediaBox [0 0 595.000000 842.000000]"},
    };
    TempDir dir;
    WriteFile(dir.File("in.dat"), TwoChannels());
    for (const Case& c : cases) {
        std::vector<std::string> args = {"report", dir.File("in.dat"), "-o", dir.File("out.pdf")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = RunCli(args, dir.Path().string());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string pdf = ReadFile(dir.File("out.pdf"));
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(PdfPages(pdf), c.pages) << c.options.size();
        EXPECT_NE(pdf.find(c.mediaBox), std::string::npos) << c.mediaBox;
        // The text is text: the fonts are embedded.
        EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);
        fs::remove(dir.File("out.pdf"));
    }
}

TEST(CliReport, FailuresWriteNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> args; // after "report"; IN and OUT stand for the files
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no output", {"IN"}, 1, "no output file given"},
        {"no file", {"-o", "OUT"}, 1, "no file given"},
        {"unknown section", {"IN", "-o", "OUT", "--sections", "optional,power"}, 1, "--sections"},
        {"empty section list", {"IN", "-o", "OUT", "--sections", ""}, 1, "--sections"},
        {"language", {"IN", "-o", "OUT", "--lang", "de"}, 1, "--lang"},
        {"paper", {"IN", "-o", "OUT", "--page", "A5"}, 1, "--page"},
        {"missing input", {"MISSING", "-o", "OUT"}, 2, "missing.dat"},
        {"no channel page", {"NEW", "-o", "OUT", "--sections", "channels"}, 3, "no page"},
    };
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    ASSERT_EQ(RunCli({"new", dir.File("new.dat")}, dir.Path().string()).exitCode, 0);
    for (const Case& c : cases) {
        std::vector<std::string> args = {"report"};
        for (const std::string& a : c.args) {
            args.push_back(a == "IN"        ? dir.File("in.dat")
                           : a == "NEW"     ? dir.File("new.dat")
                           : a == "OUT"     ? dir.File("out.pdf")
                           : a == "MISSING" ? dir.File("missing.dat")
                                            : a);
        }
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(fs::exists(dir.File("out.pdf"))) << c.what;
    }
}

TEST(CliReport, UnwritablePathsLeaveNoFile) {
    TempDir dir;
    TempDir target;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    fs::create_directory(target.File("folder"));
    for (const std::string& out : {target.File("nowhere/out.pdf"), target.File("folder")}) {
        const CliRun run = RunCli({"report", dir.File("in.dat"), "-o", out}, dir.Path().string());
        EXPECT_EQ(run.exitCode, 2) << out;
        EXPECT_NE(run.err.find("Cannot write the file"), std::string::npos) << run.err;
    }
    // Nothing but the folder: no partial or temporary file.
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(target.Path())) {
        entries.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(entries, std::vector<std::string>{"folder"});
}

} // namespace
