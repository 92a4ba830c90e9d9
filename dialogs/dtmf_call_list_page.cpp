#include "dialogs/dtmf_call_list_page.h"

#include "model/fields/dtmf_fields.h"
#include "model/image_layout.h"
#include "model/language.h"
#include "ui/current_cell_look.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/list_grid_look.h"
#include "ui/table_width.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 1 + layout::kDtmfCallListCount;
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
    : CDtmfPage(fields, parent), m_grid(new QTableWidget(kRows, 2, this)), m_edit(nullptr) {
    binding::SetControlId(this, kDialogId);
    binding::SetControlId(m_grid, dtmf::kCallListGridId);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell is the selected one, drawn as in every grid.
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    ApplyCurrentCellLook(m_grid);
    m_grid->setItem(0, 0, NewFixedCell(QString::fromUtf8(Tr2("Num", "编号"))));
    m_grid->setItem(0, 1, NewFixedCell(QString::fromUtf8(Tr2("Fast Call List", "快速呼叫列表"))));
    for (int r = 1; r < kRows; ++r) {
        m_grid->setItem(r, 0, NewFixedCell(QString::number(r)));
        auto* entry = new QTableWidgetItem;
        entry->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(r, 1, entry);
    }
    binding::TagCells(m_grid, Fields().fields);
    const int width = m_grid->columnWidth(0);
    m_grid->setColumnWidth(0, static_cast<int>(width * 0.8));
    m_grid->setColumnWidth(1, static_cast<int>(width * 2.3));
    FitWidthToColumns(m_grid);
    FitHeightToRows(m_grid, kOtherPartsHeight);

    m_edit = new QLineEdit(m_grid);
    binding::SetControlId(m_edit, dtmf::kCellEditId);
    m_edit->setFrame(false);
    m_edit->setMaxLength(static_cast<int>(layout::kDtmfCallEntrySize));
    m_edit->setValidator(new binding::UpperCaseValidator(m_edit));
    m_edit->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);

    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int, int, int previousRow, int previousColumn) {
                CommitCellEdit(previousRow, previousColumn);
                OpenCellEdit();
            });
    connect(m_grid, &QTableWidget::cellPressed, this, [this] { OpenCellEdit(); });
    InstallKeyFilter([](QWidget*, const QKeyEvent& key) { return Swallowed(key); });
}

void CDtmfCallListPage::ShowLoaded() {
    const QFont fixedPitch = FixedPitchFont();
    for (int r = kRows - 1; r >= 1; --r) {
        m_grid->item(r, 1)->setFont(fixedPitch);
    }
    m_grid->viewport()->update();
}

void CDtmfCallListPage::CommitCurrentCell() {
    CommitCellEdit(m_grid->currentRow(), m_grid->currentColumn());
}

void CDtmfCallListPage::OpenCellEdit() {
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    if (row < 1 || column != 1) {
        return;
    }
    m_edit->setText(m_grid->item(row, column)->text());
    m_edit->setGeometry(
        m_grid->visualItemRect(m_grid->item(row, column)).translated(m_grid->viewport()->pos()));
    m_edit->show();
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
    m_grid->viewport()->update();
}

void CDtmfCallListPage::CommitCellEdit(int row, int column) {
    if (m_edit->isHidden()) {
        return;
    }
    if (QTableWidgetItem* item = m_grid->item(row, column)) {
        item->setText(m_edit->text());
    }
    // The grid takes the focus first: hiding the focused edit would let the
    // grid move on to the next cell.
    if (m_edit->hasFocus()) {
        m_grid->setFocus(Qt::OtherFocusReason);
    }
    m_edit->hide();
}
