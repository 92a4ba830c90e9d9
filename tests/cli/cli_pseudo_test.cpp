// The command line in the pseudo-language: a copy of program-cli whose
// Chinese set is the pseudo one prints every text of the catalogue marked,
// so that a word left without the marks escaped the catalogue.

#include "model/string_table.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"
#include "tests/texts/test_catalogues.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// program-cli and the pseudo set as its Chinese one, in a folder of dir.
std::string PseudoProgram(const TempDir& dir) {
    const fs::path folder = dir.Path() / "pseudo";
    fs::create_directories(folder);
    fs::copy_file(PROGRAM_CLI_PATH, folder / "program-cli");
    fs::copy_file(PseudoSetPath(), folder / "Chinese.qm");
    return (folder / "program-cli").string();
}

// Each line of output, without what came from the catalogue and without
// the values named (file names, the port): what is left holds no word.
void ExpectEveryWordMarked(const std::string& output, const std::vector<std::string>& values) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::string rest = Unmarked(line);
        for (const std::string& value : values) {
            for (auto at = rest.find(value); at != std::string::npos; at = rest.find(value)) {
                rest.erase(at, value.size());
            }
        }
        EXPECT_FALSE(HasLetters(rest)) << "escaped the catalogue: \"" << line << "\"";
    }
}

TEST(CliPseudoLanguage, ShowAndCloneWordEverythingThroughTheCatalogue) {
    TempDir dir;
    const std::string program = PseudoProgram(dir);
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));

    const CliRun show =
        RunCliAt(program, {"show", dir.File("in.dat"), "--lang", "zh"}, dir.File(""));
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const std::string header = show.out.substr(0, show.out.find('\n'));
    EXPECT_NE(header.find("[[Rx Frequency]]"), std::string::npos) << header;
    ExpectEveryWordMarked(header, {});

    // No device at the port: the station logs the failed attempt and tries
    // again until Ctrl+C; the summary follows.
    const std::string port = dir.File("no-such-port");
    const std::string log = dir.File("log.csv");
    const CliRun clone = RunCliAt(
        program,
        {"clone", dir.File("in.dat"), "--port", port, "--count", "1", "--lang", "zh", "--log", log},
        dir.File(""), [&] { return ReadFile(log).find(port) != std::string::npos; });
    EXPECT_EQ(clone.exitCode, 6) << clone.err;
    EXPECT_NE(clone.out.find("[[the port could not be opened]]"), std::string::npos) << clone.out;
    ExpectEveryWordMarked(clone.out, {port});
    // The string-table messages are printed in English in either language.
    ExpectEveryWordMarked(clone.err, {port, dir.File("log.csv"),
                                      "program-cli:", StringTableText(IDS_COULD_NOT_OPEN_PORT)});
}

} // namespace
