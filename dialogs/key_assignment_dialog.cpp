#include "dialogs/key_assignment_dialog.h"

#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// This dialog's help is the English set in either language.
constexpr const char* kHelpFile = "enHelp.qch";

} // namespace

CKeyAssignDlg::CKeyAssignDlg(QWidget* parent, bool bChinese)
    : CBoundDialog(fields::Group("side_key"), parent, bChinese) {
    setWindowTitle(tr("Key Assignment"));
    binding::SetControlId(this, kDialogId);
    const fields::FieldSpec& sideKey = Group().Page("side_key").Field("side_key");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(binding::CreateFieldControl(sideKey, ControlIds(), this, bChinese));
    layout->addWidget(CreateOkCancel());
    BindPage(this, "side_key");

    const std::vector<int> buttonIds = binding::IdsOf(ControlIds(), sideKey.name).itemIds;
    auto* keys = new DialogKeyHook(this, {}, [buttonIds](int id) {
        return std::find(buttonIds.begin(), buttonIds.end(), id) != buttonIds.end() ? kCommandId
                                                                                    : id;
    });
    keys->SetHelpFile(kHelpFile);
}
