#include "shell/program_app.h"

#include "dialogs/about_dialog.h"
#include "dialogs/language_dialog.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/program_document.h"
#include "model/string_table.h"
#include "print/report_commands.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/profile_file.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_table.h"
#include "shell/help_window.h"
#include "shell/language_switch.h"
#include "shell/main_frame.h"
#include "shell/recent_files.h"
#include "shell/splash_wnd.h"
#include "texts_qt/qt_catalogue.h"
#include "ui/file_dialogs.h"
#include "ui/help_service.h"
#include "ui/language_text.h"
#include "ui/message_service.h"
#include "ui/user_store.h"
#include "ui/writable_paths.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>
#include <QTranslator>

#include <fstream>

namespace {

constexpr int kSplashWaitMs = 1000;

// The name of the file of a command-line or dropped path: one leading double
// quote stripped, cut at the last double quote, made absolute.
QString CleanDocumentPath(QString path) {
    if (path.startsWith(QLatin1Char('"'))) {
        path.remove(0, 1);
    }
    if (const qsizetype quote = path.lastIndexOf(QLatin1Char('"')); quote >= 0) {
        path.truncate(quote);
    }
    return QFileInfo(path).absoluteFilePath();
}

// The wire log of the window's transfers: the command line's file, else
// [Setup] "WireLog" (a relative path names a file in the folder where the
// program keeps its data, which an installed program may write too); empty
// when neither names one.
std::string WireLogPath(const QString& commandLine, const QString& programDir,
                        const CProfileFile& profile) {
    QString path = commandLine;
    if (path.isEmpty()) {
        const QString setting = ProfileBytesToText(profile.GetValue("Setup", "WireLog", ""));
        if (!setting.isEmpty()) {
            path = QDir(UserDataDir(programDir)).filePath(setting);
        }
    }
    return QFile::encodeName(path).toStdString();
}

// What is said when the catalogue of the language cannot be loaded. It is
// the one text that cannot come from that catalogue, so its two wordings
// stay here, each in its own script as the Language dialog names them.
QString LanguageLoadFailure(const std::string& language) {
    return language == "Chinese" ? QString::fromUtf8("加载语言链接库失败")
                                 : QStringLiteral("Load language DLL fail");
}

} // namespace

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp() {
    // The viewer dies with the application, also when its start-up failed.
    HelpService::SetViewer({});
}

bool CProgramApp::InitInstance(const StartupOptions& options) {
    const QString dir = QDir(options.programDir).absolutePath() + QLatin1Char('/');
    m_context.strAppDir = dir.toStdString();
    CProfileFile& profile = m_context.Profile();

    // The per-user folders of an installed program carry the command's name.
    QCoreApplication::setApplicationName(QStringLiteral(PROGRAM_COMMAND));
    QGuiApplication::setDesktopFileName(QStringLiteral(PROGRAM_APP_ID));
    profile.Load(SettingsFilePath(dir).toStdString(), true, true, false);
    m_context.strLanguage = profile.GetValue("Setup", "Language", "");
    const bool chinese = m_context.strLanguage == "Chinese";
    m_context.strHelpFile = chinese ? "chHelp.qch" : "enHelp.qch";
    m_wireLog = WireLogPath(options.wireLog, dir, profile);
    m_restartArguments = options.restartArguments;
    m_startProgram = options.startProgram;

    // The band bytes of the last run; missing ones leave bandCode all zero.
    if (const auto field = UserStore::ReadField(AppNameIn(profile))) {
        m_context.band.bandCode = *field;
        NormalizeBandCode(m_context.band.bandCode);
    }

    if (!LoadLanguage(dir)) {
        MessageService::Show(nullptr, LanguageLoadFailure(m_context.strLanguage),
                             MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }

    if (options.splash) {
        CSplashWnd::EnableSplash(true);
        if (CSplashWnd::ShowSplash(dir)) {
            QEventLoop wait;
            QTimer::singleShot(kSplashWaitMs, &wait, &QEventLoop::quit);
            wait.exec();
        }
    }

    // [Setup] "ShowLang" 0 leaves out the Language command; "ShowSignalling"
    // 1 offers the signalling editors in the Edit menu and the tree.
    m_help = std::make_unique<HelpViewer>(m_context.strAppDir);
    HelpService::SetViewer(
        [help = m_help.get()](QWidget* owner, HelpCommand command, int data,
                              const std::string& file) { help->Show(owner, command, data, file); },
        m_context.strHelpFile);

    CommandOptions commands;
    commands.showLanguage = SetupInteger(profile, "ShowLang") != 0;
    commands.showSignalling = SetupInteger(profile, "ShowSignalling") == 1;
    m_mainFrame = std::make_unique<CMainFrame>(commands, m_context);
    connect(m_mainFrame.get(), &CMainFrame::applicationCommand, this,
            &CProgramApp::OnApplicationCommand);
    connect(m_mainFrame.get(), &CMainFrame::fileDropped, this,
            [this](const QString& path) { OpenDocumentFile(path); });
    connect(m_mainFrame.get(), &CMainFrame::openDocumentRequested, this,
            &CProgramApp::OpenDocumentFile);

    // Start-up ends only when none of the named files can be read (each
    // failure was told).
    bool opened = options.arguments.isEmpty() && NewDocument();
    for (const QString& path : options.arguments) {
        opened = OpenDocumentFile(path) || opened;
    }
    if (!opened) {
        return false;
    }

    if (options.showWindow) {
        m_mainFrame->showMaximized();
    }
    if (const QIcon icon(dir + QStringLiteral("title.ico")); !icon.isNull()) {
        m_mainFrame->setWindowIcon(icon);
    }
    MessageService::SetDisplayName(LanguageText(m_context, "Company"));
    if (options.demoRadio) {
        StartDemoRadio(options.demoRadio);
    }
    CheckWireLog();
    return true;
}

bool CProgramApp::LoadLanguage(const QString& programDir) {
    auto catalogue = std::make_unique<QtCatalogue>(programDir, m_context.strLanguage);
    if (!catalogue->Loaded()) {
        return false;
    }
    catalogue->Install();
    m_catalogue = std::move(catalogue);
    m_context.SetTexts(*m_catalogue);
    // Qt's own texts (standard buttons, file and print dialogs, the help
    // window's search) in Chinese too; without Qt's translations they stay
    // English.
    if (m_catalogue->bChinese()) {
        for (const char* name : {"qtbase_zh_CN", "qt_help_zh_CN"}) {
            auto qtTexts = std::make_unique<QTranslator>();
            if (qtTexts->load(QString::fromLatin1(name),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qtTexts.get());
                m_qtTranslators.push_back(std::move(qtTexts));
            }
        }
    }
    return true;
}

void CProgramApp::StartDemoRadio(const std::function<std::string(const BandCodeBytes&)>& start) {
    if (UserStore::ReadPortNumber(m_context.AppName()).has_value()) {
        return;
    }
    m_demoDevice = start(m_context.band.bandCode);
    if (!m_demoDevice.empty()) {
        m_context.portName = m_demoDevice;
        m_mainFrame->SetStatusMessage(
            tr("No radio is set up: a simulated radio answers on %1. Choose Program > Read.")
                .arg(QString::fromStdString(m_demoDevice)));
    }
}

void CProgramApp::KeepDemoPort() {
    // A new channel view loads the stored port choice; while none is stored
    // the transfers keep going to the simulated radio.
    if (!m_demoDevice.empty() && !UserStore::ReadPortNumber(m_context.AppName()).has_value()) {
        m_context.portName = m_demoDevice;
    }
}

void CProgramApp::AddDocumentWindow(std::unique_ptr<CProgramDoc> doc) {
    m_mainFrame->AddDocumentWindow(std::move(doc))->Session().SetWireLog(m_wireLog);
    KeepDemoPort();
}

void CProgramApp::CheckWireLog() {
    if (m_wireLog.empty() || std::ofstream(m_wireLog, std::ios::app).is_open()) {
        return;
    }
    m_mainFrame->SetStatusMessage(tr("The wire log %1 cannot be written: transfers are not logged.")
                                      .arg(QFile::decodeName(m_wireLog.c_str())));
}

void CProgramApp::ExitInstance() {
    m_demoDevice.clear();
    m_mainFrame.reset();
    HelpService::SetViewer({});
    m_help.reset();
    // Kept for the next run while the translations are still there to word
    // a settings file that cannot be written.
    UserStore::WriteField(m_context.AppName(), m_context.band.bandCode);
    if (!m_context.SaveProfile()) {
        ReportSettingsNotSaved(nullptr, m_context.Profile().FilePath());
    }
    // The catalogue takes its set out of the application as it goes.
    m_context.SetTexts(SourceTexts());
    m_catalogue.reset();
    for (const std::unique_ptr<QTranslator>& translator : m_qtTranslators) {
        QCoreApplication::removeTranslator(translator.get());
    }
    m_qtTranslators.clear();
}

void CProgramApp::OnApplicationCommand(int id) {
    if (const Command* command = FindCommand(id)) {
        if (const AppHandler* handler = std::get_if<AppHandler>(&command->handler)) {
            (this->*(*handler))();
        }
    }
}

void CProgramApp::OnFileNew() {
    NewDocument();
}

bool CProgramApp::NewDocument() {
    if (CChildFrame* active = m_mainFrame->ActiveChild()) {
        if (MessageService::Show(m_mainFrame.get(),
                                 QCoreApplication::translate(
                                     "StringTable", StringTableText(IDS_DATA_WILL_BE_CLEARED)),
                                 MessageButtons::OkCancel,
                                 MessageIcon::Exclamation) != MessageAnswer::Ok) {
            return false;
        }
        m_mainFrame->DestroyChild(active);
    }
    auto doc = std::make_unique<CProgramDoc>();
    doc->OnNewDocument(m_context.Profile().GetValue("Setup", "AppName", ""), m_context.band,
                       m_context.Texts());
    AddDocumentWindow(std::move(doc));
    return true;
}

void CProgramApp::OnFileOpen() {
    // The dialog opens in the folder last used (the user's documents at
    // first), which the choice then replaces.
    const std::string appName = m_context.AppName();
    const QString folder = FileDialogs::StartPath(appName);
    const QString path = m_askOpenFileName
                             ? m_askOpenFileName(folder)
                             : FileDialogs::AskOpen(m_mainFrame.get(), appName, tr("Open"),
                                                    tr("*.dat (*.dat)"), folder);
    if (!path.isEmpty()) {
        FileDialogs::KeepFolderOf(appName, path);
        OpenDocumentFile(path);
    }
}

bool CProgramApp::OpenDocumentFile(const QString& path) {
    // A file that is open already is read again as a further document.
    const QString file = CleanDocumentPath(path);
    auto doc = std::make_unique<CProgramDoc>();
    const FileResult result = doc->OnOpenDocument(file.toStdString());
    if (!result.Ok()) {
        MessageService::Show(m_mainFrame.get(),
                             QString::fromStdString(result.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    // The window of the document that was active is hidden (only a document
    // window, never the main window).
    m_mainFrame->HideActiveChild();
    AddDocumentWindow(std::move(doc));
    m_mainFrame->Recent().Add(file);
    return true;
}

QPrinter& CProgramApp::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>();
    }
    return *m_printer;
}

ReportCommands& CProgramApp::Reports() {
    if (!m_reports) {
        m_reports = std::make_unique<ReportCommands>(m_context, m_mainFrame.get());
    }
    return *m_reports;
}

void CProgramApp::OnFilePrint() {
    if (CChildFrame* child = m_mainFrame->ActiveChild()) {
        Reports().Print(Printer(), child->Document().Image(), child->View().Channels());
    }
}

void CProgramApp::OnFilePrintPreview() {
    if (CChildFrame* child = m_mainFrame->ActiveChild()) {
        Reports().Preview(Printer(), child->Document().Image(), child->View().Channels());
    }
}

void CProgramApp::OnFileExportPdf() {
    CChildFrame* child = m_mainFrame->ActiveChild();
    if (!child) {
        return;
    }
    if (const QString pdf =
            Reports().ExportPdf(Printer(), child->Document(), child->View().Channels());
        !pdf.isEmpty()) {
        m_mainFrame->SetStatusMessage(tr("Report saved as %1").arg(QDir::toNativeSeparators(pdf)));
    }
}

void CProgramApp::OnFilePrintSetup() {
    // Without a printer the page setup has nothing to set up: say so.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        MessageService::Show(m_mainFrame.get(), tr("No printer is installed."), MessageButtons::Ok,
                             MessageIcon::Information);
        return;
    }
    QPageSetupDialog dialog(&Printer(), m_mainFrame.get());
    dialog.exec();
}

void CProgramApp::OnAppAbout() {
    CAboutDlg dialog(m_context, m_mainFrame.get());
    dialog.exec();
}

void CProgramApp::OnLanguage() {
    CLanguageDlg dialog(m_context.Texts().bChinese(), m_mainFrame.get());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // What this instance keeps for the next one is stored before the next
    // one starts and reads it.
    const ProcessStarter start = [this](const QString& program, const QStringList& arguments) {
        UserStore::WriteField(m_context.AppName(), m_context.band.bandCode);
        return m_startProgram ? m_startProgram(program, arguments)
                              : QProcess::startDetached(program, arguments);
    };
    // The new instance opens the files open now, the one in front last.
    SwitchLanguage(*m_mainFrame, m_context, dialog.Choice(),
                   RestartCommand{QCoreApplication::applicationFilePath(),
                                  m_restartArguments + m_mainFrame->OpenFilePaths(), start});
}
