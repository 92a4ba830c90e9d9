// Every way a transfer can go wrong, each run as a user runs it: program-cli
// on a real pseudo-terminal against the simulated radio with one fault. Each
// ends in its message and exit code; a read saves nothing unless every block
// it saves is the radio's; a write that stopped after its first data block
// says that the radio holds part of the new data, and one that stopped before
// does not.

#include "link/address_map.h"
#include "tests/cli/cli_radio.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr const char* kProgramInterrupt = "Program Interrupt, Please reset the radio and try again";
constexpr const char* kCommunicationError =
    "Communication Error, Please check all the connections and the radio power";
constexpr const char* kPartlyWritten =
    "The radio now holds part of the new data and must be written again before use.";
constexpr const char* kCancelled = "transfer cancelled";

// Exit codes of program-cli.
constexpr int kOk = 0;
constexpr int kTransferFailed = 4;
constexpr int kRadioRefused = 5;
constexpr int kCancelledCode = 6;

// Radio addresses of the first, a middle and the last data block of each way.
constexpr int kFirstBlock = 0x0000;
constexpr int kMiddleBlock = 0x0800;
constexpr int kLastReadBlock = 0x0FF8;
constexpr int kLastWriteBlock = 0x0FE8;

// Stops the run with a signal once the radio has moved this many blocks.
constexpr int kBlocksBeforeSignal = 30;

// A write with --backup reads the radio first.
enum class Way { Read, Write, BackupWrite };

SimOptions WithFault(SimFaultKind kind, int address, int delayMs = 0) {
    SimOptions options = InstantReplies();
    options.fault.kind = kind;
    options.fault.address = address;
    options.fault.delayMs = delayMs;
    return options;
}

SimOptions WithBand(std::uint8_t band) {
    SimOptions options = InstantReplies();
    options.bandType = band;
    return options;
}

SimOptions WithPassword(const char* password) {
    SimOptions options = InstantReplies();
    options.password = password;
    return options;
}

struct Case {
    const char* name;
    Way way;
    SimOptions radio;
    int signal; // 0: none; else sent after kBlocksBeforeSignal blocks
    int exitCode;
    const char* message; // on stderr
    bool partlyWritten;  // a write: the note that the radio is partly written
};

const Case kCases[] = {
    {"silent radio", Way::Read, WithFault(SimFaultKind::Silent, -1), 0, kTransferFailed,
     kCommunicationError, false},
    {"no ACK, first block", Way::Read, WithFault(SimFaultKind::NoAck, kFirstBlock), 0,
     kTransferFailed, kProgramInterrupt, false},
    {"no ACK, middle block", Way::Read, WithFault(SimFaultKind::NoAck, kMiddleBlock), 0,
     kTransferFailed, kProgramInterrupt, false},
    {"no ACK, last block", Way::Read, WithFault(SimFaultKind::NoAck, kLastReadBlock), 0,
     kTransferFailed, kProgramInterrupt, false},
    {"short reply", Way::Read, WithFault(SimFaultKind::ShortReply, kMiddleBlock), 0,
     kTransferFailed, kProgramInterrupt, false},
    // One noisy reply is asked for again and the read completes with the right data.
    {"garbage", Way::Read, WithFault(SimFaultKind::Garbage, kMiddleBlock), 0, kOk, "", false},
    {"stray bytes", Way::Read, WithFault(SimFaultKind::Stray, kMiddleBlock), 0, kOk, "", false},
    {"disconnect", Way::Read, WithFault(SimFaultKind::Disconnect, kMiddleBlock), 0, kTransferFailed,
     kProgramInterrupt, false},
    {"stall", Way::Read, WithFault(SimFaultKind::Delay, kMiddleBlock, 3000), 0, kTransferFailed,
     kProgramInterrupt, false},
    {"Ctrl+C", Way::Read, InstantReplies(), SIGINT, kCancelledCode, kCancelled, false},
    {"wrong password", Way::Read, WithPassword("123456"), 0, kRadioRefused, "Password Error!",
     false},
    {"wrong band", Way::Read, WithBand(5), 0, kRadioRefused, "Band type error", false},

    {"write, no ACK, first block", Way::Write, WithFault(SimFaultKind::NoAck, kFirstBlock), 0,
     kTransferFailed, kProgramInterrupt, true},
    {"write, no ACK, middle block", Way::Write, WithFault(SimFaultKind::NoAck, kMiddleBlock), 0,
     kTransferFailed, kProgramInterrupt, true},
    {"write, no ACK, last block", Way::Write, WithFault(SimFaultKind::NoAck, kLastWriteBlock), 0,
     kTransferFailed, kProgramInterrupt, true},
    {"write, disconnect", Way::Write, WithFault(SimFaultKind::Disconnect, kMiddleBlock), 0,
     kTransferFailed, kProgramInterrupt, true},
    {"write, stall", Way::Write, WithFault(SimFaultKind::Delay, kMiddleBlock, 3000), 0,
     kTransferFailed, kProgramInterrupt, true},
    {"write, Ctrl+C", Way::Write, InstantReplies(), SIGINT, kCancelledCode, kCancelled, true},
    {"write, SIGTERM", Way::Write, InstantReplies(), SIGTERM, kCancelledCode, kCancelled, true},
    {"write, SIGHUP", Way::Write, InstantReplies(), SIGHUP, kCancelledCode, kCancelled, true},
    // Refused before any data block went out: the radio is as it was.
    {"write, wrong band", Way::Write, WithBand(5), 0, kRadioRefused, "Band type error", false},
    // Stopped while the radio is read first: a cancel, not a read that failed.
    {"write --backup, SIGTERM in the read", Way::BackupWrite, InstantReplies(), SIGTERM,
     kCancelledCode, "Cancelled before writing: nothing was written", false},
};

// The document, and the radio's data: no password, so that only the radio
// given one refuses the read.
RadioImage Document() {
    RadioImage image = SampleImage();
    for (std::size_t i = 0x17D2; i < 0x17D8; ++i) {
        image[i] = 0xFF;
    }
    return image;
}

TEST(CliFaultMatrix, EveryFaultEndsInItsMessageAndExitCodeWithNoWrongDataSaved) {
    TempDir dir;
    const std::string document = dir.File("document.dat");
    WriteImage(document, Document());
    const RadioImage radioData = Document();

    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        auto radio = Radio(c.radio, &radioData);
        const RadioMemory before = radio->Memory();
        const std::string out = dir.File("out.dat");
        std::filesystem::remove(out);
        std::vector<std::string> args{"--port", radio->DevicePath()};
        if (c.way == Way::Read) {
            args.insert(args.begin(), "read");
            args.insert(args.end(), {"--template", document, "-o", out});
        } else {
            args.insert(args.begin(), "write");
            if (c.way == Way::BackupWrite) {
                args.push_back("--backup");
            }
            args.push_back(document);
        }
        std::function<bool()> when;
        if (c.signal != 0) {
            when = [&radio] {
                const SimStats stats = radio->Stats();
                return stats.blocksRead + stats.blocksWritten >= kBlocksBeforeSignal;
            };
        }
        const CliRun run = RunCli(args, dir.Path().string(), when, c.signal);

        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find(kPartlyWritten) != std::string::npos, c.partlyWritten) << run.err;
        // A cancel is never worded as a fault.
        if (c.exitCode == kCancelledCode) {
            EXPECT_EQ(run.err.find("could not"), std::string::npos) << run.err;
        }
        EXPECT_TRUE(radio->Violations().empty());
        // The document written to the radio is never changed by a transfer.
        EXPECT_EQ(ImageBytes(ReadImage(document)), ImageBytes(Document()));
        if (c.way != Way::Read) {
            // A write refused before its data blocks left the radio as it was.
            if (!c.partlyWritten) {
                EXPECT_EQ(radio->Memory(), before);
            }
            continue;
        }
        ASSERT_EQ(std::filesystem::exists(out), c.exitCode == kOk) << run.err;
        if (c.exitCode == kOk) {
            const RadioImage saved = ReadImage(out);
            for (int address = 0; address < kRadioMemorySize; ++address) {
                if (KeptAsIs(address)) {
                    ASSERT_EQ(saved[ImageOffsetOfRadioAddress(address)], before[address])
                        << address;
                }
            }
        }
    }
}

} // namespace
