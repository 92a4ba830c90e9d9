#pragma once
// The switch to the other interface language. The language is fixed for a
// whole run, so the switch writes [Setup] "Language" into the settings file,
// closes the main window through its normal closing (with the prompts to
// save modified documents) and starts the program again, which then runs in
// the new language.
//
// The settings file is written whole before the main window closes, so the
// new instance always reads the new language; when it cannot be written the
// user is told so and the program stays open, in the old language. When the user cancels a save
// prompt the program stays open in the old language and starts nothing, and
// is told that the new language takes effect at the next start. When the
// program cannot be started again the user is told so before this instance
// ends.

#include <QString>
#include <QStringList>
#include <functional>

struct ProgramContext;
class QWidget;

// Starts program with arguments as a process of its own; false when it
// could not be started.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// What starts the new instance: the running executable with the command
// line the running instance was given.
struct RestartCommand {
    QString program;
    QStringList arguments;
    ProcessStarter start;
};

enum class LanguageSwitch {
    Unchanged,   // the language in use was chosen: nothing happened
    Restarted,   // the window closed and the new instance started
    StaysOpen,   // the user kept the window open: the setting waits for the next start
    StartFailed, // the window closed but no new instance started
    NotSaved     // the settings file could not be written: the user is told, nothing closes
};

// Switches to choice (0 English, 1 Chinese) as described above from the
// language of context's catalogue, writing the choice into its settings
// file; mainWindow is closed through its close event.
LanguageSwitch SwitchLanguage(QWidget& mainWindow, ProgramContext& context, int choice,
                              const RestartCommand& restart);
