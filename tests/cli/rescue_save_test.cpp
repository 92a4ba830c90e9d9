// A completed read is never thrown away: when its file cannot be written,
// the data goes beside it or into the user's data folder, on real files.

#include "cli/rescue_save.h"
#include "model/dat_file.h"
#include "tests/settings/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(RescueSave, PathsBesideTheTargetThenInTheDataFolder) {
    EXPECT_EQ(RescuePaths("/work/radios/radio.dat", "/home/u/data", "20261207-201500"),
              (std::vector<std::string>{"/work/radios/radio-read-20261207-201500.dat",
                                        "/home/u/data/radio-read-20261207-201500.dat"}));
    EXPECT_EQ(RescuePaths("radio", "/d", "S"),
              (std::vector<std::string>{"radio-read-S.dat", "/d/radio-read-S.dat"}));
}

TEST(RescueSave, DataGoesWhereItCanBeSaved) {
    struct Case {
        const char* name;
        const char* target;      // relative to the test folder
        bool makeTargetAFolder;  // the target exists as a folder
        const char* expectSaved; // where the data ends up
        int exitCode;
    };
    const Case cases[] = {
        {"target writable", "out.dat", false, "out.dat", kExitOk},
        {"target a folder: beside it", "taken.dat", true, "taken-read-S.dat", kExitFile},
        {"folder gone: the data folder", "gone/out.dat", false, "data/out-read-S.dat", kExitFile},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string target = dir.File(c.target);
        if (c.makeTargetAFolder) {
            fs::create_directory(target);
        }
        CliDocument doc;
        doc.New();
        doc.Doc().Image()[0x0C30] = 0x5A; // a byte the save keeps as it is
        const int code = SaveReadDocument(doc, target, dir.File("data"), "S");
        EXPECT_EQ(code, c.exitCode) << c.name;
        RadioImage saved;
        ASSERT_TRUE(ReadDatFile(dir.File(c.expectSaved), saved).Ok()) << c.name;
        EXPECT_EQ(saved[0x0C30], 0x5A) << c.name;
    }
}

// A rescue never replaces a file that is already there.
TEST(RescueSave, ExistingFilesAreNotReplaced) {
    TempDir dir;
    const std::string target = dir.File("taken.dat");
    fs::create_directory(target);
    const std::string beside = dir.File("taken-read-S.dat");
    {
        CliDocument other;
        other.New();
        ASSERT_EQ(other.Save(beside), kExitOk);
    }
    const auto besideBefore = fs::file_size(beside);
    CliDocument doc;
    doc.New();
    doc.Doc().Image()[0x0C30] = 0x5A;
    EXPECT_EQ(SaveReadDocument(doc, target, dir.File("data"), "S"), kExitFile);
    RadioImage kept;
    ASSERT_TRUE(ReadDatFile(beside, kept).Ok());
    EXPECT_EQ(kept[0x0C30], 0xFF);
    EXPECT_EQ(fs::file_size(beside), besideBefore);
    RadioImage saved;
    ASSERT_TRUE(ReadDatFile(dir.File("data/taken-read-S.dat"), saved).Ok());
    EXPECT_EQ(saved[0x0C30], 0x5A);
}

} // namespace
