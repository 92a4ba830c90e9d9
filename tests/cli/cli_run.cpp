#include "tests/cli/cli_run.h"

#include "tests/settings/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>

extern char** environ;

CliRun RunCli(const std::vector<std::string>& args, const std::string& scratch,
              const std::function<bool()>& interruptWhen, int signal) {
    return RunCliAt(PROGRAM_CLI_PATH, args, scratch, interruptWhen, signal);
}

CliRun RunCliAt(const std::string& program, const std::vector<std::string>& args,
                const std::string& scratch, const std::function<bool()>& interruptWhen,
                int signal) {
    const std::string outPath = scratch + "/cli.out";
    const std::string errPath = scratch + "/cli.err";
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    // The child's per-user data folder (its radio history) lies in scratch,
    // never in the home of whoever runs the tests.
    std::vector<std::string> env{"XDG_DATA_HOME=" + scratch + "/data"};
    for (char** e = environ; *e != nullptr; ++e) {
        if (!std::string_view(*e).starts_with("XDG_DATA_HOME=")) {
            env.emplace_back(*e);
        }
    }
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Nothing to read: a command that reads its input sees its end at once.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        bool exited = false;
        for (bool sent = !interruptWhen; !sent && !exited;) {
            exited = ::waitpid(pid, &status, WNOHANG) == pid;
            if (!exited && interruptWhen()) {
                ::kill(pid, signal);
                sent = true;
            } else if (!exited) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        if (!exited) {
            ::waitpid(pid, &status, 0);
        }
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

RadioImage SampleImage() {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 11 + 1);
    }
    const std::uint8_t channel[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x00, 0x60, 0x14,
                                    0x70, 0x06, 0x23, 0x80, 0x00, 0x3A, 0x00, 0x00,
                                    0xD6, 0xD0, 'A',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t record : {0u, 128u}) {
        std::copy(std::begin(channel), std::end(channel), image.data() + 24 * record);
    }
    const std::uint8_t band[] = {0x13, 0x17, 0x64, 0x40, 0x48, 0x00};
    std::copy(std::begin(band), std::end(band), image.data() + 0x17E8);
    image[0x17D1] = 3;
    return image;
}

std::string ImageBytes(const RadioImage& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), RadioImage::size());
}
