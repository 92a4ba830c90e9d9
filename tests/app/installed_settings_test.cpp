// The program installed in a folder it may not write: started twice as an
// unprivileged user, the language and port chosen in the first run are there
// in the second, kept in the user's own folder, the wire log named relatively
// in the settings is written into the user's data folder, and the program's
// folder is left exactly as it was installed.

#include "tests/settings/temp_dir.h"
#include "tests/settings/unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        files[fs::relative(entry.path(), dir).string()] =
            entry.is_regular_file() ? ReadFile(entry.path().string()) : std::string("<folder>");
    }
    return files;
}

// Runs a program with this process's environment plus `extra`, its output
// into `output`; returns its exit code (-1 when it did not end normally).
int RunProgram(const std::vector<std::string>& args, const std::vector<std::string>& extra,
               const std::string& output) {
    std::vector<std::string> env(extra);
    for (char** var = environ; *var; ++var) {
        env.emplace_back(*var); // the first definition of a name counts
    }
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> list;
        for (std::string& s : strings) {
            list.push_back(s.data());
        }
        list.push_back(nullptr);
        return list;
    };
    std::vector<std::string> argStrings(args);
    std::vector<char*> argv = pointers(argStrings);
    std::vector<char*> envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    int status = 0;
    const bool ran = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0 &&
                     ::waitpid(pid, &status, 0) == pid;
    posix_spawn_file_actions_destroy(&actions);
    return ran && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(InstalledProgram, KeepsSettingsAndWireLogPerUserAndLeavesItsFolderAlone) {
    TempDir root;
    const fs::path program = root.Path() / "program";
    const fs::path home = root.Path() / "home";
    fs::create_directories(program);
    fs::create_directories(home);
    // The files the program reads, the shipped settings file, and the driver
    // in the place of the program.
    for (const fs::directory_entry& entry : fs::directory_iterator(PROGRAM_BIN_DIR)) {
        const auto perms = entry.status().permissions();
        if (entry.is_regular_file() && (perms & fs::perms::owner_exec) == fs::perms::none) {
            fs::copy_file(entry.path(), program / entry.path().filename());
        }
    }
    // The shipped settings with a wire log named relative to the program.
    std::string settings = ReadFile(SHIPPED_SETTINGS);
    const std::string setup = "[Setup]\n";
    ASSERT_EQ(settings.rfind(setup, 0), 0U);
    settings.insert(setup.size(), "WireLog=wire.log\n");
    WriteFile((program / "Program.ini").string(), settings);
    fs::copy_file(SETTINGS_DRIVER, program / "settings_driver");
    // The unprivileged user may enter everything and write only its home.
    fs::permissions(root.Path(), fs::perms(0755));
    fs::permissions(home, fs::perms(0777));
    const std::map<std::string, std::string> installed = Contents(program);

    const std::string driver = (program / "settings_driver").string();
    const std::vector<std::string> env = {
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / ".config").string(),
        "XDG_DATA_HOME=" + (home / ".local/share").string(),
        "XDG_CACHE_HOME=" + (home / ".cache").string(),
    };
    const std::string first = (home / "first.txt").string();
    const std::string second = (home / "second.txt").string();
    {
        const ReadOnlyFolder folder(program.string());
        const int failedStep = RunUnprivileged([&] {
            if (RunProgram({driver, "Chinese", "5"}, env, first) != 0) {
                return 1;
            }
            return RunProgram({driver}, env, second) == 0 ? 0 : 2;
        });
        ASSERT_EQ(failedStep, 0) << ReadFile(first) << ReadFile(second);
    }

    const std::string userCopy = (home / ".config" / PROGRAM_COMMAND / "Program.ini").string();
    EXPECT_EQ(ReadFile(first), "settings=" + userCopy + "\nlanguage=English\nport=none\n");
    EXPECT_EQ(ReadFile(second), "settings=" + userCopy + "\nlanguage=Chinese\nport=5\n");
    EXPECT_NE(ReadFile(userCopy).find("Language=Chinese\r\n"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(home / ".local/share" / PROGRAM_COMMAND / "wire.log"));
    EXPECT_EQ(Contents(program), installed);
}
