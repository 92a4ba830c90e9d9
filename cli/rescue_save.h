#pragma once
// Saving what a completed read brought: the data of a radio is never thrown
// away because its file cannot be written. When the save to the chosen file
// fails, the data goes beside it under a new name, else into the per-user
// data folder, else into the system's temporary folder, and the user is told
// where; only when all of them fail is the read lost, and the user is told so.

#include "cli/cli_common.h"

#include <string>
#include <vector>

// The places tried after target failed, in order: beside target, in dataDir,
// then in tempDir; each named after target's file name, "-read-" and the stamp.
std::vector<std::string> RescuePaths(const std::string& target, const std::string& dataDir,
                                     const std::string& tempDir, const std::string& stamp);

// Saves doc to target. When that fails (its error printed), saves it to the
// first of RescuePaths that is free and can be written, and prints where.
// kExitOk when target was written; kExitFile otherwise, the data kept or not.
int SaveReadDocument(CliDocument& doc, const std::string& target, const std::string& dataDir,
                     const std::string& tempDir, const std::string& stamp);

// The same with the user's data folder, the system's temporary folder and the
// current local time.
int SaveReadDocument(CliDocument& doc, const std::string& target);
