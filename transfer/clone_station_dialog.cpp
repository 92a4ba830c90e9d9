#include "transfer/clone_station_dialog.h"

#include "link_qt/qt_serial_link.h"
#include "station/clone_recorder.h"
#include "transfer/clone_results_pane.h"
#include "transfer/station_relay.h"
#include "transfer/station_table.h"
#include "ui/dialog_frame.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/message_service.h"
#include "ui/screen_fit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QVBoxLayout>

// Everything of one run of the stations; the stations go first, so that no
// thread reports to what is gone.
struct CCloneStationDlg::Session {
    Session(const std::vector<std::string>& ports, const QByteArray& sha256, QString historyFolder,
            const TextCatalogue& texts)
        : tally(ports), recorder(log, sha256.toStdString(), tally),
          relay(recorder, QFile::encodeName(historyFolder).toStdString(), texts) {}

    CloneLog log;
    CloneTally tally;
    CloneRecorder recorder;
    CloneControl control;
    StationRelay relay;
    std::unique_ptr<CloneStations> stations;
};

namespace {

using binding::SetControlId;

} // namespace

QString CloneImageText(const CloneImage& image) {
    const QByteArray bytes(reinterpret_cast<const char*>(image.image.data()),
                           static_cast<qsizetype>(image.image.size()));
    const QByteArray sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return CCloneStationDlg::tr("%1 (SHA-256 %2)").arg(image.title, QString::fromLatin1(sha.left(8)));
}

QString DefaultCloneLogPath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath(QString::fromUtf8(kCloneLogFileName));
}

CCloneStationDlg::CCloneStationDlg(CloneStationSetup setup, QWidget* parent)
    : QDialog(parent, kDialogFrame | Qt::WindowMinMaxButtonsHint), m_setup(std::move(setup)) {
    if (!m_setup.makeLink) {
        m_setup.makeLink = [] { return std::make_unique<QtSerialLink>(); };
    }
    setWindowTitle(tr("Clone Station"));
    SetControlId(this, kDialogId);
    // The stations' rows above what the session came to; the operator moves
    // the line between them, and neither is squeezed away.
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(makeSessionPart());
    m_results = new CloneResultsPane(m_setup.logPath, splitter);
    m_logTable = m_results->LogTable();
    SetControlId(m_logTable, kLogTableId);
    SetControlId(m_results->LogPath(), kLogPathId);
    splitter->addWidget(m_results);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    // On a small screen (1024 x 768 at scale 2) the window's parts scroll
    // within it rather than reach beyond the screen.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(makeSetupPart());
    contentLayout->addWidget(splitter, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    SetControlId(buttons->button(QDialogButtonBox::Close), kCloseId);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCloneStationDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    // Enter belongs to the field it is typed in (Other device adds its
    // device); no button of the window takes it.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    constexpr QSize kFirstSize(860, 720);
    ResizeWithinScreen(*this, kFirstSize);
    refreshChoices();
    updateButtons();
    // The first thing to do is to name the ports; Tab leaves the stations
    // table for the next control rather than walking its rows.
    m_stations->setTabKeyNavigation(false);
    m_ports->DeviceEdit()->setFocus();
    // F1 opens the topic of the focused control.
    new DialogKeyHook(this, {});
}

CCloneStationDlg::~CCloneStationDlg() {
    if (m_session) {
        // The stations end at their next cancel point; the window is going
        // with the program, so this is the one wait there is.
        m_session->control.Cancel();
        m_session->stations.reset();
    }
}

QWidget* CCloneStationDlg::makeSetupPart() {
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    m_image = new QLabel(part);
    layout->addWidget(m_image);

    m_ports = new PortChoiceList(m_setup.ports, part);
    SetControlId(m_ports->List(), kPortListId);
    SetControlId(m_ports->DeviceEdit(), kDeviceEditId);
    SetControlId(m_ports->AddButton(), kAddDeviceId);
    layout->addWidget(m_ports);

    auto* options = new QHBoxLayout;
    auto* boxes = new QVBoxLayout;
    options->addLayout(boxes);
    // The Setup menu's items, in its words, one above the other so that the
    // window stays narrow.
    m_verify =
        new QCheckBox(QCoreApplication::translate("CMainFrame", "Verify after writing"), part);
    SetControlId(m_verify, kVerifyId);
    m_readFirst = new QCheckBox(
        QCoreApplication::translate("CMainFrame", "Read the radio before writing"), part);
    SetControlId(m_readFirst, kReadFirstId);
    for (QCheckBox* box : {m_verify, m_readFirst}) {
        connect(box, &QCheckBox::toggled, this, &CCloneStationDlg::storeSafety);
        boxes->addWidget(box);
    }
    options->addStretch(1);
    m_start = new QPushButton(tr("Start"), part);
    SetControlId(m_start, kStartId);
    m_stop = new QPushButton(tr("Stop"), part);
    SetControlId(m_stop, kStopId);
    connect(m_start, &QPushButton::clicked, this, &CCloneStationDlg::start);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (ConfirmStop()) {
            StopStations();
        }
    });
    options->addWidget(m_start);
    options->addWidget(m_stop);
    layout->addLayout(options);
    return part;
}

QWidget* CCloneStationDlg::makeSessionPart() {
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QLabel(
        tr("After a radio, swap it and press Next on its row (or Space on the selected row)."),
        part);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_stations = new StationTable(*m_setup.texts, part);
    SetControlId(m_stations, kStationTableId);
    connect(m_stations, &StationTable::nextRequested, this, [this](const QString& port) {
        if (m_session) {
            m_session->control.Release(port.toStdString());
        }
    });
    // Room for the header and two rows however small the window.
    m_stations->setMinimumHeight(m_stations->fontMetrics().lineSpacing() * 6);
    layout->addWidget(m_stations, 1);
    return part;
}

bool CCloneStationDlg::event(QEvent* event) {
    // The active document, the ports and the Setup menu may have changed
    // while the window was in the background.
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !m_session) {
        refreshChoices();
    }
    return QDialog::event(event);
}

void CCloneStationDlg::refreshChoices() {
    const std::optional<CloneImage> shown =
        m_setup.shownImage ? m_setup.shownImage() : std::nullopt;
    m_image->setText(shown ? tr("Image: %1").arg(CloneImageText(*shown))
                           : tr("Image: no document is open"));
    ShowSafety();
    m_ports->Refresh();
}

void CCloneStationDlg::ShowSafety() {
    // A running session keeps the steps it started with.
    if (m_setup.safety && !m_session) {
        const WriteSafety safety = m_setup.safety();
        const QSignalBlocker verifyBlocker(m_verify);
        const QSignalBlocker readFirstBlocker(m_readFirst);
        m_verify->setChecked(safety.verify);
        m_readFirst->setChecked(safety.readFirst);
    }
}

void CCloneStationDlg::storeSafety() {
    if (m_setup.setSafety) {
        m_setup.setSafety({.readFirst = m_readFirst->isChecked(), .verify = m_verify->isChecked()});
    }
}

void CCloneStationDlg::start() {
    if (m_session) {
        return;
    }
    QString problem;
    const std::optional<CloneImage> image = m_setup.image(problem);
    if (!image) {
        if (!problem.isEmpty()) {
            MessageService::Show(this, problem, MessageButtons::Ok, MessageIcon::Exclamation);
        }
        return;
    }
    const std::vector<QString> ports = m_ports->CheckedPorts();
    if (ports.empty()) {
        MessageService::Show(this, tr("Check the ports of the stations first."), MessageButtons::Ok,
                             MessageIcon::Exclamation);
        return;
    }
    // Writing a blank table into a fleet is seldom meant: No is the default.
    if (!image->hasChannels &&
        MessageService::Ask(this,
                            tr("The image %1 has no channels. Write it into the radios all "
                               "the same?")
                                .arg(image->title),
                            MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes) {
        return;
    }
    std::vector<std::string> names;
    for (const QString& port : ports) {
        names.push_back(port.toStdString());
    }
    // The log names the image by the SHA-256 of the bytes written.
    const QByteArray bytes(reinterpret_cast<const char*>(image->image.data()),
                           static_cast<qsizetype>(image->image.size()));
    auto session = std::make_unique<Session>(
        names, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(),
        m_setup.historyFolder, *m_setup.texts);
    if (std::string error;
        !session->log.Open(QFile::encodeName(m_setup.logPath).toStdString(), error)) {
        MessageService::Show(
            this, tr("The clone log cannot be written: %1").arg(QString::fromStdString(error)),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    StationRelay* relay = &session->relay;
    connect(relay, &StationRelay::stateChanged, this, &CCloneStationDlg::onState,
            Qt::QueuedConnection);
    connect(relay, &StationRelay::progressed, m_stations, &StationTable::OnProgress,
            Qt::QueuedConnection);
    connect(relay, &StationRelay::radioReported, this, &CCloneStationDlg::onRadio,
            Qt::QueuedConnection);
    connect(relay, &StationRelay::portFailed, m_stations, &StationTable::OnPortFailed,
            Qt::QueuedConnection);
    connect(
        relay, &StationRelay::logFailed, this,
        [this] { m_results->SetNote(tr("The clone log could not be written.")); },
        Qt::QueuedConnection);
    connect(
        relay, &StationRelay::historyFailed, this,
        [this](const QString& message) {
            m_results->SetNote(
                tr("A radio read before writing could not be kept in the radio history: %1")
                    .arg(message));
        },
        Qt::QueuedConnection);

    m_stations->SetPorts(ports);
    m_logTable->setRowCount(0);
    m_results->SetSummary(QString());
    m_results->SetNote(QString());
    m_stopAsked = false;
    CloneJob job{.image = image->image,
                 .safety = {.readFirst = m_readFirst->isChecked(), .verify = m_verify->isChecked()},
                 .attemptInterval = m_setup.attemptInterval,
                 .texts = m_setup.texts};
    m_image->setText(tr("Image: %1").arg(CloneImageText(*image)));
    session->stations =
        std::make_unique<CloneStations>(job, session->control, session->relay, m_setup.makeLink);
    m_session = std::move(session);
    m_session->stations->Start(names);
    updateButtons();
    m_stations->setFocus();
}

void CCloneStationDlg::onState(const QString& port, StationState state) {
    m_stations->OnState(port, state);
    if (m_session && m_stations->AllStopped()) {
        endSession();
    }
}

void CCloneStationDlg::onRadio(const RadioReport& report) {
    m_stations->OnRadio(report);
    const int row = m_logTable->rowCount();
    m_logTable->insertRow(row);
    const QStringList cells{
        QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")),
        QString::fromStdString(report.port),
        QString::number(report.radioNumber),
        QString::fromStdString(ResultText(report.result, *m_setup.texts)),
        QString::number(report.seconds, 'f', 1),
        QString::fromStdString(report.message),
    };
    for (int column = 0; column < cells.size(); ++column) {
        m_logTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_logTable->scrollToBottom();
}

void CCloneStationDlg::endSession() {
    m_results->SetSummary(
        QString::fromStdString(SummaryText(m_session->tally, m_stopAsked, *m_setup.texts))
            .trimmed());
    // Every station has said its last word; their threads are ending.
    m_session.reset();
    updateButtons();
    if (!isVisible()) {
        return;
    }
    refreshChoices();
}

void CCloneStationDlg::updateButtons() {
    const bool idle = !m_session;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_ports, m_verify, m_readFirst, m_start}) {
        widget->setEnabled(idle);
    }
    m_stop->setEnabled(!idle && !m_stopAsked);
}

bool CCloneStationDlg::Running() const {
    return m_session != nullptr;
}

bool CCloneStationDlg::ConfirmStop() {
    if (!m_session || !m_stations->AnyRadioInHand()) {
        return true;
    }
    // No is the default: Enter on the question keeps the stations working.
    // Only a radio being written is left with part of the new data.
    const QString question =
        m_stations->AnyWriting()
            ? tr("A station is writing a radio. Stop every station now?\n"
                 "A radio stopped while it is being written holds part of "
                 "the new data and must be written again.")
            : tr("A station is reading a radio (before writing it, or to verify it). Stop "
                 "every station now?");
    return MessageService::Ask(this, question, MessageButtons::YesNo, MessageAnswer::No) ==
           MessageAnswer::Yes;
}

void CCloneStationDlg::StopStations() {
    if (m_session) {
        m_stopAsked = true;
        m_session->control.Cancel();
        updateButtons();
    }
}

void CCloneStationDlg::reject() {
    if (!ConfirmStop()) {
        return;
    }
    StopStations();
    QDialog::reject();
}
