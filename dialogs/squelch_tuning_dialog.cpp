#include "dialogs/squelch_tuning_dialog.h"

#include "link/port_name.h"
#include "link/squelch_engine.h"
#include "link_qt/qt_serial_link.h"
#include "model/fields/squelch_fields.h"
#include "model/image_layout.h"
#include "transfer/message_observer.h"
#include "ui/field_binding.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kDialogId = 203;

const char* const kLabels[layout::kSquelchLevelCount] = {
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "V Wide Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "V Narrow Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "U Wide Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "U Narrow Squelch Tuning"),
};

} // namespace

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent)
    : CFieldTableDlg(squelch::Page().fields, parent) {
    setWindowTitle(tr("Squelch Tuning"));
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout(this);
    const fields::FieldTable& table = squelch::Page().fields;
    for (int level = 0; level < layout::kSquelchLevelCount; ++level) {
        m_lists[level] = static_cast<QComboBox*>(
            binding::CreateFieldControl(table[static_cast<std::size_t>(level)], this));
        grid->addWidget(new QLabel(tr(kLabels[level]), this), level, 0);
        grid->addWidget(m_lists[level], level, 1);
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
    grid->addWidget(buttons, layout::kSquelchLevelCount, 0, 1, 2);
}

void CSquelchTuningDlg::OnRead() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    if (engine.Read(g_portName, *Image()).outcome == TransferOutcome::Completed) {
        OnInitDialog();
    }
}

void CSquelchTuningDlg::OnWrite() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    engine.Write(g_portName, *Image(), [this](RadioImage& image) { StoreControls(image); });
}
