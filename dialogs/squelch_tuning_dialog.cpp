#include "dialogs/squelch_tuning_dialog.h"

#include "model/fields/squelch_fields.h"
#include "model/image_layout.h"
#include "settings/program_context.h"
#include "ui/field_binding.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CSquelchTuningDlg::CSquelchTuningDlg(const ProgramContext& context, QWidget* parent)
    : CBoundDialog(fields::Group("squelch"), parent, context.Texts().bChinese()),
      m_context(context), m_runner(context.Texts()) {
    setWindowTitle(tr("Squelch Tuning"));
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout(this);
    const fields::FieldTable& table = Group().Page("squelch").fields;
    for (int level = 0; level < layout::kSquelchLevelCount; ++level) {
        const fields::FieldSpec& spec = table[static_cast<std::size_t>(level)];
        m_lists[level] = static_cast<QComboBox*>(
            binding::CreateFieldControl(spec, ControlIds(), this, bChinese()));
        grid->addWidget(binding::CreateFieldLabel(spec, this), level, 0);
        grid->addWidget(m_lists[level], level, 1);
    }
    m_buttons = CreateOkCancel();
    m_write = m_buttons->addButton(tr("Write"), QDialogButtonBox::ActionRole);
    m_read = m_buttons->addButton(tr("Read"), QDialogButtonBox::ActionRole);
    for (auto [button, id] :
         {std::pair{m_write, kWriteButtonId}, std::pair{m_read, kReadButtonId}}) {
        binding::SetControlId(button, id);
        button->setAutoDefault(false);
    }
    connect(m_write, &QPushButton::clicked, this, &CSquelchTuningDlg::OnWrite);
    connect(m_read, &QPushButton::clicked, this, &CSquelchTuningDlg::OnRead);
    connect(&m_runner, &TransferRunner::Finished, this, &CSquelchTuningDlg::onTransferFinished);
    grid->addWidget(m_buttons, layout::kSquelchLevelCount, 0, 1, 2);
    BindPage(this, "squelch");
}

void CSquelchTuningDlg::OnRead() {
    runTransfer([](SquelchEngine& engine, const std::string& port, RadioImage& image) {
        return engine.Read(port, image);
    });
}

void CSquelchTuningDlg::OnWrite() {
    // The lists as they stand when Write is pressed: the transfer stores
    // them into its image once programming mode was entered.
    RadioImage stored = *Image();
    StoreControls(stored);
    runTransfer([stored](SquelchEngine& engine, const std::string& port, RadioImage& image) {
        return engine.Write(port, image, [&stored](RadioImage& target) { target = stored; });
    });
}

void CSquelchTuningDlg::runTransfer(SquelchJob job) {
    if (m_runner.IsRunning() || Image() == nullptr) {
        return;
    }
    // Only the runner's going sets the flag: the dialog destroyed meanwhile.
    auto control = std::make_shared<TransferControl>();
    control->Start();
    setBusy(true);
    m_runner.SetWireLog(m_wireLog);
    m_runner.Start(
        [port = m_context.portName, job = std::move(job),
         control](SerialLink& link, TransferObserver& observer, RadioImage& image) {
            SquelchEngine engine(link, observer, &control->CancelFlag());
            return job(engine, port, image);
        },
        *Image(), this, control);
}

void CSquelchTuningDlg::onTransferFinished(const TransferResult& result) {
    setBusy(false);
    // An opening ended meanwhile (by the application's exit) keeps its image
    // as it was.
    if (Image() != nullptr) {
        *Image() = m_runner.Image();
        if (result.kind == TransferKind::SquelchRead &&
            result.outcome == TransferOutcome::Completed) {
            LoadControls();
        }
    }
    emit TransferEnded(result);
}

void CSquelchTuningDlg::setBusy(bool busy) {
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
    if (!IsBusy()) {
        CBoundDialog::done(result);
    }
}
