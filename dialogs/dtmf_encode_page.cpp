#include "dialogs/dtmf_encode_page.h"

#include "dialogs/field_control_ids.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/spin_buttons.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

bool Swallowed(const QKeyEvent& key) {
    const bool passes =
        keys::IsDigit(key) || keys::IsBackspaceOrDelete(key) || keys::IsLeftOrRight(key);
    return !passes || keys::ShiftHeld(key);
}

} // namespace

CDtmfEncodePage::CDtmfEncodePage(const fields::FieldPage& fields, QWidget* parent, bool bChinese)
    : CDtmfPage(fields, parent) {
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout(this);
    const binding::ControlIdTable& ids = GroupControlIds("dtmf");
    int row = 0;
    for (const fields::FieldSpec& spec : Fields().fields) {
        if (spec.kind == fields::FieldKind::Check) {
            grid->addWidget(binding::CreateFieldControl(spec, ids, this, bChinese), row, 0, 1, 3);
        } else {
            grid->addWidget(binding::CreateFieldLabel(spec, this), row, 0);
            grid->addWidget(binding::CreateFieldControl(spec, ids, this, bChinese), row, 1);
            grid->addWidget(binding::CreateSpinButtons(spec, ids, this), row, 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    binding::ConnectEditRules(Fields().fields, this);
    InstallKeyFilter([](QWidget*, const QKeyEvent& key) { return Swallowed(key); });
}
