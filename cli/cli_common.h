#pragma once
// What the commands of program-cli share: exit codes, error lines, and a
// document opened and saved the way the window does it (decode after
// opening, encode before saving).

#include "cli/commands.h"
#include "model/band.h"
#include "model/channel_table.h"
#include "model/program_document.h"
#include "model/text_catalogue.h"

#include <optional>
#include <string>
#include <string_view>

enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,
    kExitFile = 2,
    kExitRefused = 3,
    // A transfer that did not complete: the link failed (no answer, a broken
    // reply, a port that cannot be opened), the radio refused (its band type
    // or its password), or the user cancelled a transfer (Ctrl+C, SIGTERM or
    // SIGHUP).
    kExitTransfer = 4,
    kExitRadioRefused = 5,
    kExitCancelled = 6,
};

// The text with its control characters written as escapes (\n, \r, \t,
// \x1B), so that what a file or the user supplied cannot move the cursor,
// clear the terminal or break a line; every other byte stays as it is.
std::string EscapeControls(std::string_view text);

// Prints "program-cli: <message>" as one line on stderr and returns code.
int Fail(ExitCode code, const std::string& message);
// A usage error: prints the message and the command's usage as one line.
int UsageFail(const std::string& message, const char* usage);

// A numeric option's value: decimal, or hexadecimal with 0x, from low to
// high. False for anything else, a number out of that range included.
bool ParseNumberOption(const std::string& text, long low, long high, long& value);

// The arguments of a command of the form "FILE [-o OUT] ITEM ...".
struct FileEditArgs {
    std::string file;
    std::string out; // FILE when no -o was given
    std::vector<std::string> items;
};
// Splits args as above; on a usage error prints it with usage and returns false.
bool ParseFileEditArgs(const CommandArgs& args, const char* usage, FileEditArgs& parsed);

// Before a transfer: the folder of an output file must exist and the path
// must not be a folder, so that a read does not run only to find it cannot
// be saved. kExitOk, or the file error printed.
int CheckOutputPath(const std::string& path);

// The folder program-cli lies in, where its translation sets are.
std::string ProgramFolder();

// The catalogue --lang names: "en" the English source texts, "zh" the
// Chinese set beside the program. Null for any other value, and for "zh"
// when that set is missing (said on stderr).
const TextCatalogue* LanguageOption(const std::string& value);

// The per-user data folder. It carries the window program's name, so that
// both programs keep what they save for the user in one place.
std::string UserDataFolder();

// A document with the channel table its window would show.
class CliDocument {
public:
    // bands: the band plan the decodes, checks and encodes use; texts: the
    // catalogue of the command's language (its file messages and its table).
    explicit CliDocument(BandPlan& bands, const TextCatalogue& texts = SourceTexts());
    // New document, then the view's decode.
    void New();
    // Reads path and decodes it. On failure prints the error and returns
    // kExitFile; else kExitOk.
    int Open(const std::string& path);
    // Encodes the table and writes the file atomically; kExitFile on failure.
    int Save(const std::string& path);

    CProgramDoc& Doc() { return m_doc; }
    ChannelTable& Table() { return m_table; }
    BandPlan& Bands() { return m_bands; }

private:
    BandPlan& m_bands;
    const TextCatalogue& m_texts;
    CProgramDoc m_doc;
    ChannelTable m_table;
};
