#pragma once
// A program directory in a temporary folder (settings file and translation
// sets), a per-user store of its own, and a message service that records what
// the user would be shown and answers from a queue.

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

// Starts the program in-process on the fixture's directory with the given
// [Setup] lines: no splash, window not shown, no simulated radio.
bool StartProgram(CProgramApp& app, const ProgramDirFixture& dir,
                  const std::string& setupLines = {});

// A settings file of English texts with the given [Setup] lines added.
std::string EnglishSettings(const std::string& setupLines);
// The same with Language=Chinese and the Chinese section.
std::string ChineseSettings(const std::string& setupLines);
