#include "dialogs/field_table_dialog.h"

#include "ui/active_document.h"
#include "ui/field_binding.h"

#include <QDialogButtonBox>
#include <QPushButton>

CFieldTableDlg::CFieldTableDlg(const fields::FieldTable& table, QWidget* parent)
    : QDialog(parent), m_table(table) {}

int CFieldTableDlg::exec() {
    RadioImage* image = ActiveImage();
    return image ? DoModal(*image) : QDialog::Rejected;
}

int CFieldTableDlg::DoModal(RadioImage& image) {
    m_image = &image;
    OnInitDialog();
    const int result = QDialog::exec();
    m_image = nullptr;
    return result;
}

void CFieldTableDlg::OnInitDialog() {
    for (const fields::FieldSpec& spec : m_table) {
        binding::FillItems(spec, this);
    }
    binding::ShowFieldValues(m_table, fields::LoadFields(m_table, *m_image), this);
}

void CFieldTableDlg::OnOK() {
    if (m_image) {
        StoreControls(*m_image);
    }
    accept();
}

void CFieldTableDlg::StoreControls(RadioImage& image) const {
    fields::StoreFields(m_table, binding::ReadFieldValues(m_table, this), image);
}

QDialogButtonBox* CFieldTableDlg::CreateOkCancel() {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    binding::SetControlId(ok, 1);
    ok->setDefault(true);
    binding::SetControlId(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFieldTableDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}
