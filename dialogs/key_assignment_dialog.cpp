#include "dialogs/key_assignment_dialog.h"

#include "model/fields/side_key_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
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

CKeyAssignDlg::CKeyAssignDlg(QWidget* parent) : CFieldTableDlg(side_key::Fields(), parent) {
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(CreateOkCancel());

    const std::vector<int> buttonIds = SideKey().itemIds;
    auto* keys = new DialogKeyHook(this, {}, [buttonIds](int id) {
        return std::find(buttonIds.begin(), buttonIds.end(), id) != buttonIds.end() ? kCommandId
                                                                                    : id;
    });
    keys->SetHelpFile(kHelpFile);
}
