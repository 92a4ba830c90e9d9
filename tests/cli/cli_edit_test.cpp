#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class CliEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli({"new", File()}, Scratch()).exitCode, 0);
        original = ReadFile(File());
    }
    std::string File() const { return dir.File("doc.dat"); }
    std::string Scratch() const { return dir.Path().string(); }
    CliRun Edit(std::vector<std::string> entries, const std::string& out = "") {
        std::vector<std::string> args{"edit", File()};
        if (!out.empty()) {
            args.insert(args.end(), {"-o", out});
        }
        args.insert(args.end(), entries.begin(), entries.end());
        return RunCli(args, Scratch());
    }
    std::string Record(const std::string& path, int row) {
        return ReadFile(path).substr(24 * static_cast<std::size_t>(row - 1), 24);
    }
    TempDir dir;
    std::string original;
};

TEST_F(CliEditTest, TypedCellsAreCommittedInOrderAndSaved) {
    const CliRun run =
        Edit({"1:1=145.125", "1:2=146", "1:3=67.0", "1:4=d023n", "1:5=中A", "1:6=Low", "1:7=Narrow",
              "1:8=No", "1:9=Carrier", "129:1=438.00625", "3:9=Carrier", "2:1=438.00625", "2:1="});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Record(File(), 1),
              std::string("\x00\x25\x51\x14\x00\x00\x60\x14\x70\x06\x23\x80\xFF\x83\xFF\xFF"
                          "\xD6\xD0"
                          "A\xFF\xFF\xFF\xFF\xFF",
                          24));
    EXPECT_EQ(Record(File(), 129),
              std::string("\x25\x06\x80\x43\x25\x06\x80\x43\xFF\xFF\xFF\xFF\xFF\x39\xFF\xFF"
                          "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
                          24));
    // No frequency in row 3: the busy lock stays empty; row 2 was deleted again.
    const std::string emptyRecord = original.substr(0, 24);
    EXPECT_EQ(Record(File(), 3), emptyRecord);
    EXPECT_EQ(Record(File(), 2), emptyRecord);
}

TEST_F(CliEditTest, OutputOptionLeavesTheInputAlone) {
    const CliRun run = Edit({"5:1=137.00625"}, dir.File("out.dat"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(File()), original);
    EXPECT_EQ(Record(dir.File("out.dat"), 5).substr(0, 8),
              std::string("\x25\x06\x70\x13\x25\x06\x70\x13", 8));
}

TEST_F(CliEditTest, RefusedEntriesPrintTheMessageAndSaveNothing) {
    struct Case {
        std::vector<std::string> entries;
        const char* message;
    };
    const Case cases[] = {
        {{"1:1=145.0031"}, "Error data Value, please input according the step value(6.25K/5k)."},
        {{"1:1=137.0025"}, "Error data Value, please input according the step value(6.25K/5k)."},
        {{"1:1=66"}, "Error Data Format, please input again."},
        {{"1:1=600.00625"}, "Error Data Format, please input again."},
        {{"1:1=600"}, "Out of range, please input again."},
        {{"1:1=145.125", "2:1=520.00625"}, "Out of range, please input again."},
        {{"1:1=145.125", "1:2=300"}, "Out of range, please input again."},
    };
    for (const Case& c : cases) {
        for (const std::string& out : {std::string(), dir.File("out.dat")}) {
            const CliRun run = Edit(c.entries, out);
            EXPECT_EQ(run.exitCode, 3) << c.entries.back();
            EXPECT_EQ(run.err, std::string(c.message) + "\n");
            EXPECT_EQ(ReadFile(File()), original);
            EXPECT_FALSE(fs::exists(dir.File("out.dat")));
        }
    }
}

TEST_F(CliEditTest, BandEndsFollowTheDecodedBands) {
    const CliRun run = Edit({"1:1=520", "2:1=136", "2:2=480"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Record(File(), 1).substr(0, 8), std::string("\x00\x00\x00\x52\x00\x00\x00\x52", 8));
    EXPECT_EQ(Record(File(), 2).substr(0, 8), std::string("\x00\x00\x60\x13\x00\x00\x00\x48", 8));
}

} // namespace
