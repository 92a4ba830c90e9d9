// The window program: start-up, the message loop, shut-down.

#include "shell/program_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    StartupOptions options;
    options.programDir = QCoreApplication::applicationDirPath();
    options.arguments = QCoreApplication::arguments().mid(1);

    CProgramApp app;
    if (!app.InitInstance(options)) {
        return 1;
    }
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
