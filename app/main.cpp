// The window program: start-up, the message loop, shut-down.

#include "app/demo_radio.h"
#include "shell/program_app.h"

#include <QApplication>

#include <iomanip>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

struct OptionHelp {
    const char* option;
    const char* meaning;
};

// The command line as "--help" shows it, one row per option.
const OptionHelp kOptionHelp[] = {
    {"FILE.dat ...", "opens each file as a document, the last one in front"},
    {"--demo-radio", "answers transfers from a simulated radio while no port is set up"},
    {"--wire-log FILE", "appends every byte of each transfer to FILE"},
    {"--version", "prints the version and exits"},
    {"--help", "prints this help and exits"},
};

void PrintHelp() {
    std::cout << "usage: " PROGRAM_COMMAND " [--demo-radio] [--wire-log FILE] [FILE.dat ...]\n";
    for (const OptionHelp& row : kOptionHelp) {
        std::cout << "  " << std::left << std::setw(17) << row.option << row.meaning << '\n';
    }
}

// The options that print and end the program before any window opens; the
// exit code when one was given.
std::optional<int> RunPrintingOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::cout << PROGRAM_COMMAND " " PROGRAM_VERSION "\n";
            return 0;
        }
        if (argument == "--help") {
            PrintHelp();
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> printed = RunPrintingOption(argc, argv)) {
        return *printed;
    }
    QApplication application(argc, argv);
    StartupOptions options;
    options.programDir = QCoreApplication::applicationDirPath();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    // Only the demo (scripts/run) asks for the simulated radio: a program
    // started by its user never sends a read or a write to a made-up radio.
    // The demo radio outlives the application object, which talks to it
    // until its shut-down.
    CDemoRadio demo;
    if (arguments.removeAll(QStringLiteral("--demo-radio")) > 0) {
        options.demoRadio = [&demo](const BandCodeBytes& bandCode) {
            return demo.Start(bandCode) ? demo.DevicePath() : std::string();
        };
    }
    // "--wire-log FILE": every transfer with the radio is appended to FILE,
    // byte for byte, as the command line's option records it.
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--wire-log")); at >= 0) {
        if (at + 1 < arguments.size()) {
            options.wireLog = arguments.takeAt(at + 1);
        }
        arguments.removeAt(at);
    }
    options.arguments = arguments;
    // A restart after a language change gets the options as they stand; the
    // files it opens are those open at the switch.
    options.restartArguments = QCoreApplication::arguments().mid(1);
    for (const QString& file : arguments) {
        options.restartArguments.removeOne(file);
    }

    CProgramApp app;
    if (!app.InitInstance(options)) {
        return 1;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
