#include "model/dat_file.h"
#include "tests/settings/temp_dir.h"
#include "tests/settings/unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

RadioImage PatternImage() {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    }
    return image;
}

std::string ImageBytes(const RadioImage& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), RadioImage::size());
}

// Names in dir other than the expected ones (left-over temporary files).
std::vector<std::string> OtherEntries(const TempDir& dir,
                                      const std::vector<std::string>& expected) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
            others.push_back(name);
        }
    }
    return others;
}

TEST(DatFile, ShortFilesAreRefusedAndLeaveTheImageAlone) {
    TempDir dir;
    for (std::size_t size : {0u, 1u, 6143u}) {
        const std::string path = dir.File("short.dat");
        WriteFile(path, std::string(size, '\x11'));
        RadioImage image = PatternImage();
        const FileResult r = ReadDatFile(path, image);
        EXPECT_EQ(r.error, FileError::TooShort) << size;
        EXPECT_NE(r.Message(SourceTexts()).find(path), std::string::npos);
        EXPECT_EQ(r.Message(SourceTexts()).find('\n'), std::string::npos);
        EXPECT_EQ(image, PatternImage());
    }
}

TEST(DatFile, OnlyTheFirst6144BytesAreUsed) {
    TempDir dir;
    const std::string bytes = ImageBytes(PatternImage());
    for (const std::string& tail : {std::string(), std::string("x"), std::string(10000, 'y')}) {
        const std::string path = dir.File("file.dat");
        WriteFile(path, bytes + tail);
        RadioImage image;
        EXPECT_TRUE(ReadDatFile(path, image).Ok()) << tail.size();
        EXPECT_EQ(image, PatternImage());
    }
}

TEST(DatFile, PathsThatAreNoReadableFileAreRefused) {
    TempDir dir;
    WriteFile(dir.File("plain.dat"), ImageBytes(PatternImage()));
    fs::create_directory(dir.File("folder.dat"));
    struct Case {
        std::string path;
        FileError error;
    };
    const Case cases[] = {
        {dir.File("missing.dat"), FileError::NotFound},
        {dir.File("folder.dat"), FileError::IsDirectory},
        {dir.File("plain.dat/inside.dat"), FileError::Unreadable},
        {dir.File(std::string(5000, 'n')), FileError::Unreadable},
        {"", FileError::NotFound},
    };
    for (const Case& c : cases) {
        RadioImage image;
        const FileResult r = ReadDatFile(c.path, image);
        EXPECT_EQ(r.error, c.error) << c.path;
        EXPECT_FALSE(r.Message(SourceTexts()).empty());
        EXPECT_EQ(image, RadioImage());
    }
}

TEST(DatFile, UnreadableFilesAreRefused) {
    // Reading this process's memory from address 0 fails with an I/O error.
    RadioImage image;
    EXPECT_EQ(ReadDatFile("/proc/self/mem", image).error, FileError::Unreadable);
    EXPECT_EQ(image, RadioImage());
    if (::geteuid() != 0) { // permissions do not bind the super-user
        TempDir dir;
        const std::string path = dir.File("locked.dat");
        WriteFile(path, ImageBytes(PatternImage()));
        fs::permissions(path, fs::perms::none);
        EXPECT_EQ(ReadDatFile(path, image).error, FileError::Unreadable);
    }
}

TEST(DatFile, SaveWritesExactlyTheImageAndReplacesLongerFiles) {
    TempDir dir;
    const std::string path = dir.File("out.dat");
    WriteFile(path, std::string(7000, 'z'));
    ASSERT_TRUE(WriteDatFile(path, PatternImage()).Ok());
    EXPECT_EQ(ReadFile(path), ImageBytes(PatternImage()));
    EXPECT_TRUE(OtherEntries(dir, {"out.dat"}).empty());
}

TEST(DatFile, SaveKeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    const std::string target = dir.File("target.dat");
    const std::string link = dir.File("link.dat");
    WriteFile(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteDatFile(link, PatternImage()).Ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), ImageBytes(PatternImage()));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(DatFile, FailedSaveReportsAndLeavesNothingBehind) {
    TempDir dir;
    fs::create_directory(dir.File("folder.dat"));
    const std::string cases[] = {dir.File("no/such/dir/out.dat"), dir.File("folder.dat"), ""};
    for (const std::string& path : cases) {
        const FileResult r = WriteDatFile(path, PatternImage());
        EXPECT_EQ(r.error, FileError::CannotWrite) << path;
        EXPECT_FALSE(r.Message(SourceTexts()).empty());
    }
    EXPECT_TRUE(fs::is_directory(dir.File("folder.dat")));
    EXPECT_TRUE(OtherEntries(dir, {"folder.dat"}).empty());
}

// A full disk, played by a file-size limit: the write fails half-way and the
// old file must stay as it was.
TEST(DatFile, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("keep.dat");
    WriteFile(path, "old contents");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult r = WriteDatFile(path, PatternImage());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(r.error, FileError::CannotWrite);
    EXPECT_EQ(ReadFile(path), "old contents");
    EXPECT_TRUE(OtherEntries(dir, {"keep.dat"}).empty());
}

// A folder the user cannot write: no temporary file can be made beside the
// target. An existing writable file is then rewritten in place; anything else
// still fails and leaves the old file as it was.
TEST(DatFile, SaveTargetIsCheckedBeforeWork) {
    TempDir dir;
    WriteFile(dir.File("plain.dat"), "x");
    EXPECT_TRUE(CheckSaveTarget(dir.File("new.dat")).Ok());
    EXPECT_TRUE(CheckSaveTarget(dir.File("plain.dat")).Ok());
    for (const std::string& bad :
         {dir.File("missing/x.dat"), dir.File("plain.dat/x.dat"), dir.Path().string()}) {
        const FileResult result = CheckSaveTarget(bad);
        EXPECT_EQ(result.error, FileError::CannotWrite) << bad;
        EXPECT_NE(result.Message(SourceTexts()).find(bad), std::string::npos)
            << result.Message(SourceTexts());
    }
    EXPECT_TRUE(OtherEntries(dir, {"plain.dat"}).empty());
}

// Only a regular file, or a symbolic link to one, is ever replaced: a pipe
// (standing for a device node), a link to a pipe and a link to nothing are
// refused before any work and by the save itself, and stay as they were.
TEST(DatFile, SaveOverSomethingElseThanARegularFileIsRefused) {
    TempDir dir;
    const std::string pipe = dir.File("pipe.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    const std::string linkToPipe = dir.File("link.dat");
    fs::create_symlink(pipe, linkToPipe);
    const std::string dangling = dir.File("dangling.dat");
    fs::create_symlink(dir.File("nowhere.dat"), dangling);
    for (const std::string& path : {pipe, linkToPipe, dangling}) {
        for (const FileResult& result :
             {CheckSaveTarget(path), WriteDatFile(path, PatternImage())}) {
            EXPECT_EQ(result.error, FileError::CannotWrite) << path;
            EXPECT_EQ(result.Message(SourceTexts()),
                      "Not a regular file, nothing was saved: " + path);
        }
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_symlink(linkToPipe));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_TRUE(OtherEntries(dir, {"pipe.dat", "link.dat", "dangling.dat"}).empty());
}

TEST(DatFile, SaveIntoAFolderThatCannotBeWritten) {
    TempDir dir;
    const std::string writable = dir.File("writable.dat");
    const std::string locked = dir.File("locked.dat");
    const std::string missing = dir.File("missing.dat");
    WriteFile(writable, std::string(7000, 'z'));
    WriteFile(locked, "old contents");
    ASSERT_EQ(::chmod(writable.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const ReadOnlyFolder folder(dir.Path().string());
    const int failedStep = RunUnprivileged([&] {
        // The check before work foresees each outcome of the save below.
        const std::pair<const std::string*, bool> foreseen[] = {
            {&writable, true}, {&locked, false}, {&missing, false}};
        for (const auto& [path, saves] : foreseen) {
            if (CheckSaveTarget(*path).Ok() != saves) {
                return 5;
            }
        }
        if (!WriteDatFile(writable, PatternImage()).Ok()) {
            return 1;
        }
        if (ReadFile(writable) != ImageBytes(PatternImage())) {
            return 2; // the longer old file is cut to the image's size
        }
        if (WriteDatFile(locked, PatternImage()).error != FileError::CannotWrite ||
            ReadFile(locked) != "old contents") {
            return 3;
        }
        if (WriteDatFile(missing, PatternImage()).error != FileError::CannotWrite) {
            return 4;
        }
        return 0;
    });
    EXPECT_EQ(failedStep, 0);
    // The message names the real cause, not the missing file.
    const std::string denied = std::strerror(EACCES);
    const int messageStep = RunUnprivileged([&] {
        const FileResult result = WriteDatFile(missing, PatternImage());
        return result.Message(SourceTexts()).find(denied) != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(messageStep, 0);
    EXPECT_TRUE(OtherEntries(dir, {"writable.dat", "locked.dat"}).empty());
    EXPECT_EQ(fs::status(writable).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
}

TEST(DatFile, ReadOnlyFileInAWritableFolderIsNotReplaced) {
    TempDir dir;
    const std::string locked = dir.File("locked.dat");
    WriteFile(locked, "old contents");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string denied = std::strerror(EACCES);
    const int failedStep = RunUnprivileged([&] {
        const FileResult result = WriteDatFile(locked, PatternImage());
        if (result.error != FileError::CannotWrite) {
            return 1;
        }
        if (result.Message(SourceTexts()).find(denied) == std::string::npos) {
            return 2;
        }
        return ReadFile(locked) == "old contents" ? 0 : 3;
    });
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(failedStep, 0);
    EXPECT_TRUE(OtherEntries(dir, {"locked.dat"}).empty());
}

} // namespace
