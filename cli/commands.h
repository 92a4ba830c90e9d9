#pragma once
// The commands of program-cli. Each takes the arguments after the command name
// and returns the process exit code (see cli_common.h). A new command is one
// file defining its function, its declaration here and one row of the table in
// main.cpp.

#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
using CommandFunction = int (*)(const CommandArgs& args);

int CmdNew(const CommandArgs& args);
int CmdRecode(const CommandArgs& args);
int CmdShow(const CommandArgs& args);
int CmdEdit(const CommandArgs& args);
int CmdSet(const CommandArgs& args);
int CmdRead(const CommandArgs& args);
int CmdWrite(const CommandArgs& args);
int CmdClone(const CommandArgs& args);
int CmdSquelchRead(const CommandArgs& args);
int CmdSquelchWrite(const CommandArgs& args);
int CmdSimulate(const CommandArgs& args);
int CmdReport(const CommandArgs& args);
int CmdExport(const CommandArgs& args);
int CmdImport(const CommandArgs& args);
int CmdDiff(const CommandArgs& args);

// The usage of simulate with all of its options.
extern const char* const kSimulateUsage;
