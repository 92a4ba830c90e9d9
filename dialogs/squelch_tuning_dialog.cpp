#include "dialogs/squelch_tuning_dialog.h"

#include "link/port_name.h"
#include "link/squelch_engine.h"
#include "link_qt/qt_serial_link.h"
#include "model/fields/squelch_fields.h"
#include "transfer/message_observer.h"
#include "ui/field_binding.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kDialogId = 203;

} // namespace

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent)
    : CBoundDialog(fields::Group("squelch"), parent) {
    setWindowTitle(tr("Squelch Tuning"));
    binding::SetControlId(this, kDialogId);
    auto* layout = new QGridLayout(this);
    const fields::FieldTable& table = Group().Page("squelch").fields;
    for (int level = 0; level < squelch::kLevelCount; ++level) {
        const fields::FieldSpec& spec = table[static_cast<std::size_t>(level)];
        m_lists[level] = static_cast<QComboBox*>(binding::CreateFieldControl(spec, this));
        layout->addWidget(binding::CreateFieldLabel(spec, this), level, 0);
        layout->addWidget(m_lists[level], level, 1);
    }
    QDialogButtonBox* buttons = CreateOkCancel();
    m_write = buttons->addButton(tr("Write"), QDialogButtonBox::ActionRole);
    m_read = buttons->addButton(tr("Read"), QDialogButtonBox::ActionRole);
    for (auto [button, id] :
         {std::pair{m_write, squelch::kWriteButtonId}, std::pair{m_read, squelch::kReadButtonId}}) {
        binding::SetControlId(button, id);
        button->setAutoDefault(false);
    }
    connect(m_write, &QPushButton::clicked, this, &CSquelchTuningDlg::OnWrite);
    connect(m_read, &QPushButton::clicked, this, &CSquelchTuningDlg::OnRead);
    layout->addWidget(buttons, squelch::kLevelCount, 0, 1, 2);
    BindPage(this, "squelch");
}

void CSquelchTuningDlg::OnRead() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    if (engine.Read(g_portName, *Image()).outcome == TransferOutcome::Completed) {
        LoadControls();
    }
}

void CSquelchTuningDlg::OnWrite() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    engine.Write(g_portName, *Image(), [this](RadioImage& image) { StoreControls(image); });
}
