#include "dialogs/dtmf_encode_page.h"

#include "model/fields/dtmf_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/spin_buttons.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

// Labels of the page's fields, in field order; the last is the check box's.
const char* const kLabels[] = {
    QT_TRANSLATE_NOOP("CDtmfEncodePage", "DTMF Speed(digit/s)"),
    QT_TRANSLATE_NOOP("CDtmfEncodePage", "First Digit Delay Time(ms)"),
    QT_TRANSLATE_NOOP("CDtmfEncodePage", "First Digit Time(ms)"),
    QT_TRANSLATE_NOOP("CDtmfEncodePage", "* and # Digit Time(ms)"),
    QT_TRANSLATE_NOOP("CDtmfEncodePage", "SideTone"),
};

bool Swallowed(const QKeyEvent& key) {
    const bool passes =
        keys::IsDigit(key) || keys::IsBackspaceOrDelete(key) || keys::IsLeftOrRight(key);
    return !passes || keys::ShiftHeld(key);
}

} // namespace

CDtmfEncodePage::CDtmfEncodePage(RadioImage& image, QWidget* parent)
    : CDtmfPage(dtmf::Pages()[0], image, parent) {
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const fields::FieldSpec& spec : Fields().fields) {
        const QString label = QCoreApplication::translate("CDtmfEncodePage", kLabels[row]);
        if (spec.kind == fields::FieldKind::Check) {
            grid->addWidget(binding::CreateFieldControl(spec, this, label), row, 0, 1, 3);
        } else {
            grid->addWidget(new QLabel(label, this), row, 0);
            grid->addWidget(binding::CreateFieldControl(spec, this), row, 1);
            grid->addWidget(binding::CreateSpinButtons(spec, this), row, 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    binding::ConnectEditRules(Fields().fields, this);
    InstallKeyFilter([](QWidget*, const QKeyEvent& key) { return Swallowed(key); });
}
