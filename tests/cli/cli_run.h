#pragma once
// Runs program-cli as a child process and collects what it printed.

#include "model/radio_image.h"

#include <csignal>
#include <functional>
#include <string>
#include <vector>

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs program-cli with args; scratch is a directory for the captured output
// and the child's per-user data folder (scratch/data, as XDG_DATA_HOME).
// With interruptWhen, the run gets the signal (Ctrl+C's SIGINT unless told
// otherwise) once that returns true.
CliRun RunCli(const std::vector<std::string>& args, const std::string& scratch,
              const std::function<bool()>& interruptWhen = {}, int signal = SIGINT);
// The same with the program at another path (a copy of program-cli).
CliRun RunCliAt(const std::string& program, const std::vector<std::string>& args,
                const std::string& scratch, const std::function<bool()>& interruptWhen = {},
                int signal = SIGINT);

// A 6144-byte image whose bytes follow a pattern, with valid channels in
// records 0 and 128 and the band code 13 17 64 40 48 00.
RadioImage SampleImage();
std::string ImageBytes(const RadioImage& image);
