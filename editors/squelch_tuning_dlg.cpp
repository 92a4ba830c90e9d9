#include "editors/squelch_tuning_dlg.h"

#include "editors/field_binding.h"
#include "editors/message_observer.h"
#include "link/port_name.h"
#include "link/squelch_engine.h"
#include "link_qt/qt_serial_link.h"
#include "model/fields/squelch_fields.h"
#include "shell/services/active_document.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kDialogId = 203;

const char* const kLabels[squelch::kLevelCount] = {
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "V Wide Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "V Narrow Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "U Wide Squelch Tuning"),
    QT_TRANSLATE_NOOP("CSquelchTuningDlg", "U Narrow Squelch Tuning"),
};

QPushButton* MakeButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    binding::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Squelch Tuning"));
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout;
    const fields::FieldTable& table = squelch::Page().fields;
    for (int level = 0; level < squelch::kLevelCount; ++level) {
        m_lists[level] = static_cast<QComboBox*>(
            binding::CreateFieldControl(table[static_cast<std::size_t>(level)], this));
        grid->addWidget(new QLabel(tr(kLabels[level]), this), level, 0);
        grid->addWidget(m_lists[level], level, 1);
    }
    m_write = MakeButton(tr("Write"), squelch::kWriteButtonId, this);
    m_read = MakeButton(tr("Read"), squelch::kReadButtonId, this);
    QPushButton* ok = MakeButton(tr("OK"), 1, this);
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(tr("Cancel"), 2, this);
    connect(m_write, &QPushButton::clicked, this, &CSquelchTuningDlg::OnWrite);
    connect(m_read, &QPushButton::clicked, this, &CSquelchTuningDlg::OnRead);
    connect(ok, &QPushButton::clicked, this, &CSquelchTuningDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSquelchTuningDlg::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_write, m_read, ok, cancel}) {
        buttons->addWidget(button);
    }
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addLayout(buttons, 1, 0);
}

int CSquelchTuningDlg::DoModal(RadioImage& image) {
    m_image = &image;
    for (const fields::FieldSpec& spec : squelch::Page().fields) {
        binding::FillItems(spec, this);
    }
    ShowLevels();
    const int result = QDialog::exec();
    m_image = nullptr;
    return result;
}

int CSquelchTuningDlg::exec() {
    RadioImage* image = ActiveImage();
    return image ? DoModal(*image) : Rejected;
}

void CSquelchTuningDlg::accept() {
    StoreLevels(*m_image);
    QDialog::accept();
}

void CSquelchTuningDlg::OnRead() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    if (engine.Read(g_portName, *m_image).outcome == TransferOutcome::Completed) {
        ShowLevels();
    }
}

void CSquelchTuningDlg::OnWrite() {
    MessageObserver observer(this);
    QtSerialLink link;
    SquelchEngine engine(link, observer);
    engine.Write(g_portName, *m_image, [this](RadioImage& image) { StoreLevels(image); });
}

void CSquelchTuningDlg::ShowLevels() {
    const fields::FieldTable& table = squelch::Page().fields;
    binding::ShowFieldValues(table, fields::LoadFields(table, *m_image), this);
}

void CSquelchTuningDlg::StoreLevels(RadioImage& image) const {
    const fields::FieldTable& table = squelch::Page().fields;
    fields::StoreFields(table, binding::ReadFieldValues(table, this), image);
}
