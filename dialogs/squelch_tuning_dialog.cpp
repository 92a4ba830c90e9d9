#include "dialogs/squelch_tuning_dialog.h"

#include "link/port_name.h"
#include "link/squelch_engine.h"
#include "model/fields/squelch_fields.h"
#include "model/image_layout.h"
#include "ui/field_binding.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent)
    : CBoundDialog(fields::Group("squelch"), parent) {
    setWindowTitle(tr("Squelch Tuning"));
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout(this);
    const fields::FieldTable& table = Group().Page("squelch").fields;
    for (int level = 0; level < layout::kSquelchLevelCount; ++level) {
        const fields::FieldSpec& spec = table[static_cast<std::size_t>(level)];
        m_lists[level] = static_cast<QComboBox*>(binding::CreateFieldControl(spec, this));
        grid->addWidget(binding::CreateFieldLabel(spec, this), level, 0);
        grid->addWidget(m_lists[level], level, 1);
    }
    m_buttons = CreateOkCancel();
    m_write = m_buttons->addButton(tr("Write"), QDialogButtonBox::ActionRole);
    m_read = m_buttons->addButton(tr("Read"), QDialogButtonBox::ActionRole);
    for (auto [button, id] :
         {std::pair{m_write, squelch::kWriteButtonId}, std::pair{m_read, squelch::kReadButtonId}}) {
        binding::SetControlId(button, id);
        button->setAutoDefault(false);
    }
    connect(m_write, &QPushButton::clicked, this, &CSquelchTuningDlg::OnWrite);
    connect(m_read, &QPushButton::clicked, this, &CSquelchTuningDlg::OnRead);
    grid->addWidget(m_buttons, layout::kSquelchLevelCount, 0, 1, 2);
    BindPage(this, "squelch");
}

void CSquelchTuningDlg::OnRead() {
    const TransferResult result = runTransfer(
        [port = g_portName](SerialLink& link, TransferObserver& observer, RadioImage& image) {
            return SquelchEngine(link, observer).Read(port, image);
        });
    if (result.outcome == TransferOutcome::Completed) {
        LoadControls();
    }
}

void CSquelchTuningDlg::OnWrite() {
    // The lists as they stand when Write is pressed: the transfer stores
    // them into its image once programming mode was entered.
    RadioImage stored = *Image();
    StoreControls(stored);
    runTransfer([port = g_portName, stored](SerialLink& link, TransferObserver& observer,
                                            RadioImage& image) {
        return SquelchEngine(link, observer).Write(port, image, [&stored](RadioImage& target) {
            target = stored;
        });
    });
}

TransferResult CSquelchTuningDlg::runTransfer(TransferRunner::Job job) {
    TransferRunner runner;
    runner.SetWireLog(m_wireLog);
    TransferResult result;
    QEventLoop waiting;
    connect(&runner, &TransferRunner::Finished, &waiting,
            [&result, &waiting](const TransferResult& ended) {
                result = ended;
                waiting.quit();
            });
    setBusy(true);
    if (runner.Start(std::move(job), *Image(), this)) {
        waiting.exec();
    }
    setBusy(false);
    // A loop ended by the application's exit leaves the transfer to the
    // runner's teardown and the image as it was.
    if (!runner.IsRunning()) {
        *Image() = runner.Image();
    }
    return result;
}

void CSquelchTuningDlg::setBusy(bool busy) {
    m_busy = busy;
    if (busy) {
        m_focusBeforeTransfer = focusWidget();
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
    for (QComboBox* list : m_lists) {
        list->setEnabled(!busy);
    }
    m_buttons->setEnabled(!busy);
    // The button that was pressed has the focus again.
    if (!busy && m_focusBeforeTransfer) {
        m_focusBeforeTransfer->setFocus();
    }
}

void CSquelchTuningDlg::done(int result) {
    if (!m_busy) {
        CBoundDialog::done(result);
    }
}
