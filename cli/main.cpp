// program-cli: the command-line front end over the same libraries as the
// window, for scripts, batch work and acceptance checks.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "settings/program_context.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

namespace {

struct Command {
    const char* name;
    CommandFunction run;
    // The form "program-cli help" lists.
    const char* usage;
    // What the command does, for "program-cli help NAME".
    const char* about;
    // The usage with every option, when it is longer than `usage`.
    const char* fullUsage = nullptr;
};

const Command kCommands[] = {
    {"new", CmdNew, "new OUT.dat [--band-code HEX12]",
     "Saves a new document without edits as OUT.dat, as the window would.\n"
     "--band-code sets its six band bytes (12 hexadecimal digits; all zero without it)."},
    {"recode", CmdRecode, "recode IN.dat OUT.dat",
     "Opens IN.dat and saves it as OUT.dat without edits, byte for byte what the window\n"
     "would save."},
    {"show", CmdShow, "show FILE.dat [--json] [--lang en|zh]",
     "Prints the channels and settings of FILE.dat as the editors show them.\n"
     "--json prints them as JSON; --lang chooses English (en, the default) or Chinese (zh)."},
    {"report", CmdReport,
     "report FILE.dat -o OUT.pdf [--sections LIST] [--lang en|zh] [--page A4|Letter]",
     "Writes the report the window prints of FILE.dat as the PDF file OUT.pdf.\n"
     "--sections takes a comma-separated list of dtmf, msk, optional, two-tone and channels\n"
     "(default optional,channels); --lang chooses English (en, the default) or Chinese (zh);\n"
     "--page chooses the paper, A4 (the default) or Letter. Sections without a page write\n"
     "nothing (exit 3); a file that cannot be written is left as it was (exit 2)."},
    {"edit", CmdEdit, "edit FILE.dat [-o OUT.dat] ROW:COL=TEXT ...",
     "Types each TEXT into the channel grid's cell ROW (1 to 129), COL (1 to 9), in order,\n"
     "with the grid's rules, and saves FILE.dat (or OUT.dat). A refused entry saves nothing."},
    {"set", CmdSet, "set FILE.dat [-o OUT.dat] GROUP.FIELD=VALUE ...",
     "Sets fields of the settings dialogs as a user would and saves FILE.dat (or OUT.dat);\n"
     "only the bytes of the changed dialogs change. An unknown group or field lists the\n"
     "known ones; a value no control accepts lists what is allowed and saves nothing."},
    {"export", CmdExport, "export FILE.dat -o OUT.csv [--layout program|generic] [--lang en|zh]",
     "Writes the channels of FILE.dat to OUT.csv (UTF-8, CRLF lines). --layout program (the\n"
     "default) writes the grid's columns and texts, in English or Chinese by --lang; --layout\n"
     "generic writes the channel layout of other programming tools (Location, Name,\n"
     "Frequency, Duplex, Offset, Tone, ...)."},
    {"import", CmdImport, "import FILE.dat IN.csv [-o OUT.dat] [--into-empty] [--strict]",
     "Reads the channel list IN.csv (either layout, told by its header line) into FILE.dat\n"
     "and saves it (or OUT.dat). Every row passes the grid's rules; warnings and skipped\n"
     "rows are printed on stderr with their line in IN.csv. The channels replace rows 1 to\n"
     "128 in file order, or each in the row it names when every channel of a file this\n"
     "program wrote names a different one; --into-empty fills only the empty rows. --strict\n"
     "refuses the import (exit 3, nothing written) when any row is skipped."},
    {"diff", CmdDiff, "diff A.dat B.dat [--json]",
     "Lists every difference between two document files by meaning: channel cells with\n"
     "both texts, settings fields with both values, and other bytes as address ranges in\n"
     "hex. --json prints them as JSON. Exits 0 when the files are equal, 1 when they\n"
     "differ and 2 on any error."},
    {"read", CmdRead,
     "read --port DEVICE [--template FILE.dat] -o OUT.dat [--no-history] [--retry N] "
     "[--wire-log FILE] [--quiet]",
     "Reads the radio on DEVICE (a device path, COMn or a port number) into a new document,\n"
     "or into the image of the --template file, whose password must match the radio's, and\n"
     "saves OUT.dat once the read is complete (OUT.dat must be writable before the radio is\n"
     "touched; should the save still fail, the data is saved beside it, in the user's data\n"
     "folder or in the temporary folder and the place is printed). The read is also kept in\n"
     "the radio history (the newest 50 reads, in the per-user data folder) unless\n"
     "--no-history. --retry N answers up to N communication errors with Retry; --wire-log\n"
     "FILE records every byte on the wire in FILE; --quiet prints no progress. Ctrl+C,\n"
     "SIGTERM and SIGHUP cancel the transfer after the current row."},
    {"write", CmdWrite,
     "write --port DEVICE FILE.dat [--verify] [--backup] [--retry N] [--wire-log FILE] [--quiet]",
     "Writes FILE.dat to the radio on DEVICE. --backup reads the radio first and keeps what\n"
     "it held in the radio history (a read that fails writes nothing). --verify reads the\n"
     "radio back after the write and compares every written block; a difference is listed\n"
     "with its address and field and the write fails; a read-back that cannot finish fails\n"
     "too, saying that the write completed unverified. --retry, --wire-log, --quiet and the\n"
     "signals as for read. A write that stops after its first data block says that the\n"
     "radio holds part of the new data and must be written again before use."},
    {"clone", CmdClone,
     "clone IMAGE.dat --port DEVICE [--port DEVICE ...] [--verify] [--backup] [--count N] "
     "[--log LOG.csv] [--lang en|zh] [--quiet]",
     "Writes IMAGE.dat into one radio after another, on every port at once (a station per\n"
     "port). Each station waits for a radio (it tries to reach one about once a second),\n"
     "writes it (--backup reads it first into the radio history, --verify reads it back),\n"
     "prints one line for it with the terminal bell, and waits for Enter before it waits\n"
     "for the next radio: swap the radios on the finished cables, then press Enter (one\n"
     "Enter releases every station that waits; at the end of stdin each station ends after\n"
     "its radio). A radio that refuses (band type or password) or fails is logged and the\n"
     "station goes on. --count N ends after N radios in total; Ctrl+C, SIGTERM and SIGHUP\n"
     "stop each station at its next cancel point and name a radio left partly written.\n"
     "Every radio gets a row in LOG.csv (default: clone-log.csv in the user's data folder):\n"
     "time (UTC), port, radio number, result (written, verified, refused, failed,\n"
     "cancelled), seconds, message and the SHA-256 of IMAGE.dat. A summary per port ends\n"
     "it; exit 0 when every radio is good, 4 when any failed, 6 when cancelled. --lang\n"
     "chooses English (en, the default) or Chinese (zh); --quiet leaves out the states."},
    {"squelch-read", CmdSquelchRead,
     "squelch-read --port DEVICE FILE.dat [-o OUT.dat] [--retry N] [--wire-log FILE] [--quiet]",
     "Reads the radio's four squelch tuning levels into FILE.dat and saves it (or OUT.dat).\n"
     "--retry, --wire-log, --quiet, the signals and the saving as for read."},
    {"squelch-write", CmdSquelchWrite,
     "squelch-write --port DEVICE FILE.dat [--retry N] [--wire-log FILE] [--quiet]",
     "Writes the four squelch tuning levels of FILE.dat to the radio.\n"
     "--retry, --wire-log, --quiet and the signals as for read."},
    {"simulate", CmdSimulate,
     "simulate [--dat FILE.dat] [--band N] [--password TEXT] [--fault KIND --at ADDRESS] ...",
     "Starts a simulated radio on a new pseudo-terminal and prints its device path, for\n"
     "--port. It answers with the memory of --dat (or a fresh one) until Ctrl+C, then saves\n"
     "its memory to the --dump file and lists any protocol violation on stderr.\n"
     "--band N and --password TEXT replace those of the memory. --latency MS delays every\n"
     "answer; every answer also waits as long as its bytes take at 9600 baud, unless\n"
     "--instant. --fault KIND hits the request at --at ADDRESS (without --at, one picked\n"
     "by --seed N; stray puts three bytes before the reply); --short-length N and\n"
     "--delay MS shape the short and delay faults. --late N ignores the first N program-mode\n"
     "requests; --missing-entry-acks N leaves out the entry's ACK N times.",
     kSimulateUsage},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : kCommands) {
        out << "  program-cli " << c.usage << '\n';
    }
    out << "exit codes: 0 success, 1 usage error, 2 file error, 3 refused input, 4 transfer "
           "failed, 5 radio refused (band type or password), 6 read or write cancelled; diff: 0 "
           "equal, 1 different, 2 error\n";
}

// One line naming the commands, for a call without a known command.
std::string CommandList() {
    std::string names;
    for (const Command& c : kCommands) {
        names += (names.empty() ? "" : ", ") + std::string(c.name);
    }
    return "commands: " + names + " (\"program-cli help\" shows their usage)";
}

// "program-cli help NAME": the command's full usage and what it does.
bool PrintCommandHelp(std::string_view name, std::ostream& out) {
    for (const Command& c : kCommands) {
        if (name == c.name) {
            out << "usage: program-cli " << (c.fullUsage ? c.fullUsage : c.usage) << '\n'
                << c.about << '\n';
            return true;
        }
    }
    return false;
}

bool IsHelpOption(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Fail(kExitUsage, "no command given; " + CommandList());
    }
    const std::string_view name = argv[1];
    if (name == "--version") {
        std::cout << "program-cli " PROGRAM_VERSION "\n";
        return kExitOk;
    }
    if (name == "help" || IsHelpOption(name)) {
        if (argc == 2) {
            PrintUsage(std::cout);
            return kExitOk;
        }
        if (argc == 3 && PrintCommandHelp(argv[2], std::cout)) {
            return kExitOk;
        }
        return Fail(kExitUsage, "help takes one command name; " + CommandList());
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            const CommandArgs args(argv + 2, argv + argc);
            // "program-cli NAME --help" is "program-cli help NAME", wherever
            // the option stands.
            if (std::any_of(args.begin(), args.end(), IsHelpOption)) {
                PrintCommandHelp(name, std::cout);
                return kExitOk;
            }
            // One context for the run: the band plan every decode, check and
            // encode of the command shares.
            ProgramContext context;
            return c.run(context, args);
        }
    }
    return Fail(kExitUsage, "unknown command \"" + std::string(name) + "\"; " + CommandList());
}
