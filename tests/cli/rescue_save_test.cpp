// A completed read is never thrown away: when its file cannot be written,
// the data goes beside it, into the user's data folder or into the system's
// temporary folder, on real files; the message says where, or that it is lost.

#include "cli/rescue_save.h"
#include "model/dat_file.h"
#include "tests/settings/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(RescueSave, PathsBesideTheTargetThenInTheDataFolderThenInTheTemporaryFolder) {
    EXPECT_EQ(RescuePaths("/work/radios/radio.dat", "/home/u/data", "/tmp", "20261207-201500"),
              (std::vector<std::string>{"/work/radios/radio-read-20261207-201500.dat",
                                        "/home/u/data/radio-read-20261207-201500.dat",
                                        "/tmp/radio-read-20261207-201500.dat"}));
    EXPECT_EQ(RescuePaths("radio", "/d", "/t", "S"),
              (std::vector<std::string>{"radio-read-S.dat", "/d/radio-read-S.dat",
                                        "/t/radio-read-S.dat"}));
}

TEST(RescueSave, DataGoesWhereItCanBeSaved) {
    // "file/..." lies under a plain file: no folder can be made there, as
    // with a full or read-only disk.
    struct Case {
        const char* name;
        const char* target;      // relative to the test folder
        bool makeTargetAFolder;  // the target exists as a folder
        const char* dataDir;     // the per-user data folder
        const char* tempDir;     // the system's temporary folder
        const char* expectSaved; // where the data ends up; nullptr: nowhere
        int exitCode;
        const char* message; // part of stderr
    };
    const Case cases[] = {
        {"target writable", "out.dat", false, "data", "tmp", "out.dat", kExitOk, ""},
        {"target a folder: beside it", "taken.dat", true, "data", "tmp", "taken-read-S.dat",
         kExitFile, "saved to "},
        {"folder gone: the data folder", "gone/out.dat", false, "data", "tmp",
         "data/out-read-S.dat", kExitFile, "saved to "},
        {"data folder unwritable too: the temporary folder", "gone/out.dat", false, "file/data",
         "tmp", "tmp/out-read-S.dat", kExitFile, "saved to "},
        {"nowhere: the read is lost", "gone/out.dat", false, "file/data", "file/tmp", nullptr,
         kExitFile, "it is lost"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string target = dir.File(c.target);
        if (c.makeTargetAFolder) {
            fs::create_directory(target);
        }
        WriteFile(dir.File("file"), "a plain file");
        fs::create_directory(dir.File("tmp"));
        BandPlan bands;
        CliDocument doc(bands);
        doc.New();
        doc.Doc().Image()[0x0C30] = 0x5A; // a byte the save keeps as it is
        testing::internal::CaptureStderr();
        const int code =
            SaveReadDocument(doc, target, dir.File(c.dataDir), dir.File(c.tempDir), "S");
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(code, c.exitCode) << c.name;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
        if (c.expectSaved == nullptr) {
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir.Path())) {
                EXPECT_NE(entry.path().extension(), ".dat") << c.name << ": " << entry.path();
            }
            continue;
        }
        if (c.exitCode != kExitOk) {
            // The message names the file the data went to.
            EXPECT_NE(err.find(dir.File(c.expectSaved)), std::string::npos) << c.name << ": " << err;
        }
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
        BandPlan bands;
        CliDocument other(bands);
        other.New();
        ASSERT_EQ(other.Save(beside), kExitOk);
    }
    const auto besideBefore = fs::file_size(beside);
    BandPlan bands;
    CliDocument doc(bands);
    doc.New();
    doc.Doc().Image()[0x0C30] = 0x5A;
    EXPECT_EQ(SaveReadDocument(doc, target, dir.File("data"), dir.File("tmp"), "S"), kExitFile);
    RadioImage kept;
    ASSERT_TRUE(ReadDatFile(beside, kept).Ok());
    EXPECT_EQ(kept[0x0C30], 0xFF);
    EXPECT_EQ(fs::file_size(beside), besideBefore);
    RadioImage saved;
    ASSERT_TRUE(ReadDatFile(dir.File("data/taken-read-S.dat"), saved).Ok());
    EXPECT_EQ(saved[0x0C30], 0x5A);
}

} // namespace
