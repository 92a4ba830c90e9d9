// program-cli simulate [options]: a simulated radio on a new pseudo-terminal.
// The first line on stdout is the device path to give to --port; the radio
// answers until Ctrl+C (or SIGTERM), then dumps its memory when asked and
// lists any protocol violation on stderr.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "model/dat_file.h"
#include "model/image_layout.h"
#include "sim/simulated_radio.h"

#include <csignal>
#include <iostream>
#include <map>
#include <pthread.h>

const char* const kSimulateUsage =
    "simulate [--dat FILE.dat] [--band N] [--password TEXT] [--latency MS] [--instant] "
    "[--fault silent|no-ack|short|garbage|stray|disconnect|delay|corrupt] [--at ADDRESS] "
    "[--short-length N] [--delay MS] [--seed N] [--late N] [--missing-entry-acks N] "
    "[--dump FILE.dat]";

namespace {

const std::map<std::string, SimFaultKind> kFaults = {
    {"none", SimFaultKind::None},       {"silent", SimFaultKind::Silent},
    {"no-ack", SimFaultKind::NoAck},    {"short", SimFaultKind::ShortReply},
    {"garbage", SimFaultKind::Garbage}, {"disconnect", SimFaultKind::Disconnect},
    {"delay", SimFaultKind::Delay},     {"stray", SimFaultKind::Stray},
    {"corrupt", SimFaultKind::Corrupt},
};

} // namespace

int CmdSimulate(ProgramContext& /*context*/, const CommandArgs& args) {
    SimOptions options;
    std::string datPath;
    std::string dumpPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The radio takes the wire's time at 9600 baud unless told to answer at once.
        if (arg == "--instant") {
            options.wireTime = false;
            continue;
        }
        if (i + 1 >= args.size()) {
            return UsageFail("unexpected argument \"" + arg + "\"", kSimulateUsage);
        }
        const std::string& value = args[++i];
        long number = 0;
        auto numberIn = [&](long low, long high) {
            return ParseNumberOption(value, low, high, number);
        };
        if (arg == "--dat") {
            datPath = value;
        } else if (arg == "--dump") {
            dumpPath = value;
        } else if (arg == "--password" && value.size() <= layout::kPasswordSize) {
            options.password = value;
        } else if (arg == "--band" && numberIn(0, 255)) {
            options.bandType = static_cast<std::uint8_t>(number);
        } else if (arg == "--latency" && numberIn(0, 60000)) {
            options.replyLatencyMs = static_cast<int>(number);
        } else if (arg == "--fault" && kFaults.count(value) != 0) {
            options.fault.kind = kFaults.at(value);
        } else if (arg == "--at" && numberIn(0, kRadioMemorySize - 1)) {
            options.fault.address = static_cast<int>(number);
        } else if (arg == "--short-length" && numberIn(0, 12)) {
            options.fault.shortLength = static_cast<int>(number);
        } else if (arg == "--delay" && numberIn(0, 60000)) {
            options.fault.delayMs = static_cast<int>(number);
        } else if (arg == "--seed" && numberIn(0, 0xFFFFFFFFL)) {
            options.fault.seed = static_cast<std::uint32_t>(number);
        } else if (arg == "--late" && numberIn(0, 1000)) {
            options.ignoredProgramRequests = static_cast<int>(number);
        } else if (arg == "--missing-entry-acks" && numberIn(0, 1000)) {
            options.missingEntryAcks = static_cast<int>(number);
        } else {
            return UsageFail("bad option \"" + arg + " " + value + "\"", kSimulateUsage);
        }
    }

    SimulatedRadio radio(options);
    if (!datPath.empty()) {
        RadioImage image;
        const FileResult read = ReadDatFile(datPath, image);
        if (!read.Ok()) {
            return Fail(kExitFile, read.Message(SourceTexts()));
        }
        radio.LoadImage(image);
    } else {
        radio.SetMemory(DefaultRadioMemory());
    }

    // The serving thread must not take the signals; this thread waits for them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::string error;
    if (!radio.Start(&error)) {
        return Fail(kExitFile, "cannot open a pseudo-terminal: " + error);
    }
    std::cout << radio.DevicePath() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.Stop();

    for (const std::string& violation : radio.Violations()) {
        std::cerr << "protocol violation: " << violation << '\n';
    }
    if (!dumpPath.empty() && !radio.DumpToFile(dumpPath)) {
        return Fail(kExitFile, "cannot write " + dumpPath);
    }
    return kExitOk;
}
