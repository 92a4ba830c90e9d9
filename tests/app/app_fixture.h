#pragma once
// A program directory in a temporary folder (settings file and translation
// sets), a per-user store and data folder of its own, and a message service that records what
// the user would be shown and answers from a queue.

#include "shell/program_app.h"
#include "sim/simulated_radio.h"
#include "tests/ui/message_recorder.h"
#include "ui/image_dialog.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ProgramDirFixture {
public:
    ProgramDirFixture();

    QString Dir() const { return m_dir.path(); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes "Program.ini" with the given text (bytes as they stand).
    void WriteSettings(const std::string& text) const;
    // Copies English.qm and Chinese.qm of the build beside the program.
    void CopyTranslations() const;
    void RemoveFile(const QString& name) const;

    // Messages shown since the fixture was made.
    const std::vector<MessageRequest>& Messages() const { return m_messages.seen; }
    QStringList MessageTexts() const;
    // Answers of the next message boxes; Ok once the queue is empty.
    void QueueAnswer(MessageAnswer answer) { m_messages.Answer(answer); }

private:
    QTemporaryDir m_dir;
    MessageRecorder m_messages;
};

class CMainFrame;
class QMenu;

// Starts the program in-process on the fixture's directory with the given
// [Setup] lines and options, in English or Chinese: no splash, window not
// shown; options' own program directory, splash and window choices are
// replaced.
bool StartProgram(CProgramApp& app, const ProgramDirFixture& dir,
                  const std::string& setupLines = {}, StartupOptions options = {},
                  bool chinese = false);
// The same with the whole settings file given.
bool StartProgramWithSettings(CProgramApp& app, const ProgramDirFixture& dir,
                              const std::string& settings, StartupOptions options = {});

// A program started for one test function on a fixture directory of its own,
// its window shown; Stop (the test's cleanup) ends it.
class StartedProgram {
public:
    // Starts with the given [Setup] lines, in English or Chinese, and waits
    // until the window shows.
    void Start(const std::string& setupLines, bool chinese = false);
    void Stop();

    CMainFrame& Frame() const;
    CProgramApp& App() const { return *m_app; }
    ProgramDirFixture& Dir() const { return *m_dir; }

private:
    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;
};

// How often each editor command built and ran its dialog.
struct EditorLog {
    std::map<int, int> built;
    std::map<int, int> runs;
};

// An editor dialog that only counts into an EditorLog.
class CountingDialog : public ImageDialog {
public:
    CountingDialog(QWidget* parent, EditorLog& log, int id);
    int DoModal(RadioImage& image) override;

private:
    EditorLog& m_log;
    int m_id;
};

// A settings file of English texts with the given [Setup] lines added.
std::string EnglishSettings(const std::string& setupLines);
// The same with Language=Chinese and the Chinese section.
std::string ChineseSettings(const std::string& setupLines);

// Writes a new document's image with marker at 0x1262 as the fixture's file
// name; returns its path.
QString WriteDat(const ProgramDirFixture& dir, const QString& name, std::uint8_t marker);

class CProgramView;
// A change of the grid as an edit makes it: a channel name in row 1, then
// the view's edit signal.
void EditAChannel(CProgramView& view);

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
