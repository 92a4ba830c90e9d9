// The window program: start-up, the message loop, shut-down.

#include "app/demo_radio.h"
#include "shell/program_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
        options.demoRadio = [&demo] { return demo.Start() ? demo.DevicePath() : std::string(); };
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

    CProgramApp app;
    if (!app.InitInstance(options)) {
        return 1;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
