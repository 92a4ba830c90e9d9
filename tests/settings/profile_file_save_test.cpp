// Writing settings files back: the text written, when it is written, backups,
// and the atomic replacement of the file.

#include "settings/profile_file.h"
#include "tests/settings/temp_dir.h"
#include "tests/settings/unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(ProfileSave, WritesEveryLineWithCrLfAndNoComments) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "; heading comment\nlead = 1\n\n[Setup]\n  Language = English // ui\n"
                    "lonely\n\n[Setup]\nx=1\n[]\ny=2\n[English]\nk=a=b\n");
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(path, false, true, false));
    profile.SetValue("New", "", "bare text");
    profile.SetValue("New", "key", "value");
    EXPECT_EQ(profile.Save(false), "");
    EXPECT_EQ(ReadFile(path), "lead=1\r\n"
                              "[Setup]\r\nLanguage=English // ui\r\nlonely=\r\n"
                              "[Setup]\r\nx=1\r\n"
                              "[]\r\ny=2\r\n"
                              "[English]\r\nk=a=b\r\n"
                              "[New]\r\nbare text\r\nkey=value\r\n");

    // What was written reads back to the same settings.
    CProfileFile again(4);
    ASSERT_TRUE(again.Load(path, false, true, false));
    std::vector<std::string> names;
    again.GetSectionNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Setup", "Setup", "English", "New"}));
    EXPECT_EQ(again.GetValue("", "y", "d"), "d"); // "[]" keeps its own section
    EXPECT_EQ(again.GetValue("", "lead", ""), "1");
    EXPECT_EQ(again.GetValue("English", "k", ""), "a=b");
    EXPECT_EQ(again.GetValue("New", "bare text", "d"), "");
}

TEST(ProfileSave, UnchangedStoreWritesNothing) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[Setup]\n;comment\nLanguage=English\n");
    {
        CProfileFile profile(4);
        ASSERT_TRUE(profile.Load(path, true, true, false));
        EXPECT_EQ(profile.GetValue("Setup", "Language", ""), "English");
        EXPECT_EQ(profile.Save(false), "");
    }
    EXPECT_EQ(ReadFile(path), "[Setup]\n;comment\nLanguage=English\n");
}

TEST(ProfileSave, SaveAtEndWritesOnlyWhenAskedAndDestroyNever) {
    TempDir dir;
    const std::string kept = dir.File("kept.ini");
    const std::string saved = dir.File("saved.ini");
    WriteFile(kept, "[S]\nk=1\n");
    WriteFile(saved, "[S]\nk=1\n");
    {
        CProfileFile noSave(4);
        CProfileFile save(4);
        ASSERT_TRUE(noSave.Load(kept, false, true, false));
        ASSERT_TRUE(save.Load(saved, true, true, false));
        noSave.SetValue("S", "k", "2");
        save.SetValue("S", "k", "2");
        EXPECT_EQ(noSave.SaveAtEnd(), CProfileFile::SaveOutcome::Unchanged);
        EXPECT_EQ(save.SaveAtEnd(), CProfileFile::SaveOutcome::Written);
        save.SetValue("S", "k", "3"); // going away unsaved
    }
    EXPECT_EQ(ReadFile(kept), "[S]\nk=1\n");
    EXPECT_EQ(ReadFile(saved), "[S]\r\nk=2\r\n");
    EXPECT_FALSE(fs::exists(saved + ".001"));
}

TEST(ProfileSave, LoadingAgainSavesTheFirstFile) {
    TempDir dir;
    const std::string first = dir.File("first.ini");
    const std::string second = dir.File("second.ini");
    WriteFile(first, "[S]\nk=1\n");
    WriteFile(second, "[T]\nm=5\n");
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(first, false, true, false));
    profile.SetValue("S", "k", "changed");
    ASSERT_TRUE(profile.Load(second, false, true, false));
    EXPECT_EQ(ReadFile(first), "[S]\r\nk=changed\r\n");
    EXPECT_FALSE(profile.IsModified());
    EXPECT_EQ(profile.GetValue("S", "k", "gone"), "gone");
    EXPECT_EQ(profile.GetValue("T", "m", ""), "5");
}

TEST(ProfileSave, ClearDropsEverythingButTheBackupName) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[S]\nk=1\n");
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(path, false, true, false));
    profile.SetValue("S", "k", "2");
    const std::string backup = profile.Save(true);
    EXPECT_EQ(backup, path + ".001");
    profile.Clear();
    EXPECT_EQ(profile.FilePath(), "");
    EXPECT_FALSE(profile.IsModified());
    EXPECT_EQ(profile.GetValue("S", "k", "none"), "none");
    EXPECT_EQ(profile.BackupName(), backup);
}

TEST(ProfileBackup, NumbersFollowTheHighestExisting) {
    struct Case {
        std::vector<std::string> existing;
        std::string expectedSuffix;
    };
    const Case cases[] = {
        {{}, ".001"},
        {{"Program.ini.001"}, ".002"},
        {{"Program.ini.007", "Program.ini.003"}, ".008"},
        {{"Program.bak"}, ".001"},      // no digits count as 0
        {{"Program.5x7"}, ".006"},      // leading digits of the last three
        {{"Program.ini.999"}, ".1000"}, // past 999 the number keeps growing
        {{"Program.ini.1000"}, ".1001"},
        {{"Other.ini.050"}, ".001"}, // another stem does not count
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.File("Program.ini");
        WriteFile(path, "[S]\nk=old\n");
        for (const std::string& name : c.existing) {
            WriteFile(dir.File(name), "x");
        }
        CProfileFile profile(4);
        ASSERT_TRUE(profile.Load(path, false, true, false));
        profile.MakeBackupName();
        EXPECT_EQ(profile.BackupName(), path + c.expectedSuffix)
            << (c.existing.empty() ? "" : c.existing.front());
    }
}

TEST(ProfileBackup, CopiesTheOldFileAndKeepsOneNamePerStore) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[S]\nk=old\n");
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(path, false, true, false));
    profile.SetValue("S", "k", "new");
    EXPECT_EQ(profile.Save(true), path + ".001");
    EXPECT_EQ(ReadFile(path + ".001"), "[S]\nk=old\n");
    profile.SetValue("S", "k", "newer");
    EXPECT_EQ(profile.Save(true), path + ".001");
    EXPECT_EQ(ReadFile(path + ".001"), "[S]\r\nk=new\r\n");
    EXPECT_EQ(ReadFile(path), "[S]\r\nk=newer\r\n");
    EXPECT_FALSE(fs::exists(path + ".002"));
}

TEST(ProfileBackup, SaveAtEndMakesABackupWhenAsked) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[S]\nk=old\n");
    {
        CProfileFile profile(4);
        ASSERT_TRUE(profile.Load(path, true, true, true));
        profile.SetValue("S", "k", "new");
        EXPECT_EQ(profile.SaveAtEnd(), CProfileFile::SaveOutcome::Written);
    }
    EXPECT_EQ(ReadFile(path + ".001"), "[S]\nk=old\n");
    EXPECT_EQ(ReadFile(path), "[S]\r\nk=new\r\n");
}

TEST(ProfileAtomicSave, ReplacesTheFileInsteadOfRewritingIt) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    const std::string otherName = dir.File("link-to-old");
    WriteFile(path, "[S]\nk=old\n");
    ::chmod(path.c_str(), 0640);
    // A second name for the old file: an in-place rewrite would change it too.
    fs::create_hard_link(path, otherName);

    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(path, false, true, false));
    profile.SetValue("S", "k", "new");
    profile.Save(false);

    EXPECT_EQ(ReadFile(path), "[S]\r\nk=new\r\n");
    EXPECT_EQ(ReadFile(otherName), "[S]\nk=old\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST(ProfileAtomicSave, SymbolicLinkKeepsPointingAtTheSavedFile) {
    TempDir dir;
    const std::string target = dir.File("real.ini");
    const std::string link = dir.File("Program.ini");
    WriteFile(target, "[S]\nk=old\n");
    fs::create_symlink(target, link);
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(link, false, true, false));
    profile.SetValue("S", "k", "new");
    profile.Save(false);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "[S]\r\nk=new\r\n");
}

TEST(ProfileAtomicSave, FailedSaveWritesNothingAndReportsEmpty) {
    TempDir dir;
    const fs::path sub = dir.Path() / "sub";
    fs::create_directory(sub);
    const std::string path = (sub / "Program.ini").string();
    WriteFile(path, "[S]\nk=old\n");
    CProfileFile profile(4);
    ASSERT_TRUE(profile.Load(path, true, true, false));
    profile.SetValue("S", "k", "new");
    // The settings file's place is taken by a directory: nothing can replace it.
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(profile.Save(false), "");
    // Told apart from a store with nothing to write.
    EXPECT_EQ(profile.SaveChanges(false), CProfileFile::SaveOutcome::Failed);
    EXPECT_EQ(profile.SaveAtEnd(), CProfileFile::SaveOutcome::Failed);
    EXPECT_TRUE(fs::is_directory(path));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(sub)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

// A settings file that may be written in a folder that may not: the change is
// saved into the file itself.
TEST(ProfileAtomicSave, WritableFileInAFolderThatCannotBeWritten) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[Setup]\nLanguage=English\n; a long comment the saved text no longer holds\n");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const ReadOnlyFolder folder(dir.Path().string());
    const int failedStep = RunUnprivileged([&] {
        CProfileFile profile(4);
        if (!profile.Load(path, false, true, false)) {
            return 1;
        }
        profile.SetValue("Setup", "Language", "Chinese");
        profile.Save(false);
        return ReadFile(path) == "[Setup]\r\nLanguage=Chinese\r\n" ? 0 : 2;
    });
    EXPECT_EQ(failedStep, 0);
}

} // namespace
