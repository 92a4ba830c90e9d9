#include "transfer/process_dialog.h"

#include "link/clone_engine.h"
#include "ui/dialog_frame.h"
#include "ui/dialog_keys.h"
#include "ui/help_service.h"
#include "ui/message_service.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

CProcessDlg::CProcessDlg(const TextCatalogue& texts, QWidget* owner)
    : QDialog(owner, kDialogFrame), m_texts(texts), m_control(std::make_shared<TransferControl>()),
      m_start(new QPushButton(tr("Start"), this)), m_cancel(new QPushButton(tr("Cancel"), this)),
      m_progress(new QProgressBar(this)), m_status(new QLabel(this)), m_phaseText(new QLabel(this)),
      m_document(new QLabel(this)), m_readKey(new QShortcut(this)), m_writeKey(new QShortcut(this)) {
    setModal(false);
    setProperty(kControlIdProperty, IDD_PROCESS);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_start->setProperty(kControlIdProperty, 1);
    m_start->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setProperty(kControlIdProperty, 2);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setProperty(kControlIdProperty, static_cast<int>(IDC_PROCESS_PROGRESS));
    m_progress->setTextVisible(false);
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setProperty(kControlIdProperty, static_cast<int>(IDC_PROCESS_STATUS));
    m_phaseText->setObjectName(QStringLiteral("phaseText"));
    m_phaseText->setWordWrap(true);
    m_document->setObjectName(QStringLiteral("documentText"));
    m_document->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_document, 0, 0, 1, 2);
    grid->addWidget(m_phaseText, 1, 0, 1, 2);
    grid->addWidget(m_progress, 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Progress："), this), 3, 0);
    grid->addWidget(m_status, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(320);

    connect(m_start, &QPushButton::clicked, this, &CProcessDlg::onStart);
    connect(m_cancel, &QPushButton::clicked, this, &CProcessDlg::onCancel);
    connect(m_readKey, &QShortcut::activated, this,
            [this] { emit DirectionChosen(TransferDirection::Read); });
    connect(m_writeKey, &QShortcut::activated, this,
            [this] { emit DirectionChosen(TransferDirection::Write); });
    // F1 opens the help topic of the focused control, as in every dialog.
    new DialogKeyHook(this, {});
}

void CProcessDlg::SetDirectionKeys(const QKeySequence& read, const QKeySequence& write) {
    m_readKey->setKey(read);
    m_writeKey->setKey(write);
}

void CProcessDlg::Open() {
    m_control = std::make_shared<TransferControl>();
    m_phase = {};
    m_phaseText->setText(m_waitingNote);
    m_progress->setRange(0, kProgressRange);
    m_progress->setValue(0);
    m_status->setText(tr("Not start yet"));
    m_start->setEnabled(true);
    setWindowTitle(m_strTitle);
    m_open = true;
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - rect().center());
    }
    show();
    // The last opening's Start went disabled and left the focus on Cancel:
    // Enter starts, at every opening.
    m_start->setDefault(true);
    m_start->setFocus(Qt::OtherFocusReason);
}

void CProcessDlg::SetTitle(const QString& title) {
    m_strTitle = title;
    if (m_open) {
        setWindowTitle(m_strTitle);
    }
}

void CProcessDlg::SetDocumentTitle(const QString& title) {
    m_document->setText(tr("Document: %1").arg(title));
}

void CProcessDlg::SetWaitingNote(const QString& note) {
    m_waitingNote = note;
    if (m_open && m_start->isEnabled()) {
        m_phaseText->setText(note);
    }
}

void CProcessDlg::Close() {
    m_open = false;
    hide();
}

void CProcessDlg::SetPhase(const TransferPhase& phase) {
    m_phase = phase;
    m_phaseText->setText(QString::fromStdString(PhaseText(phase, m_texts)));
    m_progress->setRange(0, phase.rowsTotal);
    m_progress->setValue(phase.rowsBefore);
}

void CProcessDlg::SetProgress(int position) {
    m_progress->setValue(m_phase.rowsBefore + position);
    // The share of the whole job, not the step's own row number.
    const int percent =
        m_progress->maximum() > 0 ? m_progress->value() * 100 / m_progress->maximum() : 0;
    m_status->setText(QStringLiteral("%1%").arg(percent));
}

void CProcessDlg::SetStatus(const QString& text) {
    m_status->setText(text);
}

void CProcessDlg::onStart() {
    if (!m_control->Start()) {
        return;
    }
    m_start->setEnabled(false);
    QMetaObject::invokeMethod(this, &CProcessDlg::StartRequested, Qt::QueuedConnection);
}

void CProcessDlg::onCancel() {
    // Before Start the window simply goes; a running transfer only learns of
    // the request and closes the window itself when it has stopped.
    if (m_control->Cancel()) {
        Close();
    }
}

void CProcessDlg::onClose() {
    // A stray click or key must not stop a write half-way; the Cancel button
    // says what it does and stops at once. Before the write step (the radio
    // read first) and after it (the verify) nothing is half-written.
    if (m_control->Started() && m_phase.step == TransferStep::Write) {
        const MessageAnswer answer =
            MessageService::Show(this,
                                 tr("Stop writing? The radio will then hold part of the new data "
                                    "and must be written again before use."),
                                 MessageButtons::OkCancel, MessageIcon::Question);
        // The write may have ended while the question was open.
        if (answer != MessageAnswer::Ok || !m_open) {
            return;
        }
    }
    onCancel();
}

void CProcessDlg::reject() {
    onClose();
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    onClose();
}
