#include "dialogs/dtmf_call_list_page.h"

#include "dialogs/cell_edit_grid.h"
#include "model/fields/dtmf_fields.h"
#include "model/image_layout.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/list_grid_look.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The dialog's tabs, margins and title beside the grid, in pixels.
constexpr int kOtherPartsHeight = 160;

bool Swallowed(const QKeyEvent& key) {
    if (keys::IsHashOrStar(key)) {
        return false;
    }
    const bool passes = keys::IsDigit(key) || keys::IsLetter(key, 'A', 'D') ||
                        keys::IsBackspaceOrDelete(key) || keys::IsArrow(key);
    return !passes || keys::ShiftHeld(key);
}

} // namespace

CDtmfCallListPage::CDtmfCallListPage(const fields::FieldPage& fields, QWidget* parent)
    : CDtmfPage(fields, parent),
      m_grid(new CellEditGrid(kGridId, layout::kDtmfCallListCount,
                              {QCoreApplication::translate("CDtmfCallListPage", "Num"),
                               QCoreApplication::translate("CDtmfCallListPage", "Fast Call List")},
                              kCellEditId, static_cast<int>(layout::kDtmfCallEntrySize), this)) {
    binding::SetControlId(this, kDialogId);
    m_grid->CellEdit()->setValidator(new binding::UpperCaseValidator(m_grid->CellEdit()));
    binding::TagCells(m_grid, Fields().fields);
    const int width = m_grid->columnWidth(0);
    m_grid->setColumnWidth(0, static_cast<int>(width * 0.8));
    m_grid->setColumnWidth(1, static_cast<int>(width * 2.3));
    m_grid->FitColumnsToTexts();
    FitHeightToRows(m_grid, kOtherPartsHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    InstallKeyFilter([](QWidget*, const QKeyEvent& key) { return Swallowed(key); });
}

QLineEdit* CDtmfCallListPage::CellEdit() const {
    return m_grid->CellEdit();
}

void CDtmfCallListPage::ShowLoaded() {
    const QFont fixedPitch = FixedPitchFont();
    for (int r = layout::kDtmfCallListCount; r >= 1; --r) {
        m_grid->item(r, 1)->setFont(fixedPitch);
    }
    m_grid->viewport()->update();
}

void CDtmfCallListPage::CommitCurrentCell() {
    m_grid->CommitEditor();
}
