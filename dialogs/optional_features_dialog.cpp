#include "dialogs/optional_features_dialog.h"

#include "model/fields/optional_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Label {
    int id;
    const char* text;
};

// Labels by control id, in the order of the two columns (ten rows each);
// the controls after them are not shown.
const Label kLabels[] = {
    {1115, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Back Light")},
    {1116, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Back Light Color")},
    {1121, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Power-on Style")},
    {1118, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Key Lock")},
    {1119, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Priority Channel")},
    {1120, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Vox Gain Level")},
    {1117, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Display Mode")},
    {1128, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Battery Saver")},
    {1127, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Beep")},
    {1130, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Tail")},
    {1122, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Scan Mode")},
    {1123, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Squelch Level")},
    {1124, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Step (k)")},
    {1125, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "TOT (s)")},
    {1126, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "TOT Pre-Alert (s)")},
    {1133, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Password")},
    {1129, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Stopwatch")},
    {1131, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Short Press Orange Key")},
    {1136, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "STR Set")},
    {1137, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Allow Reset")},
    {optional_features::kMskTypeId, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "MSK Type")},
    {optional_features::kKeypadLockId, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Keypad Lock")},
    {optional_features::kRepeaterMskInvertId,
     QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Repeater Msk Invert")},
};
constexpr int kRowsPerColumn = 10;
constexpr int kShownControls = 2 * kRowsPerColumn;

QString LabelText(const Label& label) {
    return QCoreApplication::translate("COptionalFeaturesDlg", label.text);
}

const fields::FieldSpec& FieldWithId(int id) {
    for (const fields::FieldSpec& spec : optional_features::Fields()) {
        if (spec.id == id) {
            return spec;
        }
    }
    return optional_features::Fields().front();
}

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent)
    : CFieldTableDlg(optional_features::Fields(), parent) {
    setWindowTitle(tr("Optional Features"));
    binding::SetControlId(this, kDialogId);
    auto* grid = new QGridLayout;
    int index = 0;
    for (const Label& label : kLabels) {
        const fields::FieldSpec& spec = FieldWithId(label.id);
        QWidget* control = binding::CreateFieldControl(spec, this, LabelText(label));
        if (index < kShownControls) {
            const int row = index % kRowsPerColumn;
            const int column = 2 * (index / kRowsPerColumn);
            grid->addWidget(new QLabel(LabelText(label), this), row, column);
            grid->addWidget(control, row, column + 1);
        } else {
            control->hide();
        }
        ++index;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateOkCancel());
    // No key filter: F1 help only.
    new DialogKeyHook(this, {});
}
