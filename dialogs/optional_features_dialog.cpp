#include "dialogs/optional_features_dialog.h"

#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The fields in the order of the page fill two columns of ten rows; the
// controls after them are not shown.
constexpr int kRowsPerColumn = 10;
constexpr int kShownControls = 2 * kRowsPerColumn;

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent, bool bChinese)
    : CBoundDialog(fields::Group("optional"), parent, bChinese) {
    setWindowTitle(tr("Optional Features"));
    binding::SetControlId(this, kDialogId);
    const fields::FieldPage& page = Group().Page("optional");
    auto* grid = new QGridLayout;
    int index = 0;
    for (const fields::FieldSpec& spec : page.fields) {
        QWidget* control = binding::CreateFieldControl(spec, ControlIds(), this, bChinese);
        // A check box shows its label itself.
        QLabel* label =
            spec.kind == fields::FieldKind::Check ? nullptr : binding::CreateFieldLabel(spec, this);
        if (index < kShownControls) {
            const int row = index % kRowsPerColumn;
            const int column = 2 * (index / kRowsPerColumn);
            if (label) {
                grid->addWidget(label, row, column);
                grid->addWidget(control, row, column + 1);
            } else {
                grid->addWidget(control, row, column, 1, 2);
            }
        } else {
            control->hide();
            if (label) {
                label->hide();
            }
        }
        ++index;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateOkCancel());
    BindPage(this, "optional");
    // No key filter: F1 help only.
    new DialogKeyHook(this, {});
}
