#include "transfer/process_dialog.h"

#include "link/clone_engine.h"
#include "ui/dialog_frame.h"
#include "ui/help_service.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

CProcessDlg::CProcessDlg(QWidget* owner)
    : QDialog(owner, kDialogFrame), m_control(std::make_shared<TransferControl>()),
      m_start(new QPushButton(tr("Start"), this)), m_cancel(new QPushButton(tr("Cancel"), this)),
      m_progress(new QProgressBar(this)), m_status(new QLabel(this)) {
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

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_progress, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Progress："), this), 1, 0);
    grid->addWidget(m_status, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(320);

    connect(m_start, &QPushButton::clicked, this, &CProcessDlg::onStart);
    connect(m_cancel, &QPushButton::clicked, this, &CProcessDlg::onCancel);
}

void CProcessDlg::Open() {
    m_control = std::make_shared<TransferControl>();
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
}

void CProcessDlg::SetTitle(const QString& title) {
    m_strTitle = title;
    if (m_open) {
        setWindowTitle(m_strTitle);
    }
}

void CProcessDlg::Close() {
    m_open = false;
    hide();
}

void CProcessDlg::SetProgress(int position) {
    m_progress->setValue(position);
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

void CProcessDlg::reject() {
    onCancel();
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCancel();
}
