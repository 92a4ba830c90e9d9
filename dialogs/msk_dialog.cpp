#include "dialogs/msk_dialog.h"

#include "dialogs/cell_edit_grid.h"
#include "model/fields/msk_fields.h"
#include "model/image_layout.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/list_grid_look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The ID code row, the group box, the buttons and the title beside the
// call list, in pixels.
constexpr int kOtherPartsHeight = 180;

// Digits, "A".."F", Backspace, Delete and the arrows, unless Shift is held.
bool SwallowKey(QWidget*, const QKeyEvent& key) {
    const bool passes = keys::IsDigit(key) || keys::IsLetter(key, 'A', 'F') ||
                        keys::IsBackspaceOrDelete(key) || keys::IsArrow(key);
    return !passes || keys::ShiftHeld(key);
}

// Column widths follow the screen width: the number column 0.8 and the
// call list column 1.43 times the first column's width scaled by
// screen width / 1024, and never narrower than their texts.
void SetColumnWidths(CellEditGrid* grid) {
    const QScreen* screen = QApplication::primaryScreen();
    const float scale = screen ? static_cast<float>(screen->size().width()) / 1024.0f : 1.0f;
    const int width = static_cast<int>(static_cast<float>(grid->columnWidth(0)) * scale);
    grid->setColumnWidth(0, static_cast<int>(width * 0.8));
    grid->setColumnWidth(1, static_cast<int>(width * 1.43));
    grid->FitColumnsToTexts();
}

} // namespace

CMskDlg::CMskDlg(QWidget* parent, bool bChinese)
    : CBoundDialog(fields::Group("msk"), parent, bChinese) {
    setWindowTitle(tr("MSK"));
    binding::SetControlId(this, kDialogId);
    const fields::FieldPage& page = Group().Page("msk");
    const fields::FieldSpec& idCode = page.Field("id_code");
    m_idCode =
        static_cast<QLineEdit*>(binding::CreateFieldControl(idCode, ControlIds(), this, bChinese));
    m_idCode->installEventFilter(this);

    auto* group = new QGroupBox(tr("Call List"), this);
    m_callList = new CellEditGrid(kCallListGridId, layout::kMskCallListCount,
                                  {QCoreApplication::translate("CMskDlg", "Num"),
                                   QCoreApplication::translate("CMskDlg", "Call List")},
                                  kCellEditId, static_cast<int>(layout::kMskIdSize), group);
    m_callList->CellEdit()->setValidator(new binding::UpperCaseValidator(m_callList->CellEdit()));
    binding::TagCells(m_callList, page.fields);
    const QFont fixedPitch = FixedPitchFont();
    for (int row = 1; row <= layout::kMskCallListCount; ++row) {
        m_callList->item(row, 1)->setFont(fixedPitch);
    }
    SetColumnWidths(m_callList);
    FitHeightToRows(m_callList, kOtherPartsHeight);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_callList);

    auto* idRow = new QHBoxLayout;
    idRow->addWidget(binding::CreateFieldLabel(idCode, this));
    idRow->addWidget(m_idCode);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(idRow);
    layout->addWidget(group);
    layout->addWidget(CreateOkCancel());
    // OK commits the call list's in-place edit before it stores.
    BindPage(this, "msk", {.beforeStore = [this] { m_callList->CommitEditor(); }});

    new DialogKeyHook(this, SwallowKey);
}

void CMskDlg::done(int result) {
    m_callList->DiscardEditor();
    CBoundDialog::done(result);
}

bool CMskDlg::eventFilter(QObject* watched, QEvent* event) {
    // The ID code edit taking the focus commits the call list's edit.
    if (watched == m_idCode && event->type() == QEvent::FocusIn) {
        m_callList->CommitEditor();
    }
    return CBoundDialog::eventFilter(watched, event);
}
