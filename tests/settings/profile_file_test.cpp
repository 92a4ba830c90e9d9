// Reading settings files and answering look-ups and changes in memory.

#include "settings/profile_file.h"
#include "settings/program_context.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A store loaded from a file with the given text, without save on destroy.
struct LoadedProfile {
    TempDir dir;
    std::string path = dir.File("Program.ini");
    CProfileFile profile{4};

    explicit LoadedProfile(const std::string& text, bool ignoreCase = true) {
        WriteFile(path, text);
        EXPECT_TRUE(profile.Load(path, false, ignoreCase, false));
    }
};

struct LookupCase {
    const char* name;
    const char* file;
    bool ignoreCase;
    const char* section;
    const char* key;
    const char* def;
    const char* expected;
};

class ProfileLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, GetValueAnswersFromTheFile) {
    const LookupCase& c = GetParam();
    LoadedProfile p(c.file, c.ignoreCase);
    EXPECT_EQ(p.profile.GetValue(c.section, c.key, c.def), c.expected);
}

const LookupCase kLookups[] = {
    {"PlainValue", "[Setup]\nLanguage=English\n", true, "Setup", "Language", "", "English"},
    {"CrLfLineEnds", "[Setup]\r\nLanguage=English\r\n", true, "Setup", "Language", "", "English"},
    {"SpacesAroundEqualsGo", "[Setup]\n  AppName   =  Radio  \n", true, "Setup", "AppName", "",
     "Radio"},
    {"SpacedHeaderKeepsItsSpaces", "[ Setup ]\nLanguage=English\n", true, "Setup", "Language",
     "dflt", "dflt"},
    {"SpacedHeaderAnswersToSpacedName", "[ Setup ]\nLanguage=English\n", true, " Setup ",
     "Language", "", "English"},
    {"SecondHeaderOfSameNameIsNeverReached", "[Setup]\na=1\n[Setup]\nb=2\n", true, "Setup", "b",
     "none", "none"},
    {"FirstHeaderOfSameNameAnswers", "[Setup]\na=1\n[Setup]\na=2\n", true, "Setup", "a", "", "1"},
    {"LaterOfTwoKeysWins", "[Setup]\nk=first\nk=second\n", true, "Setup", "k", "", "second"},
    {"SlashCommentCutKeepsSpaceBefore", "[S]\nPort = COM2 // the port\n", true, "S", "Port", "",
     "COM2 "},
    {"OnlyFirstEqualsSplits", "[S]\na=b=c\n", true, "S", "a", "", "b=c"},
    {"TabSemicolonCut", "[S]\nk=v1\t;note\n", true, "S", "k", "", "v1"},
    {"SemicolonWithoutTabStays", "[S]\nk=v1;note\n", true, "S", "k", "", "v1;note"},
    {"BlockCommentCut", "[S]\nk=v /* note */\n", true, "S", "k", "", "v "},
    {"SlashesCutBeforeBlock", "[S]\nk=a/*b//c\n", true, "S", "k", "", "a"},
    {"KeyIgnoringCase", "[English]\nCompany=Maker\n", true, "english", "company", "", "Maker"},
    {"KeyCaseCountsWhenAsked", "[English]\nCompany=Maker\n", false, "English", "company", "d", "d"},
    {"SectionCaseCountsWhenAsked", "[English]\nCompany=Maker\n", false, "english", "Company", " d ",
     " d "},
    {"DefaultUntouchedWhenSectionAbsent", "[Other]\n", true, "Setup", "k", " x ", " x "},
    {"DefaultTrimmedWhenKeyAbsent", "[Setup]\n", true, "Setup", "k", " x ", "x"},
    {"UnnamedSectionHoldsLeadingLines", "top=1\n[S]\nk=2\n", true, "", "top", "", "1"},
    {"LineWithoutEqualsIsAKey", "[S]\nlonely word\n", true, "S", "lonely word", "d", ""},
    {"SemicolonCommentDropped", "[S]\n;k=1\n", true, "S", ";k", "d", "d"},
    {"SlashCommentLineDropped", "[S]\n/k=1\n", true, "S", "/k", "d", "d"},
    {"BackslashCommentDropped", "[S]\n\\k=1\n", true, "S", "\\k", "d", "d"},
    {"StarCommentDropped", "[S]\n*k=1\n", true, "S", "*k", "d", "d"},
    {"LineStartingWithEqualsDropped", "[S]\n=v\n", true, "S", "", "d", "d"},
    {"HeaderNeedsBothBrackets", "[S\nk=1\n", true, "", "[S", "d", ""},
    {"LastLineWithoutLineEnd", "[S]\nk=tail", true, "S", "k", "", "tail"},
    {"GbkValueKeptAsBytes", "[Chinese]\nCompany=\xd6\xd0\xce\xc4\n", true, "Chinese", "Company", "",
     "\xd6\xd0\xce\xc4"},
    {"Utf8ValueKeptAsBytes", "[Chinese]\nCompany=\xe4\xb8\xad\n", true, "Chinese", "Company", "",
     "\xe4\xb8\xad"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileLookup, testing::ValuesIn(kLookups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileChange, SetValueReachesFirstSectionAndLastKey) {
    LoadedProfile p("[Setup]\nk=1\nk=2\n[Setup]\nx=9\n");
    p.profile.SetValue("Setup", "k", "3");
    p.profile.SetValue("Setup", "x", "new");
    std::vector<std::string> keys;
    p.profile.GetKeyNames("Setup", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"k", "k", "x"}));
    EXPECT_EQ(p.profile.GetValue("Setup", "k", ""), "3");
    EXPECT_EQ(p.profile.GetListItem("Setup", "x", 0, ','), "new");
    EXPECT_TRUE(p.profile.IsModified());
}

TEST(ProfileChange, SameValueInOtherCaseReplacesWithoutMarkingModified) {
    LoadedProfile p("[Setup]\nLanguage=English\n");
    p.profile.SetValue("Setup", "Language", "ENGLISH");
    EXPECT_EQ(p.profile.GetValue("Setup", "Language", ""), "ENGLISH");
    EXPECT_FALSE(p.profile.IsModified());
    EXPECT_EQ(p.profile.Save(false), "");
    EXPECT_EQ(ReadFile(p.path), "[Setup]\nLanguage=English\n");
}

TEST(ProfileChange, CaseOfValueCountsWithoutIgnoreCase) {
    LoadedProfile p("[Setup]\nLanguage=English\n", false);
    p.profile.SetValue("Setup", "Language", "ENGLISH");
    EXPECT_TRUE(p.profile.IsModified());
}

TEST(ProfileChange, GbkTrailBytesAreNotCaseFolded) {
    // 0x81 0x41 and 0x81 0x61 are two different GBK characters.
    LoadedProfile p("[S]\nk=\x81\x41\n");
    p.profile.SetValue("S", "k", "\x81\x61");
    EXPECT_TRUE(p.profile.IsModified());
}

TEST(ProfileChange, AddsMissingSectionAndKeyAtTheEnd) {
    LoadedProfile p("[A]\na=1\n");
    p.profile.SetValue("B", "b", "2");
    p.profile.SetValue("A", "c", "3");
    std::vector<std::string> sections;
    p.profile.GetSectionNames(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"A", "B"}));
    std::vector<std::string> keys;
    p.profile.GetKeyNames("A", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(p.profile.IsModified());
}

TEST(ProfileChange, NothingChangesWithoutALoadedFile) {
    CProfileFile profile(4);
    profile.SetValue("Setup", "Language", "Chinese");
    EXPECT_EQ(profile.GetValue("Setup", "Language", "none"), "none");
    EXPECT_FALSE(profile.IsModified());
    EXPECT_EQ(profile.Save(false), "");
    EXPECT_EQ(profile.FilePath(), "");
}

TEST(ProfileDelete, KeysAndSections) {
    LoadedProfile p("[A]\nk=1\nk=2\n[B]\nx=1\n[A]\nk=3\n");
    EXPECT_TRUE(p.profile.DeleteKey("a", "K"));
    EXPECT_EQ(p.profile.GetValue("A", "k", ""), "1");
    EXPECT_FALSE(p.profile.DeleteKey("A", "absent"));
    EXPECT_FALSE(p.profile.DeleteKey("Absent", "k"));
    EXPECT_TRUE(p.profile.DeleteSection("A"));
    // The second [A] moved up and is now the one that answers.
    EXPECT_EQ(p.profile.GetValue("A", "k", ""), "3");
    EXPECT_FALSE(p.profile.DeleteSection("C"));
    std::vector<std::string> sections;
    p.profile.GetSectionNames(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"B", "A"}));
    EXPECT_TRUE(p.profile.IsModified());
}

TEST(ProfileNames, SectionAndKeyListsAppend) {
    LoadedProfile p("lead=0\n[A]\na=1\nb=2\n[B]\n");
    std::vector<std::string> names{"given"};
    p.profile.GetSectionNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"given", "A", "B"}));
    std::vector<std::string> keys;
    p.profile.GetKeyNames("Absent", keys);
    EXPECT_TRUE(keys.empty());
    p.profile.GetKeyNames("", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"lead"}));
}

struct ListCase {
    const char* value;
    int index;
    char separator;
    const char* expected;
};

TEST(ProfileList, ItemsOfAValue) {
    const ListCase cases[] = {
        {" a , b ,c ", 0, ',', "a"},
        {" a , b ,c ", 1, ',', "b"},
        {" a , b ,c ", 2, ',', "c"},
        {" a , b ,c ", 3, ',', ""},
        {" a , b ,c ", -1, ',', ""},
        {"a,,c", 1, ',', ""},
        {"a,,c", 2, ',', "c"},
        {"a;b", 1, ';', "b"},
        {"a;b", 1, ',', ""},
        {"(null)", 0, ',', ""},
        {"", 0, ',', ""},
        {"single", 0, ',', "single"},
        {"a,b // c,d", 1, ',', "b"},
        {"a,b // c,d", 2, ',', ""},
    };
    for (const ListCase& c : cases) {
        LoadedProfile p(std::string("[L]\nk=") + c.value + "\n");
        EXPECT_EQ(p.profile.GetListItem("L", "k", c.index, c.separator), c.expected)
            << c.value << " #" << c.index;
    }
}

TEST(ProfileLoad, MissingFileIsCreatedEmpty) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    CProfileFile profile(4);
    EXPECT_TRUE(profile.Load(path, true, true, false));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(profile.GetValue("Setup", "Language", ""), "");
    EXPECT_EQ(profile.FilePath(), path);
}

TEST(ProfileLoad, UnopenableFilesLeaveTheStoreEmpty) {
    TempDir dir;
    for (const std::string& path : {dir.File("no/such/dir/Program.ini"), dir.Path().string()}) {
        CProfileFile profile(4);
        EXPECT_FALSE(profile.Load(path, true, true, false)) << path;
        EXPECT_EQ(profile.FilePath(), "");
        profile.SetValue("Setup", "Language", "Chinese");
        EXPECT_FALSE(profile.IsModified());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("no")));
}

TEST(ProfileLoad, ReadErrorKeepsThePath) {
    // Reading the start of a process's own memory file fails with an I/O error.
    CProfileFile profile(4);
    EXPECT_FALSE(profile.Load("/proc/self/mem", false, true, false));
    EXPECT_EQ(profile.FilePath(), "/proc/self/mem");
}

TEST(ProfileLoad, FromProgramDirectory) {
    TempDir dir;
    WriteFile(dir.File("Program.ini"), "[Setup]\nLanguage=Chinese\n");
    CProfileFile profile(4);
    EXPECT_TRUE(profile.LoadFromProgramDir(dir.File("Program"), "Program.ini", false, true, false));
    EXPECT_EQ(profile.FilePath(), dir.File("Program.ini"));
    EXPECT_EQ(profile.GetValue("Setup", "Language", ""), "Chinese");

    // A bare program name: the current working directory.
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CProfileFile bare(4);
    const bool loaded = bare.LoadFromProgramDir("Program", "Program.ini", false, true, false);
    std::filesystem::current_path(before);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(bare.FilePath(), (std::filesystem::canonical(dir.Path()) / "Program.ini").string());
    EXPECT_EQ(bare.GetValue("Setup", "Language", ""), "Chinese");
}

// A file saved with a UTF-8 byte-order mark keeps its first header; saving
// writes the text without the mark.
TEST(ProfileLoad, LeadingUtf8ByteOrderMarkIsSkipped) {
    struct Case {
        std::string text;
        const char* language; // Setup/Language as read
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[Setup]\nLanguage=Chinese\n", "Chinese"},
        {"\xEF\xBB\xBF[Setup]\r\nLanguage=Chinese", "Chinese"},
        {"\xEF\xBB\xBF\n[Setup]\nLanguage=Chinese\n", "Chinese"},
        {"\xEF\xBB\xBF", "none"},
        // Only a whole mark at the very start is one.
        {"\xEF\xBB[Setup]\nLanguage=Chinese\n", "none"},
        {"[A]\n\xEF\xBB\xBF[Setup]\nLanguage=Chinese\n", "none"},
    };
    for (const Case& c : cases) {
        LoadedProfile p(c.text);
        EXPECT_EQ(p.profile.GetValue("Setup", "Language", "none"), c.language) << c.text;
    }
    LoadedProfile p("\xEF\xBB\xBF[Setup]\nLanguage=Chinese\n");
    p.profile.SetValue("Setup", "Language", "English");
    p.profile.Save(false);
    EXPECT_EQ(ReadFile(p.path), "[Setup]\r\nLanguage=English\r\n");

    // Text that itself begins with the mark's bytes (after a line's leading
    // space is trimmed) is saved so that it reads back the same.
    LoadedProfile odd("\v\xEF\xBB\xBF=first\n[S]\nk=v\n");
    const std::string first = odd.profile.GetValue("", "\xEF\xBB\xBF", "none");
    odd.profile.SetValue("S", "k", "w");
    odd.profile.Save(false);
    CProfileFile again(4);
    ASSERT_TRUE(again.Load(odd.path, false, true, false));
    EXPECT_EQ(again.GetValue("", "\xEF\xBB\xBF", "none"), first);
    EXPECT_EQ(again.GetValue("S", "k", "none"), "w");
}

TEST(ProfileBadInput, BinaryGarbageLoads) {
    std::string garbage;
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(state >> 24));
    }
    garbage += "\n[After]\nk=v\n";
    LoadedProfile p(garbage);
    EXPECT_EQ(p.profile.GetValue("After", "k", ""), "v");
}

TEST(ProfileBadInput, HundredThousandSections) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    LoadedProfile p(text);
    std::vector<std::string> names;
    p.profile.GetSectionNames(names);
    ASSERT_EQ(names.size(), 100000u);
    EXPECT_EQ(names.back(), "S99999");
    EXPECT_EQ(p.profile.GetValue("S99999", "k", ""), "99999");
}

TEST(ProfileBadInput, OneMegabyteLine) {
    const std::string big(1 << 20, 'x');
    LoadedProfile p("[S]\nk=" + big + "\nafter=1\n");
    EXPECT_EQ(p.profile.GetValue("S", "k", ""), big);
    EXPECT_EQ(p.profile.GetValue("S", "after", ""), "1");
}

TEST(ProgramContext, StartsWithAnEmptyStoreAtCom1AndTheInitialBandPlan) {
    const ProgramContext context;
    EXPECT_EQ(context.Profile().FilePath(), "");
    EXPECT_EQ(context.Profile().GetValue("Setup", "Language", "English"), "English");
    EXPECT_EQ(context.portName, "COM1");
    EXPECT_EQ(context.band, BandPlan());
    EXPECT_EQ(context.band.LimitsMhz(), (BandLimitsMhz{136, 174, 400, 480}));
}

// The program's end saves the settings through its context: a change that
// cannot be written is told to the caller, never dropped in silence.
TEST(ProgramContext, SaveProfileTellsAFileThatCannotBeWritten) {
    TempDir dir;
    const std::string path = dir.File("Program.ini");
    WriteFile(path, "[Setup]\nVerifyAfterWrite=0\n");
    ProgramContext context;
    ASSERT_TRUE(context.Profile().Load(path, true, true, false));
    EXPECT_TRUE(context.SaveProfile()); // nothing changed: nothing to write
    context.Profile().SetValue("Setup", "VerifyAfterWrite", "1");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // its place taken: it cannot be replaced
    EXPECT_FALSE(context.SaveProfile());
    std::filesystem::remove(path);
    EXPECT_TRUE(context.SaveProfile());
    EXPECT_EQ(ReadFile(path), "[Setup]\r\nVerifyAfterWrite=1\r\n");
}

} // namespace
