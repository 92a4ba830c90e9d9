#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramHeader =
    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Channel Name,Power,W/N,Scan Add,Busy Lock";

class CliExchangeTest : public ::testing::Test {
protected:
    CliRun Run(const std::vector<std::string>& args) { return RunCli(args, dir.Path().string()); }
    // A document with channels in rows 1, 5 and Fr.
    void WriteSample() {
        ASSERT_EQ(Run({"new", dir.File("a.dat")}).exitCode, 0);
        const CliRun edit = Run({"edit", dir.File("a.dat"), "1:1=145.125", "1:4=D023N", "5:1=438.5",
                                 "5:2=430", "5:3=D754I", "5:4=88.5", "5:5=中文x", "5:6=Low",
                                 "5:7=Narrow", "5:9=Carrier", "129:1=146.52", "129:8=No"});
        ASSERT_EQ(edit.exitCode, 0) << edit.err;
    }
    // The line of "show" for the row labelled label.
    std::string ShownRow(const std::string& label) {
        std::string shown = "\n";
        shown += Run({"show", dir.File("a.dat")}).out;
        const std::size_t at = shown.find("\n" + label + " ");
        return at == std::string::npos ? ""
                                       : shown.substr(at + 1, shown.find('\n', at + 1) - at - 1);
    }
    TempDir dir;
};

TEST_F(CliExchangeTest, ExportThenImportIntoANewDocumentSavesTheSameChannels) {
    WriteSample();
    ASSERT_EQ(Run({"new", dir.File("new.dat")}).exitCode, 0);
    const std::string fresh = ReadFile(dir.File("new.dat"));
    for (const char* layout : {"program", "generic"}) {
        for (const char* lang : {"en", "zh"}) {
            const std::string csv = dir.File(std::string(layout) + lang + ".csv");
            const CliRun out =
                Run({"export", dir.File("a.dat"), "-o", csv, "--layout", layout, "--lang", lang});
            ASSERT_EQ(out.exitCode, 0) << out.err;
            const std::string text = ReadFile(csv);
            EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
            EXPECT_NE(text.find("\r\n"), std::string::npos);
            WriteFile(dir.File("b.dat"), fresh);
            const CliRun in = Run({"import", dir.File("b.dat"), csv});
            ASSERT_EQ(in.exitCode, 0) << in.err;
            EXPECT_EQ(in.err, "") << layout << lang;
            EXPECT_EQ(in.out, "imported 3 channels, skipped 0 rows\n") << layout << lang;
            // The channel records (and the band code the save writes) as saved from a.dat.
            const std::string want = ReadFile(dir.File("a.dat"));
            const std::string got = ReadFile(dir.File("b.dat"));
            for (std::size_t record = 0; record < 129; ++record) {
                for (const std::size_t byte :
                     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21, 22, 23}) {
                    EXPECT_EQ(got[24 * record + byte], want[24 * record + byte])
                        << layout << lang << " record " << record << " byte " << byte;
                }
                EXPECT_EQ(got[24 * record + 13] & 0xFE, want[24 * record + 13] & 0xFE)
                    << layout << lang << " record " << record;
            }
        }
    }
}

TEST_F(CliExchangeTest, WarningsAndSkippedRowsGoToStderrWithTheirLine) {
    WriteSample();
    WriteFile(dir.File("list.csv"), "Frequency,Name,Mode\r\n145.5,A,FM\r\n146.5,B,AM\r\n"
                                    "147.5,LongRepeaterName,NFM\r\n300,C,FM\r\n");
    const CliRun run =
        Run({"import", dir.File("a.dat"), dir.File("list.csv"), "-o", dir.File("out.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string csv = dir.File("list.csv");
    EXPECT_EQ(run.err, csv + ":3: skipped: Mode \"AM\": this radio is FM only\n" + csv +
                           ":4: warning: Name \"LongRepeaterName\" cut to \"LongRep\"\n" + csv +
                           ":5: skipped: Out of range, please input again.\n");
    EXPECT_EQ(run.out, "imported 2 channels, skipped 2 rows\n");
    // The Fr row stays; rows 1 and 2 are the file's, row 5 is emptied.
    const std::string fr = ShownRow("Fr");
    fs::copy_file(dir.File("out.dat"), dir.File("a.dat"), fs::copy_options::overwrite_existing);
    EXPECT_EQ(ShownRow("Fr"), fr);
    EXPECT_NE(ShownRow("1").find("145.50000"), std::string::npos);
    EXPECT_NE(ShownRow("2").find("LongRep"), std::string::npos);
    EXPECT_EQ(ShownRow("5").find("438.50000"), std::string::npos) << ShownRow("5");
}

TEST_F(CliExchangeTest, IntoEmptyKeepsTheChannelsThatAreThere) {
    WriteSample();
    WriteFile(dir.File("list.csv"), "Frequency\n145.5\n146.5\n");
    const CliRun run = Run({"import", dir.File("a.dat"), dir.File("list.csv"), "--into-empty"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::pair<const char*, const char*> rows[] = {
        {"1", "145.12500"}, {"2", "145.50000"}, {"3", "146.50000"}, {"5", "438.50000"}};
    for (const auto& [label, rx] : rows)
        EXPECT_NE(ShownRow(label).find(rx), std::string::npos) << label << ": " << ShownRow(label);
    EXPECT_EQ(ShownRow("4").find('.'), std::string::npos) << ShownRow("4");
}

// What is refused changes no file.
TEST_F(CliExchangeTest, RefusalsAndTheirExitCodes) {
    constexpr const char* kAcceptedColumns =
        "CH, Rx Frequency, Tx Frequency, QT/DQT Dec, QT/DQT Enc, Channel Name, Power, W/N, "
        "Scan Add, Busy Lock; the layout of other programming tools needs Frequency and may "
        "have Location, Name, Frequency, Duplex, Offset";
    WriteSample();
    const std::string before = ReadFile(dir.File("a.dat"));
    WriteFile(dir.File("skips.csv"), "Frequency\n145.5\n1e2\n");
    WriteFile(dir.File("nothing.csv"), "Name,Tone\nx,Tone\n");
    WriteFile(dir.File("binary.csv"), std::string("Frequency\n\0\0", 12));
    WriteFile(dir.File("header.csv"), std::string(kProgramHeader) + "\n");
    // 127 good channels; the sample leaves 126 of rows 1..128 empty.
    std::string full = "Frequency\n";
    for (int i = 0; i < 127; ++i)
        full += "145.5\n";
    WriteFile(dir.File("full.csv"), full);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* err; // part of stderr
    };
    const Case cases[] = {
        {{"import", dir.File("a.dat"), dir.File("skips.csv"), "--strict"}, 3, "--strict"},
        // A channel that finds no empty row counts as skipped.
        {{"import", dir.File("a.dat"), dir.File("full.csv"), "--into-empty", "--strict"},
         3,
         "1 rows skipped; --strict"},
        // Columns it does not know: the columns it does, of both layouts.
        {{"import", dir.File("a.dat"), dir.File("nothing.csv")}, 3, kAcceptedColumns},
        {{"import", dir.File("a.dat"), dir.File("binary.csv")}, 3, "NUL"},
        {{"import", dir.File("a.dat"), dir.File("header.csv")}, 3, "no channels"},
        {{"import", dir.File("a.dat"), dir.File("missing.csv")}, 2, "missing.csv"},
        {{"import", dir.File("a.dat"), dir.Path().string()}, 2, "folder"},
        {{"import", dir.File("missing.dat"), dir.File("skips.csv")}, 2, "missing.dat"},
        {{"import", dir.File("a.dat")}, 1, "usage"},
        {{"import", dir.File("a.dat"), dir.File("skips.csv"), "--fast"}, 1, "--fast"},
        {{"export", dir.File("a.dat")}, 1, "-o OUT.csv"},
        {{"export", dir.File("a.dat"), "-o", dir.File("x.csv"), "--layout", "xml"}, 1, "--layout"},
        {{"export", dir.File("a.dat"), "-o", dir.File("x.csv"), "--lang", "fr"}, 1, "--lang"},
        {{"export", dir.File("missing.dat"), "-o", dir.File("x.csv")}, 2, "missing.dat"},
        {{"export", dir.File("a.dat"), "-o", dir.Path().string()}, 2, ""},
    };
    for (const Case& c : cases) {
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[1] << " " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(dir.File("a.dat")), before) << run.err;
    }
}

} // namespace
