// The transfer commands as a user runs them, against the simulated radio.

#include "link/address_map.h"
#include "model/dat_file.h"
#include "sim/simulated_radio.h"
#include "tests/cli/cli_radio.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// How many lines of the text start with "progress ".
int ProgressLines(const std::string& text) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        count += line.starts_with("progress ") ? 1 : 0;
    }
    return count;
}

TEST(CliTransfer, ReadThenWriteCopiesOneRadioIntoAnother) {
    TempDir dir;
    RadioImage sample = SampleImage();
    for (std::size_t i = 0x17D2; i < 0x17D8; ++i) {
        sample[i] = 0xFF; // no password: a new document can read it
    }
    auto source = Radio(InstantReplies(), &sample);
    const std::string out = dir.File("read.dat");
    const std::string log = dir.File("wire.log");

    const CliRun read =
        RunCli({"read", "--port", source->DevicePath(), "-o", out, "--wire-log", log},
               dir.Path().string());
    ASSERT_EQ(read.exitCode, 0) << read.err;
    // Not on a terminal: a line at each tenth of the way.
    EXPECT_NE(read.err.find("progress 191/191 (100%)"), std::string::npos);
    EXPECT_EQ(ProgressLines(read.err), 10) << read.err;
    EXPECT_TRUE(source->Violations().empty());
    const RadioImage got = ReadImage(out);
    const RadioMemory sourceMemory = source->Memory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        if (KeptAsIs(address)) {
            ASSERT_EQ(got[ImageOffsetOfRadioAddress(address)], sourceMemory[address]) << address;
        }
    }
    EXPECT_EQ(ReadFile(log).find("open " + source->DevicePath() + " ok"), 11u);

    auto target = Radio(InstantReplies(), nullptr);
    const CliRun write =
        RunCli({"write", "--port", target->DevicePath(), out, "--quiet"}, dir.Path().string());
    ASSERT_EQ(write.exitCode, 0) << write.err;
    // --quiet: no progress and no status lines.
    EXPECT_EQ(write.err, "");
    EXPECT_TRUE(target->Violations().empty());
    const RadioMemory written = target->Memory();
    for (int address = 0; address < 0x0FD0; ++address) {
        if (KeptAsIs(address)) {
            ASSERT_EQ(written[address], sourceMemory[address]) << address;
        }
    }
    // The channel records travel as the document encodes them.
    EXPECT_EQ(written[0x0000], got[0x0000]);
    EXPECT_EQ(written[0x0BFF], got[0x0BFF]);
}

TEST(CliTransfer, FailuresPrintTheMessageExitWithTheirCodeAndWriteNothing) {
    TempDir dir;
    const std::string templ = dir.File("template.dat");
    RadioImage withPassword = SampleImage();
    const char password[] = "123457";
    std::copy(password, password + 6, withPassword.data() + 0x17D2);
    WriteImage(templ, withPassword);

    struct Case {
        const char* name;
        SimOptions options;
        bool useTemplate;
        const char* message;
        int exitCode; // 5: the radio refused; 4: the link failed
    };
    SimOptions band5 = InstantReplies();
    band5.bandType = 5;
    SimOptions passwordRadio = InstantReplies();
    passwordRadio.password = "123456";
    SimOptions shortReply = InstantReplies();
    shortReply.fault = {SimFaultKind::ShortReply, 0x0200, 11, 0, 1};
    const Case cases[] = {
        {"band type", band5, false, "Band type error", 5},
        {"password", passwordRadio, true, "Password Error!", 5},
        {"short reply", shortReply, false,
         "Program Interrupt, Please reset the radio and try again", 4},
    };
    for (const Case& c : cases) {
        auto radio = Radio(c.options, nullptr);
        const std::string out = dir.File("out.dat");
        std::vector<std::string> args{"read", "--port", radio->DevicePath(), "-o", out};
        if (c.useTemplate) {
            args.insert(args.end(), {"--template", templ});
        }
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }

    const CliRun noPort =
        RunCli({"write", "--port", "/dev/no-such-port", templ}, dir.Path().string());
    EXPECT_EQ(noPort.exitCode, 4);
    EXPECT_NE(noPort.err.find("Could not Open the Port"), std::string::npos);
    EXPECT_NE(noPort.err.find("\nReason: no such device (/dev/no-such-port).\n"), std::string::npos)
        << noPort.err;
    EXPECT_EQ(RunCli({"read", "-o", dir.File("x.dat")}, dir.Path().string()).exitCode, 1);

    // An output that cannot be saved is found before the radio is touched:
    // a missing folder, a folder, and a folder where no file may be made
    // (/proc refuses new files to every user, the super-user included).
    auto untouched = Radio(InstantReplies(), nullptr);
    for (const std::string& out :
         {dir.File("no-folder/out.dat"), dir.Path().string(), std::string("/proc/out.dat")}) {
        const CliRun run =
            RunCli({"read", "--port", untouched->DevicePath(), "-o", out}, dir.Path().string());
        EXPECT_EQ(run.exitCode, 2) << out;
        EXPECT_NE(run.err.find("Cannot write the file"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(untouched->ReceivedBytes().empty());
}

// Ctrl+C during a transfer is the Cancel button, for the squelch commands
// too: the port is closed, nothing is saved, and the exit code tells a cancel
// from a failure.
TEST(CliTransfer, CtrlCCancelsWithExitSix) {
    TempDir dir;
    const std::string file = dir.File("doc.dat");
    ASSERT_EQ(RunCli({"new", file}, dir.Path().string()).exitCode, 0);
    const std::string before = ReadFile(file);
    const std::string out = dir.File("out.dat");
    const std::vector<std::vector<std::string>> commands{{"read", "-o", out},
                                                         {"squelch-read", file, "-o", out},
                                                         {"squelch-read", file},
                                                         {"squelch-write", file}};
    for (const std::vector<std::string>& command : commands) {
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::Silent; // the entry attempts go on until cancelled
        auto radio = Radio(options, nullptr);
        std::vector<std::string> args = command;
        args.insert(args.end(), {"--port", radio->DevicePath(), "--retry", "1000"});

        const CliRun run = RunCli(args, dir.Path().string(),
                                  [&] { return radio->Stats().programModeRequests > 0; });

        EXPECT_EQ(run.exitCode, 6) << command[0] << ": " << run.err;
        EXPECT_NE(run.err.find("transfer cancelled"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << command[0];
        EXPECT_EQ(ReadFile(file), before) << command[0];
    }
}

// A port another program holds: the message names that program and its
// process id, as the system shows them.
TEST(CliTransfer, ABusyPortNamesTheProgramHoldingIt) {
    TempDir holderDir;
    TempDir dir;
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Silent; // the holder's entry attempts go on
    auto radio = Radio(options, nullptr);
    std::atomic<bool> done{false};
    CliRun holder;
    std::thread holding([&] {
        holder = RunCli({"read", "--port", radio->DevicePath(), "-o", holderDir.File("held.dat"),
                         "--retry", "1000"},
                        holderDir.Path().string(), [&] { return done.load(); });
    });
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (radio->Stats().programModeRequests == 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const CliRun second =
        RunCli({"read", "--port", radio->DevicePath(), "-o", dir.File("out.dat")},
               dir.Path().string());
    done = true;
    holding.join();

    EXPECT_EQ(holder.exitCode, 6) << holder.err;
    EXPECT_EQ(second.exitCode, 4);
    EXPECT_NE(second.err.find("Reason: the port is busy; another program is using it (" +
                              radio->DevicePath() + "). The port is open in "),
              std::string::npos)
        << second.err;
    EXPECT_NE(second.err.find("program-cli (process "), std::string::npos) << second.err;
}

TEST(CliTransfer, RetryAnswersTheCommunicationErrorPrompt) {
    TempDir dir;
    const std::string file = dir.File("doc.dat");
    ASSERT_EQ(RunCli({"new", file}, dir.Path().string()).exitCode, 0);
    SimOptions options = InstantReplies();
    options.missingEntryAcks = 1; // the first entry ends without its ACK: one prompt
    for (const bool retry : {false, true}) {
        auto radio = Radio(options, nullptr);
        std::vector<std::string> args{"squelch-read", "--port", radio->DevicePath(), file};
        if (retry) {
            args.insert(args.end(), {"--retry", "1"});
        }
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_NE(run.err.find("Communication Error, Please check all the connections and the "
                               "radio power"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.exitCode, retry ? 0 : 4) << run.err;
        EXPECT_EQ(radio->Stats().squelchReads, retry ? 1 : 0);
    }
}

TEST(CliTransfer, SquelchReadAndWrite) {
    TempDir dir;
    const std::string file = dir.File("doc.dat");
    ASSERT_EQ(RunCli({"new", file}, dir.Path().string()).exitCode, 0);
    RadioMemory memory = DefaultRadioMemory();
    memory[0x0FF6] = 9;
    memory[0x0FF9] = 118;
    SimulatedRadio radio;
    radio.SetMemory(memory);
    ASSERT_TRUE(radio.Start());

    const std::string out = dir.File("levels.dat");
    const CliRun read = RunCli({"squelch-read", "--port", radio.DevicePath(), file, "-o", out},
                               dir.Path().string());
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, "Read Successfully\n");
    const RadioImage levels = ReadImage(out);
    EXPECT_EQ(levels[0x17EE], 9);
    EXPECT_EQ(levels[0x17F1], 118);

    RadioImage edited = levels;
    edited[0x17EF] = 50;
    WriteImage(file, edited);
    const CliRun write =
        RunCli({"squelch-write", "--port", radio.DevicePath(), file}, dir.Path().string());
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(write.out, "Write Successfully\n");
    EXPECT_EQ(radio.Memory()[0x0FF7], 50);
    EXPECT_TRUE(radio.Violations().empty());
}

TEST(CliTransfer, SimulateCommandServesAReadAndDumpsItsMemory) {
    TempDir dir;
    const std::string dat = dir.File("radio.dat");
    const std::string dump = dir.File("dump.dat");
    RadioImage sample = SampleImage();
    for (std::size_t i = 0x17D2; i < 0x17D8; ++i) {
        sample[i] = 0xFF;
    }
    WriteImage(dat, sample);

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<std::string> all{PROGRAM_CLI_PATH, "simulate", "--instant", "--dat", dat,
                                 "--dump",         dump};
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, PROGRAM_CLI_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    FILE* out = ::fdopen(pipeFds[0], "r");
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    std::string device(line);
    device.erase(device.find_last_not_of("\n") + 1);
    EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const std::string read = dir.File("read.dat");
    const CliRun run = RunCli({"read", "--port", device, "-o", read}, dir.Path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const CliRun squelch = RunCli({"squelch-write", "--port", device, read}, dir.Path().string());
    EXPECT_EQ(squelch.exitCode, 0) << squelch.err;

    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::fclose(out);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const RadioImage dumped = ReadImage(dump);
    EXPECT_EQ(dumped[0x0C18], sample[0x0C18]);
    EXPECT_EQ(dumped[0x17EE], sample[0x17EE]);
    EXPECT_EQ(dumped[0x0C30], 0xFF); // a spare row is not radio memory
}

} // namespace
