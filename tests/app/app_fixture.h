#pragma once
// A program directory in a temporary folder (settings file and translation
// sets), a per-user store of its own, and a message service that records what
// the user would be shown and answers from a queue.

#include "sim/simulated_radio.h"
#include "ui/message_service.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

class ProgramDirFixture {
public:
    ProgramDirFixture();
    ~ProgramDirFixture();

    QString Dir() const { return m_dir.path(); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes "Program.ini" with the given text (bytes as they stand).
    void WriteSettings(const std::string& text) const;
    // Copies English.qm and Chinese.qm of the build beside the program.
    void CopyTranslations() const;
    void RemoveFile(const QString& name) const;

    // Messages shown since the fixture was made.
    const std::vector<MessageRequest>& Messages() const { return m_messages; }
    QStringList MessageTexts() const;
    // Answers of the next message boxes; Ok once the queue is empty.
    void QueueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }

private:
    QTemporaryDir m_dir;
    std::vector<MessageRequest> m_messages;
    std::deque<MessageAnswer> m_answers;
};

class CProgramApp;
class CMainFrame;
class QMenu;

// Starts the program in-process on the fixture's directory with the given
// [Setup] lines: no splash, window not shown, no simulated radio.
bool StartProgram(CProgramApp& app, const ProgramDirFixture& dir,
                  const std::string& setupLines = {});

// A settings file of English texts with the given [Setup] lines added.
std::string EnglishSettings(const std::string& setupLines);
// The same with Language=Chinese and the Chinese section.
std::string ChineseSettings(const std::string& setupLines);

// The texts of a menu's items; a separator is "-".
QStringList ItemTexts(const QMenu* menu);

// Program > Read of the active document against a simulated radio that never
// answers: the read stays in its entry attempts, certainly running, until it
// is cancelled through the transfer window.
class SilentRadioRead {
public:
    SilentRadioRead();
    // Starts the read in the frame's active document window; true once it
    // runs.
    bool Start(CMainFrame& frame);

private:
    SimulatedRadio m_radio;
};
