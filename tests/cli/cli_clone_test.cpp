// program-cli clone as an operator runs it: three simulated radios on three
// pseudo-terminals at once, the log it appends, the summary, its exit codes.

#include "exchange/csv_text.h"
#include "link/link_messages.h"
#include "sim/simulated_radio.h"
#include "tests/cli/cli_radio.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>
#include <regex>

namespace {

std::vector<exchange::CsvRecord> LogRows(const std::string& path) {
    const exchange::CsvReadResult read = exchange::ReadCsv(ReadFile(path));
    EXPECT_TRUE(read.Ok()) << path;
    EXPECT_FALSE(read.records.empty()) << "no header row";
    if (read.records.empty()) {
        return {};
    }
    EXPECT_EQ(read.records[0].fields, (std::vector<std::string>{"time", "port", "radio", "result",
                                                                "seconds", "message", "sha256"}));
    return {read.records.begin() + 1, read.records.end()};
}

std::string Sha256Of(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The line of stdout that starts with the port.
std::string LineOf(const std::string& out, const std::string& port) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(port + " ")) {
            return line;
        }
    }
    return {};
}

TEST(CliClone, ThreeRadiosAtOnceOneFailingMidWriteEachLoggedOnce) {
    TempDir dir;
    const std::string image = dir.File("image.dat");
    WriteImage(image, SampleImage());
    auto a = Radio(InstantReplies(), nullptr);
    SimOptions faulty = InstantReplies();
    faulty.fault.kind = SimFaultKind::NoAck;
    faulty.fault.address = 0x0600;
    auto b = Radio(faulty, nullptr);
    auto c = Radio(InstantReplies(), nullptr);
    const std::string log = dir.File("log.csv");
    const CliRun run =
        RunCli({"clone", image, "--port", a->DevicePath(), "--port", b->DevicePath(), "--port",
                c->DevicePath(), "--verify", "--count", "3", "--log", log, "--quiet"},
               dir.Path().string());
    EXPECT_EQ(run.exitCode, 4) << run.err;
    for (const auto* good : {a.get(), c.get()}) {
        EXPECT_NE(LineOf(run.out, good->DevicePath()).find(" radio 1: written and verified"),
                  std::string::npos)
            << run.out;
        EXPECT_EQ(good->Stats().closingBandWrites, 1);
    }
    const std::string partly = LinkMessageText(kMsgRadioPartlyWritten, SourceTexts());
    const std::string failedLine = LineOf(run.out, b->DevicePath());
    EXPECT_NE(failedLine.find(" radio 1: failed"), std::string::npos) << run.out;
    EXPECT_NE(failedLine.find(partly), std::string::npos) << failedLine;
    EXPECT_EQ(b->Stats().closingBandWrites, 0);
    EXPECT_NE(run.out.find("3 radio(s): 2 done, 1 failed"), std::string::npos) << run.out;

    const std::vector<exchange::CsvRecord> rows = LogRows(log);
    ASSERT_EQ(rows.size(), 3u);
    const std::regex utc(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    std::map<std::string, std::vector<std::string>> byPort;
    for (const exchange::CsvRecord& row : rows) {
        ASSERT_EQ(row.fields.size(), 7u);
        EXPECT_TRUE(std::regex_match(row.fields[0], utc)) << row.fields[0];
        EXPECT_EQ(row.fields[2], "1");
        EXPECT_EQ(row.fields[6], Sha256Of(image));
        byPort[row.fields[1]] = row.fields;
    }
    ASSERT_EQ(byPort.size(), 3u);
    EXPECT_EQ(byPort[a->DevicePath()][3], "verified");
    EXPECT_EQ(byPort[c->DevicePath()][3], "verified");
    EXPECT_EQ(byPort[b->DevicePath()][3], "failed");
    EXPECT_NE(byPort[b->DevicePath()][5].find(partly), std::string::npos);
}

TEST(CliClone, ASignalEndsTheWaitThenTheEndOfInputEndsAfterTheRadio) {
    TempDir dir;
    const std::string image = dir.File("image.dat");
    WriteImage(image, SampleImage());
    const std::string defaultLog = (dir.Path() / "data/radio-programmer/clone-log.csv").string();

    // Nobody answers: SIGTERM ends the wait, nothing is logged.
    SimOptions silent = InstantReplies();
    silent.fault.kind = SimFaultKind::Silent;
    auto nobody = Radio(silent, nullptr);
    const CliRun cancelled = RunCli(
        {"clone", image, "--port", nobody->DevicePath()}, dir.Path().string(),
        [&] { return nobody->Stats().programModeRequests > 0; }, SIGTERM);
    EXPECT_EQ(cancelled.exitCode, 6) << cancelled.err;
    EXPECT_NE(cancelled.out.find("Cancelled. 0 radio(s)"), std::string::npos) << cancelled.out;
    EXPECT_TRUE(LogRows(defaultLog).empty());

    // A radio, no count, stdin at its end: the station writes the radio,
    // knows no release will come, and ends; the row goes to the same log.
    auto radio = Radio(InstantReplies(), nullptr);
    const CliRun chinese = RunCli({"clone", image, "--port", radio->DevicePath(), "--lang", "zh"},
                                  dir.Path().string());
    EXPECT_EQ(chinese.exitCode, 0) << chinese.err;
    EXPECT_NE(chinese.out.find(radio->DevicePath() + " 第 1 台对讲机：已写入"), std::string::npos)
        << chinese.out;
    EXPECT_NE(chinese.out.find("1 台对讲机：1 台完成"), std::string::npos) << chinese.out;
    EXPECT_EQ(radio->Stats().closingBandWrites, 1);
    const std::vector<exchange::CsvRecord> rows = LogRows(defaultLog);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].fields[3], "written");
}

TEST(CliClone, UsageAndFileErrorsTouchNoRadio) {
    TempDir dir;
    const std::string image = dir.File("image.dat");
    WriteImage(image, SampleImage());
    auto radio = Radio(InstantReplies(), nullptr);
    const std::string port = radio->DevicePath();
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"clone", image}, 1},
        {{"clone", "--port", port}, 1},
        {{"clone", image, "--port", port, "--port", port}, 1},
        {{"clone", image, "--port", port, "--count", "0"}, 1},
        {{"clone", image, "--port", port, "--lang", "fr"}, 1},
        {{"clone", image, "--port"}, 1},
        {{"clone", dir.File("missing.dat"), "--port", port}, 2},
        {{"clone", image, "--port", port, "--log", dir.Path().string()}, 2},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args, dir.Path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back() << run.err;
    }
    EXPECT_EQ(radio->Stats().programModeRequests, 0);
}

} // namespace
