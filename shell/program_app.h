#pragma once
// CProgramApp: start-up and shut-down of the window program, and the commands
// the application handles itself (File New, File Open, the reports, Print
// Setup, About, Language). The start-up takes the program directory and the
// command line as arguments, so that it runs the same in a test as in the
// real process.

#include "settings/program_context.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CChildFrame;
class HelpViewer;
class CMainFrame;
class CProgramDoc;
class QPrinter;
class ReportCommands;
class QTranslator;
class QtCatalogue;

struct StartupOptions {
    // Directory of the program: "Program.ini", the translation files and the
    // branding pictures are read from here.
    QString programDir;
    // The files named on the command line, opened in order (the last one in
    // front); none: a new document.
    QStringList arguments;
    // Shows the splash window (and waits while it is up).
    bool splash = true;
    // Shows the main window maximized (tests leave it hidden).
    bool showWindow = true;
    // Starts a stand-in radio when no serial port is configured (the demo's
    // "--demo-radio"), its new-document image holding the program's band
    // code, and returns the device it answers on; an empty path when it
    // could not start. Unset: no stand-in radio.
    std::function<std::string(const BandCodeBytes& bandCode)> demoRadio;
    // The file every transfer with the radio appends its wire log to (the
    // command line's "--wire-log FILE"); it wins over [Setup] "WireLog".
    // Empty: the settings file decides.
    QString wireLog;
    // The options of the command line (the files left out): a restart after
    // a language change passes them on, followed by the files then open.
    QStringList restartArguments;
    // Starts the new instance after a language change (tests observe it
    // here); unset: a detached process.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
};

class CProgramApp : public QObject {
    Q_OBJECT
public:
    CProgramApp();
    ~CProgramApp() override;

    // The start-up sequence; false ends the program.
    bool InitInstance(const StartupOptions& options);
    // The shut-down sequence, after the main window is gone: keeps the band
    // bytes for the next run and writes the settings file when a value
    // changed; a settings file that cannot be written is reported.
    void ExitInstance();

    // What this run's parts share: band plan, settings file, folders, port.
    ProgramContext& Context() { return m_context; }

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    // The help windows of this run.
    HelpViewer& Help() const { return *m_help; }

    // A new document: with a document window active, asks "All data will be
    // Cleared!" and on OK destroys that window and its document first; false
    // when the user keeps it.
    bool NewDocument();

    // The commands the application handles (command_table.h names them in
    // their rows).
    // File New: NewDocument.
    void OnFileNew();
    // File Open: asks for a .dat file and opens it.
    void OnFileOpen();
    // Opens a file as a further document, also when it is open already; the
    // previously active document window is hidden. False when it cannot be
    // read (reported to the user; nothing changes).
    bool OpenDocumentFile(const QString& path);
    void OnAppAbout();
    // Setup > Language: the Language dialog, and on a new choice the switch
    // to that language with a restart (shell/language_switch.h).
    void OnLanguage();
    // File > Print Setup: the standard page and printer set-up dialog on the
    // program's printer, which keeps the choice for the rest of the run.
    void OnFilePrintSetup();
    // File > Print, Print Preview and Export PDF of the active document.
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFileExportPdf();
    // The program's printer, made at its first use.
    QPrinter& Printer();
    // The reports of the active document.
    ReportCommands& Reports();

    // Asks for the file of File Open, starting in the given folder (tests
    // answer here instead of a file dialog); an empty answer cancels.
    void SetOpenFileNameProvider(std::function<QString(const QString& folder)> provider) {
        m_askOpenFileName = std::move(provider);
    }

    // The device of the demo's stand-in radio; empty when none answers
    // (a port is set up, or the program was started without the demo).
    const std::string& DemoRadioDevice() const { return m_demoDevice; }

private:
    bool LoadLanguage(const QString& programDir);
    void StartDemoRadio(const std::function<std::string(const BandCodeBytes&)>& start);
    void KeepDemoPort();
    void AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    void CheckWireLog();
    void OnApplicationCommand(int id);

    // Made first and gone last: every window below refers to it.
    ProgramContext m_context;
    // The catalogue of the language in use, handed down to what shows texts.
    std::unique_ptr<QtCatalogue> m_catalogue;
    // Qt's own texts in Chinese.
    std::vector<std::unique_ptr<QTranslator>> m_qtTranslators;
    std::unique_ptr<CMainFrame> m_mainFrame;
    // The help windows; made before the main window, gone after it.
    std::unique_ptr<HelpViewer> m_help;
    std::string m_demoDevice;
    // The wire log of every transfer; empty: none.
    std::string m_wireLog;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<ReportCommands> m_reports;
    std::function<QString(const QString&)> m_askOpenFileName;
    QStringList m_restartArguments;
    std::function<bool(const QString&, const QStringList&)> m_startProgram;
};
