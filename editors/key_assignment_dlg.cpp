#include "editors/key_assignment_dlg.h"

#include "editors/dialog_keys.h"
#include "editors/field_binding.h"
#include "model/fields/side_key_fields.h"
#include "shell/services/active_document.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const fields::FieldSpec& SideKey() {
    return side_key::Fields().front();
}

// This dialog's help is the English set in either language.
constexpr const char* kHelpFile = "enHelp.chm";

} // namespace

CKeyAssignDlg::CKeyAssignDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Key Assignment"));
    binding::SetControlId(this, kDialogId);
    auto* group = new QGroupBox(tr("Side Key"), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttonGroup = new QButtonGroup(group);
    for (std::size_t i = 0; i < SideKey().items.size(); ++i) {
        auto* button =
            new QRadioButton(binding::ToQString(fields::ItemInLanguage(SideKey().items[i])), group);
        binding::SetControlId(button, SideKey().itemIds[i]);
        buttonGroup->addButton(button, static_cast<int>(i));
        groupLayout->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    binding::SetControlId(ok, 1);
    ok->setDefault(true);
    binding::SetControlId(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKeyAssignDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    const std::vector<int> buttonIds = SideKey().itemIds;
    auto* keys = new DialogKeyHook(this, {}, [buttonIds](int id) {
        return std::find(buttonIds.begin(), buttonIds.end(), id) != buttonIds.end() ? kCommandId
                                                                                    : id;
    });
    keys->SetHelpFile(kHelpFile);
}

int CKeyAssignDlg::exec() {
    RadioImage* image = ActiveImage();
    return image ? DoModal(*image) : QDialog::Rejected;
}

int CKeyAssignDlg::DoModal(RadioImage& image) {
    m_image = &image;
    OnInitDialog();
    const int result = QDialog::exec();
    m_image = nullptr;
    return result;
}

void CKeyAssignDlg::OnInitDialog() {
    binding::ShowFieldValues(side_key::Fields(), fields::LoadFields(side_key::Fields(), *m_image),
                             this);
}

void CKeyAssignDlg::OnOK() {
    if (m_image) {
        fields::StoreFields(side_key::Fields(), binding::ReadFieldValues(side_key::Fields(), this),
                            *m_image);
    }
    accept();
}
