// Starts the window program offscreen on the folder this executable lies in,
// as an installed program starts, and prints the settings it finds:
//   settings=<the settings file in use>
//   language=<[Setup] Language>
//   port=<the stored port number, or "none">
// Given a language and a port number, it then stores both as the Language
// and Port Setting dialogs do, and shuts down as the program does, which
// saves the settings file.
//   usage: settings_driver [LANGUAGE PORT]

#include "settings/program_context.h"
#include "shell/program_app.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // A message would wait for an answer nobody gives: print it instead.
    MessageService::SetHandler([](const MessageRequest& request) {
        std::cerr << "message: " << request.text.toStdString() << '\n';
        return MessageAnswer::Ok;
    });

    CProgramApp program;
    StartupOptions options;
    options.programDir = QCoreApplication::applicationDirPath();
    options.splash = false;
    options.showWindow = false;
    if (!program.InitInstance(options)) {
        return 1;
    }
    CProfileFile& settings = program.Context().Profile();
    const auto port = UserStore::ReadPortNumber(AppNameIn(settings));
    std::cout << "settings=" << settings.FilePath() << '\n'
              << "language=" << settings.GetValue("Setup", "Language", "") << '\n'
              << "port=" << (port ? std::to_string(*port) : std::string("none")) << '\n';
    if (argc == 3) {
        settings.SetValue("Setup", "Language", argv[1]);
        if (!UserStore::WritePortNumber(AppNameIn(settings), std::stoul(argv[2]))) {
            return 2;
        }
    }
    program.ExitInstance();
    return 0;
}
