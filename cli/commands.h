#pragma once
// The commands of program-cli. Each takes the arguments after the command name
// and returns the process exit code (see cli_common.h). A new command is one
// file defining its function, its declaration here and one row of the table in
// main.cpp.

#include <string>
#include <vector>

struct ProgramContext;

using CommandArgs = std::vector<std::string>;
// context: the band plan and the rest of what the command's run shares.
using CommandFunction = int (*)(ProgramContext& context, const CommandArgs& args);

int CmdNew(ProgramContext& context, const CommandArgs& args);
int CmdRecode(ProgramContext& context, const CommandArgs& args);
int CmdShow(ProgramContext& context, const CommandArgs& args);
int CmdEdit(ProgramContext& context, const CommandArgs& args);
int CmdSet(ProgramContext& context, const CommandArgs& args);
int CmdRead(ProgramContext& context, const CommandArgs& args);
int CmdWrite(ProgramContext& context, const CommandArgs& args);
int CmdClone(ProgramContext& context, const CommandArgs& args);
int CmdSquelchRead(ProgramContext& context, const CommandArgs& args);
int CmdSquelchWrite(ProgramContext& context, const CommandArgs& args);
int CmdSimulate(ProgramContext& context, const CommandArgs& args);
int CmdReport(ProgramContext& context, const CommandArgs& args);
int CmdExport(ProgramContext& context, const CommandArgs& args);
int CmdImport(ProgramContext& context, const CommandArgs& args);
int CmdDiff(ProgramContext& context, const CommandArgs& args);

// The usage of simulate with all of its options.
extern const char* const kSimulateUsage;
