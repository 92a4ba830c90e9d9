// program-cli: the command-line front end over the same libraries as the
// window, for scripts, batch work and acceptance checks.

#include "cli/cli_common.h"
#include "cli/commands.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

struct Command {
    const char* name;
    CommandFunction run;
    const char* usage;
};

const Command kCommands[] = {
    {"new", CmdNew, "new OUT.dat [--band-code HEX12]"},
    {"recode", CmdRecode, "recode IN.dat OUT.dat"},
    {"show", CmdShow, "show FILE.dat [--json] [--lang en|zh]"},
    {"edit", CmdEdit, "edit FILE.dat [-o OUT.dat] ROW:COL=TEXT ..."},
    {"set", CmdSet, "set FILE.dat [-o OUT.dat] GROUP.FIELD=VALUE ..."},
    {"read", CmdRead,
     "read --port DEVICE [--template FILE.dat] -o OUT.dat [--retry N] [--wire-log FILE]"},
    {"write", CmdWrite, "write --port DEVICE FILE.dat [--retry N] [--wire-log FILE]"},
    {"squelch-read", CmdSquelchRead,
     "squelch-read --port DEVICE FILE.dat [-o OUT.dat] [--retry N] [--wire-log FILE]"},
    {"squelch-write", CmdSquelchWrite,
     "squelch-write --port DEVICE FILE.dat [--retry N] [--wire-log FILE]"},
    {"simulate", CmdSimulate,
     "simulate [--dat FILE.dat] [--band N] [--password TEXT] [--fault KIND --at ADDRESS] ..."},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : kCommands) {
        out << "  program-cli " << c.usage << '\n';
    }
    out << "exit codes: 0 success, 1 usage error, 2 file error, 3 refused input, 4 transfer "
           "failed, 5 radio refused (band type or password), 6 transfer cancelled\n";
}

// One line naming the commands, for a call without a known command.
std::string CommandList() {
    std::string names;
    for (const Command& c : kCommands) {
        names += (names.empty() ? "" : ", ") + std::string(c.name);
    }
    return "commands: " + names + " (\"program-cli help\" shows their usage)";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Fail(kExitUsage, "no command given; " + CommandList());
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            return c.run(CommandArgs(argv + 2, argv + argc));
        }
    }
    return Fail(kExitUsage, "unknown command \"" + std::string(name) + "\"; " + CommandList());
}
