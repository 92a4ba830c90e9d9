#include "dialogs/two_tone_dialog.h"

#include "dialogs/cell_edit_grid.h"
#include "model/fields/two_tone_fields.h"
#include "model/image_layout.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/list_grid_look.h"
#include "ui/spin_buttons.h"
#include "ui/table_width.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The tabs, margins and title beside the encode list, in pixels.
constexpr int kOtherPartsHeight = 200;

// Digits (main keyboard and keypad), the keypad's decimal point, Backspace,
// Delete and the arrows, unless Shift is held.
bool SwallowKey(QWidget*, const QKeyEvent& key) {
    const bool keypadPoint =
        key.key() == Qt::Key_Period && key.modifiers().testFlag(Qt::KeypadModifier);
    const bool passes =
        keys::IsDigit(key) || keypadPoint || keys::IsBackspaceOrDelete(key) || keys::IsArrow(key);
    return !passes || keys::ShiftHeld(key);
}

// A row of the form: label, edit, spin buttons of an Edit field (an edit has
// no items, so the language flag does not matter to it).
void AddEditRow(QGridLayout* grid, int row, const fields::FieldSpec& spec,
                const binding::ControlIdTable& ids, QWidget* page) {
    grid->addWidget(binding::CreateFieldLabel(spec, page), row, 0);
    grid->addWidget(binding::CreateFieldControl(spec, ids, page, false), row, 1);
    grid->addWidget(binding::CreateSpinButtons(spec, ids, page), row, 2);
}

// The column widths of the encode grid: the number column 0.51 and the tone
// columns 1.22 times the default width of column 0 (its share of it on a
// narrow screen), and never narrower than their texts.
void SetEncodeColumnWidths(CellEditGrid* grid) {
    const int width = static_cast<int>(grid->columnWidth(0) * NarrowScreenShare(grid));
    grid->setColumnWidth(0, static_cast<int>(width * 0.51));
    grid->setColumnWidth(1, static_cast<int>(width * 1.22));
    grid->setColumnWidth(2, static_cast<int>(width * 1.22));
    grid->FitColumnsToTexts();
}

} // namespace

CTwoToneDlg::CTwoToneDlg(QWidget* parent, bool bChinese)
    : CBoundDialog(fields::Group("two_tone"), parent, bChinese) {
    setWindowTitle(tr("2-Tone"));
    binding::SetControlId(this, kDialogId);
    new QVBoxLayout(this);
}

QWidget* CTwoToneDlg::DecodePage(int set) const {
    return m_decodeTabs ? m_decodeTabs->widget(set - 1) : nullptr;
}

void CTwoToneDlg::CreatePages() {
    m_tabs = new QTabWidget(this);
    binding::SetControlId(m_tabs, kTabId);
    auto* decode = new QWidget;
    m_decodeTabs = new QTabWidget(decode);
    binding::SetControlId(m_decodeTabs, kDecodeTabId);
    // F1 on a tab bar, which lies outside the pages, opens the dialog's help.
    for (QTabWidget* tabs : {m_tabs, m_decodeTabs}) {
        new DialogKeyHook(tabs->tabBar(), {});
    }
    for (int set = 1; set <= layout::kTwoToneDecodeCount; ++set) {
        m_decodeTabs->addTab(CreateDecodePage(set), QStringLiteral("2-Tone%1").arg(set));
    }
    (new QVBoxLayout(decode))->addWidget(m_decodeTabs);
    m_encode = CreateEncodePage();
    m_tabs->addTab(m_encode, QCoreApplication::translate("CTwoToneDlg", "Encode"));
    m_tabs->addTab(decode, QCoreApplication::translate("CTwoToneDlg", "Decode"));
    m_tabs->setCurrentIndex(0);
    m_decodeTabs->setCurrentIndex(0);
    // Set 1 is the decode set in view from the start, even behind the
    // encode page.
    LoadPageNow(DecodePage(1));
    // A click on a tab takes the focus, so that the edit being left
    // normalises its text before its page stores.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_decodeTabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    layout()->addWidget(m_tabs);
}

void CTwoToneDlg::DestroyPages() {
    delete m_tabs;
    m_tabs = nullptr;
    m_decodeTabs = nullptr;
    m_encode = nullptr;
    m_grid = nullptr;
}

QWidget* CTwoToneDlg::CreateEncodePage() {
    const fields::FieldPage& fields = two_tone::EncodePage();
    auto* page = new QWidget;
    auto* form = new QGridLayout;
    int row = 0;
    for (const fields::FieldSpec& spec : fields.fields) {
        if (spec.kind == fields::FieldKind::Edit) {
            AddEditRow(form, row, spec, ControlIds(), page);
            ++row;
        } else if (spec.kind == fields::FieldKind::Check) {
            form->addWidget(binding::CreateFieldControl(spec, ControlIds(), page, bChinese()), row,
                            0, 1, 3);
        }
    }
    m_grid = new CellEditGrid(kEncodeGridId, layout::kTwoToneEncodeCount,
                              {QCoreApplication::translate("CTwoToneDlg", "Num"),
                               QCoreApplication::translate("CTwoToneDlg", "Tone1 Fre"),
                               QCoreApplication::translate("CTwoToneDlg", "Tone2 Fre")},
                              kCellEditId, 6, page);
    m_grid->SetCommitRule([](const QString& text) {
        return binding::ToQString(two_tone::CommitToneCell(binding::ToStdString(text)));
    });
    binding::TagCells(m_grid, fields.fields);
    SetEncodeColumnWidths(m_grid);
    FitHeightToRows(m_grid, kOtherPartsHeight);
    auto* layout = new QGridLayout(page);
    // The timing stays together at the top beside the taller list.
    layout->addLayout(form, 0, 0, Qt::AlignTop);
    layout->addWidget(m_grid, 0, 1);
    binding::ConnectEditRules(fields.fields, page);
    new DialogKeyHook(page, SwallowKey);
    BindPage(page, fields.name, {.beforeStore = [grid = m_grid] { grid->CommitEditor(); }});
    return page;
}

QWidget* CTwoToneDlg::CreateDecodePage(int set) {
    // Hiding the decode tabs page (the outer tab) does not store the set in
    // view; changing the inner tab or ending the dialog does.
    const fields::FieldPage& fields = two_tone::DecodePage(set);
    auto* page = new QWidget;
    auto* form = new QGridLayout(page);
    for (std::size_t i = 0; i < fields.fields.size(); ++i) {
        AddEditRow(form, static_cast<int>(i), fields.fields[i], ControlIds(), page);
    }
    binding::ConnectEditRules(fields.fields, page);
    new DialogKeyHook(page, SwallowKey);
    BindPage(page, fields.name);
    return page;
}
