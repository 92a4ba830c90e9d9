// The safety commands as a user runs them: diff on real files, the radio
// history of read, and write with --backup and --verify against the
// simulated radio on a pseudo-terminal.

#include "link/address_map.h"
#include "model/channel_codec.h"
#include "model/dat_file.h"
#include "model/fields/optional_fields.h"
#include "model/program_document.h"
#include "model/read_history.h"
#include "sim/simulated_radio.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<SimulatedRadio> StartedRadio(const SimOptions& options, const RadioMemory& memory) {
    auto radio = std::make_unique<SimulatedRadio>(options);
    radio->SetMemory(memory);
    std::string error;
    EXPECT_TRUE(radio->Start(&error)) << error;
    return radio;
}

// Whether the radio has received a read request for the block at address.
bool AskedFor(const SimulatedRadio& radio, int address) {
    const std::vector<SimRequest> requests = radio.Requests();
    return std::find(requests.begin(), requests.end(), SimRequest{'R', address, 8}) !=
           requests.end();
}

// A new document with one channel, as the window would save it.
RadioImage DocumentImage(const char* name) {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    EncodeRecord({"145.50000", "145.50000", "None", "None", name, "High", "Wide", "Yes", "Off"},
                 image.data() + layout::ChannelRecord(1));
    return image;
}

std::string Save(const TempDir& dir, const std::string& name, const RadioImage& image) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteDatFile(path, image).Ok());
    return path;
}

// The history folder of the runs in dir (RunCli's XDG_DATA_HOME).
std::string HistoryOf(const TempDir& dir) {
    return (dir.Path() / "data" / "radio-programmer" / "history").string();
}

struct DiffCase {
    const char* what;
    std::vector<std::string> args; // after "diff"; "A", "B" stand for the two files
    int exitCode;
    const char* out; // expected standard output; nullptr: not checked
};

TEST(CliDiff, ExitCodesAndLinesAsDiffHasThem) {
    TempDir dir;
    const std::string a = Save(dir, "a.dat", DocumentImage("ABC"));
    RadioImage changed = DocumentImage("ABD");
    changed[0x0C30] = 0x00;
    const std::string b = Save(dir, "b.dat", changed);
    WriteFile(dir.File("short.dat"), "short");
    const DiffCase cases[] = {
        {"equal", {"A", "A"}, 0, ""},
        {"different",
         {"A", "B"},
         1,
         "channel 2 Chnnel Name: \"ABC\" -> \"ABD\"\n0x0C30: FF -> 00\n"},
        {"one file", {"A"}, 2, ""},
        {"three files", {"A", "B", "A"}, 2, ""},
        {"unknown option", {"A", "B", "--color"}, 2, ""},
        {"missing file", {"A", "nothing.dat"}, 2, ""},
        {"short file", {dir.File("short.dat"), "A"}, 2, ""},
        {"folder", {"A", dir.Path().string()}, 2, ""},
    };
    for (const DiffCase& c : cases) {
        std::vector<std::string> args{"diff"};
        for (const std::string& arg : c.args) {
            args.push_back(arg == "A" ? a : arg == "B" ? b : arg);
        }
        const CliRun run = RunCli(args, dir.Path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.what;
        EXPECT_EQ(run.err.empty(), c.exitCode != 2) << c.what;
    }
}

TEST(CliDiff, JsonListsEachDifferenceWithBothValues) {
    TempDir dir;
    RadioImage changed = DocumentImage("ABC");
    changed[layout::kSquelchLevel] = 2;
    changed[0x1268] = 0x11;
    changed[0x1269] = 0x22;
    const CliRun run = RunCli(
        {"diff", Save(dir, "a.dat", DocumentImage("ABC")), Save(dir, "b.dat", changed), "--json"},
        dir.Path().string());
    ASSERT_EQ(run.exitCode, 1) << run.err;
    const QJsonObject out = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_FALSE(out["equal"].toBool());
    const QJsonArray list = out["differences"].toArray();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0]["kind"].toString(), "field");
    EXPECT_EQ(list[0]["group"].toString(), "optional");
    EXPECT_EQ(list[0]["field"].toString(), "squelch_level");
    EXPECT_EQ(list[0]["a"].toString(), "4");
    EXPECT_EQ(list[0]["b"].toString(), "2");
    EXPECT_EQ(list[1]["kind"].toString(), "bytes");
    EXPECT_EQ(list[1]["offset"].toInt(), 0x1268);
    EXPECT_EQ(list[1]["size"].toInt(), 2);
    EXPECT_EQ(list[1]["b"].toString(), "11 22");
}

TEST(CliHistory, ACompletedReadIsKeptUnlessAskedNotTo) {
    TempDir dir;
    RadioMemory memory = DefaultRadioMemory();
    memory[0x0C30] = 0x42;
    auto radio = StartedRadio(InstantReplies(), memory);
    const CliRun plain =
        RunCli({"read", "--port", radio->DevicePath(), "-o", dir.File("x.dat"), "--no-history"},
               dir.Path().string());
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_FALSE(std::filesystem::exists(HistoryOf(dir)));

    const CliRun kept = RunCli({"read", "--port", radio->DevicePath(), "-o", dir.File("y.dat")},
                               dir.Path().string());
    ASSERT_EQ(kept.exitCode, 0) << kept.err;
    const std::vector<history::HistoryEntry> entries = history::ListReads(HistoryOf(dir));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NE(kept.err.find(entries[0].path), std::string::npos) << kept.err;
    // The history holds the radio as it answered, band code included.
    RadioImage image;
    ASSERT_TRUE(ReadDatFile(entries[0].path, image).Ok());
    EXPECT_EQ(RadioMemoryFromImage(image), memory);
}

TEST(CliHistory, AFailedReadKeepsNothing) {
    TempDir dir;
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::ShortReply;
    options.fault.address = 0x0100;
    auto radio = StartedRadio(options, DefaultRadioMemory());
    const CliRun run = RunCli({"read", "--port", radio->DevicePath(), "-o", dir.File("x.dat")},
                              dir.Path().string());
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(history::ListReads(HistoryOf(dir)).empty());
}

TEST(CliWrite, VerifyFindsABlockStoredWronglyAndFails) {
    TempDir dir;
    const std::string file = Save(dir, "doc.dat", DocumentImage("ABC"));
    {
        auto healthy = StartedRadio(InstantReplies(), DefaultRadioMemory());
        const CliRun run = RunCli({"write", "--port", healthy->DevicePath(), file, "--verify"},
                                  dir.Path().string());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find("Reading the radio back to verify"), std::string::npos);
    }
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Corrupt;
    options.fault.address = 0x0028;
    auto failing = StartedRadio(options, DefaultRadioMemory());
    const CliRun run =
        RunCli({"write", "--port", failing->DevicePath(), file, "--verify"}, dir.Path().string());
    EXPECT_EQ(run.exitCode, 4) << run.err;
    EXPECT_NE(run.err.find("Verify failed: the radio holds 1 difference(s)"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("  0x0028 channel 2 Chnnel Name: \"ABC\" -> "), std::string::npos)
        << run.err;
}

TEST(CliWrite, BackupKeepsTheRadioAsItWasOrWritesNothing) {
    TempDir dir;
    const std::string file = Save(dir, "doc.dat", DocumentImage("ABC"));
    RadioMemory old = DefaultRadioMemory();
    old[0x0000] = 0x12;
    auto radio = StartedRadio(InstantReplies(), old);
    const CliRun run =
        RunCli({"write", "--port", radio->DevicePath(), file, "--backup"}, dir.Path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<history::HistoryEntry> entries = history::ListReads(HistoryOf(dir));
    ASSERT_EQ(entries.size(), 1u);
    RadioImage before;
    ASSERT_TRUE(ReadDatFile(entries[0].path, before).Ok());
    EXPECT_EQ(RadioMemoryFromImage(before), old);
    EXPECT_NE(radio->Memory(), old);

    SimOptions locked = InstantReplies();
    locked.password = "777";
    auto other = StartedRadio(locked, old);
    const RadioMemory otherBefore = other->Memory();
    const CliRun refused =
        RunCli({"write", "--port", other->DevicePath(), file, "--backup"}, dir.Path().string());
    EXPECT_EQ(refused.exitCode, 5) << refused.err;
    EXPECT_NE(refused.err.find("Nothing was written to the radio."), std::string::npos)
        << refused.err;
    EXPECT_EQ(other->Memory(), otherBefore);
    EXPECT_EQ(other->Stats().blocksWritten, 0);
}

// The write completed, then the read-back could not finish: never exit 0,
// and the message says that the write completed and the verify did not.
TEST(CliWrite, AReadBackThatCannotFinishFailsAndSaysTheWriteCompleted) {
    TempDir dir;
    const std::string file = Save(dir, "doc.dat", DocumentImage("ABC"));
    struct Case {
        const char* what;
        SimFaultKind fault; // at 0x0FF0, a block only a read asks for
        int signal;         // sent during the read-back; 0: none
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"short reply", SimFaultKind::ShortReply, 0, 4,
         "The write completed, but the verify could not finish"},
        {"no ACK", SimFaultKind::NoAck, 0, 4,
         "The write completed, but the verify could not finish"},
        // The radio holds its reply a second, well inside the read's deadline.
        {"Ctrl+C", SimFaultKind::Delay, SIGINT, 6,
         "The write completed, but the verify was cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimOptions options = InstantReplies();
        options.fault.kind = c.fault;
        options.fault.address = 0x0FF0;
        options.fault.delayMs = 1000;
        auto radio = StartedRadio(options, DefaultRadioMemory());
        std::function<bool()> duringReadBack;
        if (c.signal != 0) {
            duringReadBack = [&radio] { return AskedFor(*radio, 0x0FF0); };
        }
        const CliRun run = RunCli({"write", "--port", radio->DevicePath(), file, "--verify"},
                                  dir.Path().string(), duringReadBack, c.signal);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Program Interrupt"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("part of the new data"), std::string::npos) << run.err;
        EXPECT_EQ(radio->Stats().closingBandWrites, 1);
    }
}

// --backup reads a radio without password with a document whose password
// shows empty but holds letters, on one opening of the port.
TEST(CliWrite, BackupOfADocumentWhosePasswordShowsEmpty) {
    TempDir dir;
    RadioImage image = DocumentImage("ABC");
    optional_features::StorePassword("AB", image);
    const std::string file = Save(dir, "doc.dat", image);
    auto radio = StartedRadio(InstantReplies(), DefaultRadioMemory());
    const std::string log = dir.File("wire.log");
    const CliRun run = RunCli(
        {"write", "--port", radio->DevicePath(), file, "--backup", "--verify", "--wire-log", log},
        dir.Path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(history::ListReads(HistoryOf(dir)).size(), 1u);
    EXPECT_EQ(radio->Stats().programModeRequests, 6);
    const std::string wire = ReadFile(log);
    int opens = 0;
    for (std::size_t at = wire.find(" open "); at != std::string::npos;
         at = wire.find(" open ", at + 1)) {
        ++opens;
    }
    EXPECT_EQ(opens, 1) << wire.substr(0, 2000);
}

TEST(CliWrite, SafetyOptionsBelongToWriteOnly) {
    TempDir dir;
    const CliRun read = RunCli({"read", "--port", "/dev/null", "-o", dir.File("x.dat"), "--verify"},
                               dir.Path().string());
    EXPECT_EQ(read.exitCode, 1);
    const CliRun write = RunCli({"write", "--port", "/dev/null", dir.File("x.dat"), "--no-history"},
                                dir.Path().string());
    EXPECT_EQ(write.exitCode, 1);
}

} // namespace
