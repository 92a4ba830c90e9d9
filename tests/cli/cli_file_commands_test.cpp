#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <utility>

namespace {

namespace fs = std::filesystem;

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliNew, WritesTheSavedNewDocument) {
    TempDir dir;
    const CliRun run = RunCli({"new", dir.File("new.dat")}, dir.Path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const std::string bytes = ReadFile(dir.File("new.dat"));
    ASSERT_EQ(bytes.size(), 6144u);
    for (std::size_t n = 0; n < 129; ++n) {
        for (std::size_t i = 0; i < 24; ++i) {
            ASSERT_EQ(static_cast<std::uint8_t>(bytes[24 * n + i]), i == 13 ? 0x05 : 0xFF);
        }
    }
    EXPECT_EQ(bytes.substr(0x17E8, 10),
              std::string("\x13\x17\x64\x40\x52\x00\x29\x27\x22\x1E", 10));
    EXPECT_EQ(bytes.substr(0x1260, 8), std::string("\x01\x04\x00\x00\x00\xBE\x13\x7A", 8));
    EXPECT_EQ(bytes.substr(0x17F2), std::string(14, '\xFF'));

    // The band code given only seeds the new document; the decode and the
    // encode of the save leave the same file.
    const CliRun banded =
        RunCli({"new", dir.File("banded.dat"), "--band-code", "141744404700"}, dir.Path().string());
    ASSERT_EQ(banded.exitCode, 0) << banded.err;
    EXPECT_EQ(ReadFile(dir.File("banded.dat")), bytes);
}

TEST(CliRecode, SavesWhatTheWindowWouldSave) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()) + "trailing bytes");
    const CliRun run =
        RunCli({"recode", dir.File("in.dat"), dir.File("out.dat")}, dir.Path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string in = ImageBytes(SampleImage());
    const std::string out = ReadFile(dir.File("out.dat"));
    ASSERT_EQ(out.size(), 6144u);
    EXPECT_EQ(out.substr(0, 24), in.substr(0, 13) + '\xBA' + in.substr(14, 10)); // Tx above Rx
    EXPECT_EQ(out.substr(0x0C18, 0x17E8 - 0x0C18), in.substr(0x0C18, 0x17E8 - 0x0C18));
    EXPECT_EQ(out.substr(0x17E8, 6), std::string("\x13\x17\x64\x40\x52\x00", 6));
    EXPECT_EQ(out.substr(0x17EE), in.substr(0x17EE));
    // A saved new document recodes to itself.
    ASSERT_EQ(RunCli({"new", dir.File("new.dat")}, dir.Path().string()).exitCode, 0);
    ASSERT_EQ(RunCli({"recode", dir.File("new.dat"), dir.File("again.dat")}, dir.Path().string())
                  .exitCode,
              0);
    EXPECT_EQ(ReadFile(dir.File("again.dat")), ReadFile(dir.File("new.dat")));
}

TEST(CliFiles, BadInputFilesGiveExitTwoAndWriteNothing) {
    TempDir dir;
    WriteFile(dir.File("empty.dat"), "");
    WriteFile(dir.File("one.dat"), "x");
    WriteFile(dir.File("short.dat"), std::string(6143, '\xFF'));
    fs::create_directory(dir.File("folder.dat"));
    for (const char* name :
         {"empty.dat", "one.dat", "short.dat", "folder.dat", "missing.dat", "one.dat/below.dat"}) {
        const std::string out = dir.File("out.dat");
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"recode", dir.File(name), out},
              std::vector<std::string>{"show", dir.File(name)},
              std::vector<std::string>{"edit", dir.File(name), "-o", out, "1:1=145.125"}}) {
            const CliRun run = RunCli(args, dir.Path().string());
            EXPECT_EQ(run.exitCode, 2) << args[0] << ' ' << name;
            EXPECT_EQ(Lines(run.err), 1) << run.err;
            EXPECT_TRUE(run.out.empty());
            EXPECT_FALSE(fs::exists(out)) << name;
        }
    }
    EXPECT_EQ(ReadFile(dir.File("short.dat")), std::string(6143, '\xFF'));
}

TEST(CliFiles, UnwritableOutputGivesExitTwoAndKeepsTheOldFile) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    fs::create_directory(dir.File("folder.dat"));
    for (const std::string& out : {dir.File("no/dir/out.dat"), dir.File("folder.dat")}) {
        const CliRun recode = RunCli({"recode", dir.File("in.dat"), out}, dir.Path().string());
        EXPECT_EQ(recode.exitCode, 2) << out;
        EXPECT_EQ(Lines(recode.err), 1) << recode.err;
        EXPECT_EQ(RunCli({"new", out}, dir.Path().string()).exitCode, 2) << out;
    }
    EXPECT_TRUE(fs::is_directory(dir.File("folder.dat")));
    // Nothing but the files made here is left (no temporary files).
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.Path())) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"cli.err", "cli.out", "folder.dat", "in.dat"}));
}

TEST(CliUsage, WrongCallsGiveExitOneAndTextNoEditorHoldsExitThree) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    const std::string out = dir.File("out.dat");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"new"},
        {"new", out, "--band-code"},
        {"new", out, "--band-code", "12345"},
        {"new", out, "--band-code", "13176440480G"},
        {"new", out, "extra.dat"},
        {"recode", dir.File("in.dat")},
        {"recode", dir.File("in.dat"), out, "x"},
        {"show"},
        {"show", dir.File("in.dat"), "--lang", "fr"},
        {"show", dir.File("in.dat"), "--lang"},
        {"show", dir.File("in.dat"), "--xml"},
        {"edit"},
        {"edit", dir.File("in.dat")},
        {"edit", dir.File("in.dat"), "-o", out},
        {"set", dir.File("in.dat"), "-o", out},
        {"edit", dir.File("in.dat"), "-o", out, "130:1=145.125"},
        {"edit", dir.File("in.dat"), "-o", out, "1:10=x"},
        {"edit", dir.File("in.dat"), "-o", out, "0:1=145.125"},
        {"edit", dir.File("in.dat"), "-o", out, "1:1"},
        {"edit", dir.File("in.dat"), "-o", out, "a:b=c"},
        {"edit", dir.File("in.dat"), "-o", out, "1:1=145.125", "-o", out},
        {"edit", dir.File("in.dat"), "-o"},
        // Numbers out of range, before any port is opened.
        {"read", "--port", dir.File("port"), "-o", out, "--retry", "99999999999"},
        {"write", "--port", dir.File("port"), dir.File("in.dat"), "--retry", "1001"},
        {"squelch-read", "--port", dir.File("port"), dir.File("in.dat"), "--retry", "-1"},
        {"simulate", "--seed", "4294967296"},
        {"simulate", "--latency", "99999999999999999999"},
        {"simulate", "--at", "0x1000"},
        // Numbers are decimal (leading zeros too) or 0x hexadecimal, nothing
        // else; --dat names a missing file so that an accepted number shows
        // as exit 2 instead of a radio that starts.
        {"write", "--port", dir.File("port"), dir.File("in.dat"), "--retry", " 5"},
        {"write", "--port", dir.File("port"), dir.File("in.dat"), "--retry", "+5"},
        {"write", "--port", dir.File("port"), dir.File("in.dat"), "--retry", "01001"},
        {"write", "--port", dir.File("port"), dir.File("in.dat"), "--retry", "0x+5"},
        {"simulate", "--band", " 5", "--dat", dir.File("missing.dat")},
        {"simulate", "--band", "+5", "--dat", dir.File("missing.dat")},
        {"simulate", "--band", "0377", "--dat", dir.File("missing.dat")},
        {"simulate", "--band", "0x 5", "--dat", dir.File("missing.dat")},
        {"simulate", "--band", "0x", "--dat", dir.File("missing.dat")},
        {"simulate", "--band", "", "--dat", dir.File("missing.dat")},
    };
    for (const auto& args : cases) {
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, 1) << (args.empty() ? "" : args.back());
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
    // Text that the cell's editor cannot hold is refused input.
    const std::vector<std::vector<std::string>> refused = {
        {"edit", dir.File("in.dat"), "-o", out, "1:1=14a"},
        {"edit", dir.File("in.dat"), "-o", out, "1:1=1234567890"},
        {"edit", dir.File("in.dat"), "-o", out, "1:5=ABCDEFGH"},
        {"edit", dir.File("in.dat"), "-o", out, "1:5=\xFF\xFE"},
        {"edit", dir.File("in.dat"), "-o", out, "1:6=Hihg"},
        {"edit", dir.File("in.dat"), "-o", out, "1:5=a\tb"},
        {"edit", dir.File("in.dat"), "-o", out, "1:5=a\nb"},
    };
    for (const auto& args : refused) {
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, 3) << args.back();
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(ReadFile(dir.File("in.dat")), ImageBytes(SampleImage()));
    const CliRun help = RunCli({"help"}, dir.Path().string());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("program-cli edit"), std::string::npos);
}

// Leading zeros keep a number decimal, and 0x or 0X makes it hexadecimal:
// the transfer fails only at the port (exit 4), the simulated radio only at
// its missing --dat file (exit 2).
TEST(CliUsage, NumberOptionsAreDecimalOrHexadecimal) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    const std::string missing = dir.File("missing.dat");
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"write", "--port", "/dev/no-such-port", dir.File("in.dat"), "--retry", "08"}, 4},
        {{"write", "--port", "/dev/no-such-port", dir.File("in.dat"), "--retry", "01000"}, 4},
        {{"write", "--port", "/dev/no-such-port", dir.File("in.dat"), "--retry", "0x3E8"}, 4},
        {{"simulate", "--band", "0255", "--dat", missing}, 2},
        {{"simulate", "--band", "0XfF", "--dat", missing}, 2},
        {{"simulate", "--short-length", "012", "--dat", missing}, 2},
    };
    for (const auto& [args, exitCode] : cases) {
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, exitCode) << ::testing::PrintToString(args) << ": " << run.err;
    }
}

// "help NAME" prints the command's whole usage first, "--version" the
// project's version; a name that is no command is a usage error.
TEST(CliUsage, CommandHelpAndVersion) {
    TempDir dir;
    // With the options the overview leaves out ("--latency").
    const std::string simulateStart = "usage: program-cli simulate [--dat FILE.dat] [--band N] "
                                      "[--password TEXT] [--latency MS]";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string outStart;
    };
    const Case cases[] = {
        {{"--version"}, 0, "program-cli " PROGRAM_VERSION "\n"},
        {{"help", "show"}, 0, "usage: program-cli show FILE.dat [--json] [--lang en|zh]\n"},
        {{"-h", "edit"}, 0, "usage: program-cli edit FILE.dat [-o OUT.dat] ROW:COL=TEXT ...\n"},
        {{"help", "simulate"}, 0, simulateStart},
        {{"help", "nope"}, 1, ""},
        {{"help", "show", "edit"}, 1, ""},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args, dir.Path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back();
        EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart) << c.args.back();
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_NE(run.err.find("commands: new, recode"), std::string::npos) << run.err;
        }
    }
}

// "NAME --help" (or -h, anywhere after the name) of every command listed by
// "help" prints what "help NAME" prints and exits 0, whatever else is given.
TEST(CliUsage, EveryCommandsHelpOptionPrintsItsHelp) {
    TempDir dir;
    const CliRun overview = RunCli({"help"}, dir.Path().string());
    ASSERT_EQ(overview.exitCode, 0);
    std::vector<std::string> names;
    std::istringstream lines(overview.out);
    const std::string lead = "  program-cli ";
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(lead)) {
            names.push_back(line.substr(lead.size(), line.find(' ', lead.size()) - lead.size()));
        }
    }
    ASSERT_GE(names.size(), 15u) << overview.out;
    EXPECT_NE(std::find(names.begin(), names.end(), "simulate"), names.end());
    for (const std::string& name : names) {
        const CliRun help = RunCli({"help", name}, dir.Path().string());
        ASSERT_EQ(help.exitCode, 0) << name;
        const std::vector<std::vector<std::string>> calls = {
            {name, "--help"}, {name, "-h"}, {name, dir.File("missing.dat"), "--help"}};
        for (const std::vector<std::string>& call : calls) {
            const CliRun run = RunCli(call, dir.Path().string());
            EXPECT_EQ(run.exitCode, 0) << ::testing::PrintToString(call) << ": " << run.err;
            EXPECT_EQ(run.out, help.out) << ::testing::PrintToString(call);
            EXPECT_TRUE(run.err.empty()) << run.err;
        }
    }
}

} // namespace
