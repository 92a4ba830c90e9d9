#include "tests/app/app_fixture.h"
#include "session/document_session.h"

#include "link/port_name.h"
#include "model/channel_table.h"
#include "model/program_document.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

ProgramDirFixture::ProgramDirFixture() {
    UserStore::SetBaseDirectory(m_dir.filePath(QStringLiteral("user")));
    // The per-user data folder (the radio history) lies in the fixture too.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
}

void ProgramDirFixture::WriteSettings(const std::string& text) const {
    std::ofstream(FilePath(QStringLiteral("Program.ini")).toStdString(),
                  std::ios::binary | std::ios::trunc)
        << text;
}

void ProgramDirFixture::CopyTranslations() const {
    for (const char* name : {"English.qm", "Chinese.qm"}) {
        QFile::copy(QDir(QStringLiteral(PROGRAM_BIN_DIR)).filePath(QString::fromLatin1(name)),
                    FilePath(QString::fromLatin1(name)));
    }
}

void ProgramDirFixture::RemoveFile(const QString& name) const {
    QFile::remove(FilePath(name));
}

QStringList ProgramDirFixture::MessageTexts() const {
    QStringList texts;
    for (const MessageRequest& request : m_messages.seen) {
        texts << request.text;
    }
    return texts;
}

namespace {

const char* const kEnglishSection = "[English]\r\n"
                                    "Company=Acme Radio\r\n"
                                    "Title=Acme Programmer\r\n";
const char* const kChineseSection = "[Chinese]\r\n"
                                    "Company=中文公司\r\n"
                                    "Title=中文标题\r\n";

SimOptions SilentRadio() {
    SimOptions options;
    options.fault.kind = SimFaultKind::Silent;
    return options;
}

} // namespace

std::string EnglishSettings(const std::string& setupLines) {
    return "[Setup]\r\nLanguage=English\r\nAppName=TestProgram\r\n"
           "Type1=VHF\r\nType2=UHF\r\nType3=UHF2\r\n" +
           setupLines + kEnglishSection + kChineseSection;
}

std::string ChineseSettings(const std::string& setupLines) {
    return "[Setup]\r\nLanguage=Chinese\r\nAppName=TestProgram\r\n"
           "Type1=VHF\r\nType2=UHF\r\nType3=UHF2\r\n" +
           setupLines + kEnglishSection + kChineseSection;
}

bool StartProgram(CProgramApp& app, const ProgramDirFixture& dir, const std::string& setupLines,
                  StartupOptions options, bool chinese) {
    return StartProgramWithSettings(
        app, dir, chinese ? ChineseSettings(setupLines) : EnglishSettings(setupLines),
        std::move(options));
}

bool StartProgramWithSettings(CProgramApp& app, const ProgramDirFixture& dir,
                              const std::string& settings, StartupOptions options) {
    dir.WriteSettings(settings);
    dir.CopyTranslations();
    options.programDir = dir.Dir();
    options.splash = false;
    options.showWindow = false;
    return app.InitInstance(options);
}

void StartedProgram::Start(const std::string& setupLines, bool chinese) {
    m_dir = std::make_unique<ProgramDirFixture>();
    m_app = std::make_unique<CProgramApp>();
    QVERIFY(StartProgram(*m_app, *m_dir, setupLines, {}, chinese));
    // The panels count as visible once the window is shown.
    Frame().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
}

void StartedProgram::Stop() {
    if (m_app) {
        m_app->ExitInstance();
    }
    m_app.reset();
    m_dir.reset();
}

CMainFrame& StartedProgram::Frame() const {
    return *m_app->MainFrame();
}

CountingDialog::CountingDialog(QWidget* parent, EditorLog& log, int id)
    : ImageDialog(parent), m_log(log), m_id(id) {
    ++m_log.built[m_id];
}

int CountingDialog::DoModal(RadioImage&) {
    ++m_log.runs[m_id];
    return Accepted;
}

QString WriteDat(const ProgramDirFixture& dir, const QString& name, std::uint8_t marker) {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    image[0x1262] = marker;
    const QString path = dir.FilePath(name);
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path;
}

void EditAChannel(CProgramView& view) {
    ChannelTable channels = view.Channels();
    Cell(channels, 1, kColName) += "x";
    view.SetChannels(channels);
    emit view.ChannelsEdited();
}

QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

SilentRadioRead::SilentRadioRead() : m_radio(SilentRadio()) {}

bool SilentRadioRead::Start(CMainFrame& frame) {
    if (!m_radio.Start() || !frame.ActiveChild()) {
        return false;
    }
    frame.Context().portName = m_radio.DevicePath();
    DocumentSession& session = frame.ActiveChild()->Session();
    QSignalSpy running(&session, &DocumentSession::TransferRunningChanged);
    frame.OnCommand(ID_PROGRAM_READ);
    session.ProcessDialog()->StartButton()->click();
    return (running.count() > 0 || running.wait(10000)) && session.IsTransferRunning();
}
