#include "shell/language_switch.h"

#include "settings/program_context.h"
#include "ui/language_text.h"
#include "ui/message_service.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

namespace {

// Closes the window without ending the application's event loop, so that a
// message can still be shown after it; true when the window closed.
bool CloseKeepingLoop(QWidget& window) {
    const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const bool closed = window.close();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);
    return closed;
}

} // namespace

LanguageSwitch SwitchLanguage(QWidget& mainWindow, ProgramContext& context, int choice,
                              const RestartCommand& restart) {
    const bool chinese = context.Texts().bChinese();
    if (choice == (chinese ? 1 : 0)) {
        return LanguageSwitch::Unchanged;
    }
    CProfileFile& profile = context.Profile();
    profile.SetValue("Setup", "Language", chinese ? "English" : "Chinese");
    // On disk now, whole: the new instance reads it at its start, long
    // before this one ends.
    if (profile.SaveChanges(false) == CProfileFile::SaveOutcome::Failed) {
        ReportSettingsNotSaved(&mainWindow, profile.FilePath());
        return LanguageSwitch::NotSaved;
    }

    if (!CloseKeepingLoop(mainWindow)) {
        MessageService::Show(
            &mainWindow,
            QCoreApplication::translate(
                "LanguageSwitch", "The new language takes effect the next time the program starts."),
            MessageButtons::Ok, MessageIcon::Information);
        return LanguageSwitch::StaysOpen;
    }
    const bool started = restart.start(restart.program, restart.arguments);
    if (!started) {
        MessageService::Show(nullptr,
                             QCoreApplication::translate(
                                 "LanguageSwitch", "The program could not be started again. "
                                                   "Start it yourself: it will run in the new "
                                                   "language."),
                             MessageButtons::Ok, MessageIcon::Exclamation);
    }
    QCoreApplication::quit();
    return started ? LanguageSwitch::Restarted : LanguageSwitch::StartFailed;
}
