#include "print/print_list_dialog.h"

#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

namespace {

QPushButton* Button(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    binding::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPrintListDlg::CPrintListDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("PrintList"));
    binding::SetControlId(this, kDialogId);
    const QString captions[report::kSectionCount] = {tr("DTMF"), tr("MSK"), tr("Optional"),
                                                     tr("2-Tone"), tr("Channel Info")};
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (int i = 0; i < report::kSectionCount; ++i) {
        auto* box = new QCheckBox(captions[i], this);
        box->setObjectName(QString::number(kCheckIds[i]));
        binding::SetControlId(box, kCheckIds[i]);
        // A click hands that box's state on to the selection at once.
        connect(box, &QCheckBox::clicked, this,
                [this, i](bool checked) { m_sectionSelected[static_cast<std::size_t>(i)] = checked; });
        layout->addWidget(box, i, 0);
        m_sectionCheck[static_cast<std::size_t>(i)] = box;
    }
    QPushButton* selectAll = Button(tr("Select All"), kSelectAllId, this);
    QPushButton* clearAll = Button(tr("Clear All"), kClearAllId, this);
    QPushButton* ok = Button(tr("OK"), 1, this);
    QPushButton* cancel = Button(tr("Cancel"), 2, this);
    ok->setDefault(true);
    layout->addWidget(selectAll, 0, 1);
    layout->addWidget(clearAll, 1, 1);
    layout->addWidget(ok, 3, 1);
    layout->addWidget(cancel, 4, 1);
    connect(selectAll, &QPushButton::clicked, this, [this] { SetAllChecks(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { SetAllChecks(false); });
    connect(ok, &QPushButton::clicked, this, &CPrintListDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // F1 opens the help topic of the focused control.
    new DialogKeyHook(this, {});
}

int CPrintListDlg::DoModal(const ChannelTable& channels) {
    m_sectionPages = report::CountSectionPages(channels);
    m_sectionSelected = {};
    const report::SectionFlags opening = report::DefaultSelection();
    for (std::size_t i = 0; i < m_sectionCheck.size(); ++i) {
        m_sectionCheck[i]->setChecked(opening[i]);
    }
    return exec();
}

void CPrintListDlg::SetAllChecks(bool checked) {
    for (QCheckBox* box : m_sectionCheck) {
        box->setChecked(checked);
    }
}

void CPrintListDlg::OnOK() {
    for (std::size_t i = 0; i < m_sectionCheck.size(); ++i) {
        m_sectionSelected[i] = m_sectionCheck[i]->isChecked();
    }
    accept();
}
