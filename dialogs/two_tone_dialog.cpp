#include "dialogs/two_tone_dialog.h"

#include "dialogs/bound_page.h"
#include "dialogs/cell_edit_grid.h"
#include "model/fields/two_tone_fields.h"
#include "model/image_layout.h"
#include "model/language.h"
#include "ui/active_document.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/spin_buttons.h"
#include "ui/table_width.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDialogId = 155;

// Labels of the timing edits, in the order of the fields.
const char* const kEncodeLabels[] = {
    QT_TRANSLATE_NOOP("CTwoToneDlg", "The first delay time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "The second delay time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "Long tone delay time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "Tone interval time(ms)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "Tx rise delay time(ms)"),
};
const char* const kDecodeLabels[] = {
    QT_TRANSLATE_NOOP("CTwoToneDlg", "A Tone(HZ)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "B Tone(HZ)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "The first delay time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "The second delay time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "Interval time(s)"),
    QT_TRANSLATE_NOOP("CTwoToneDlg", "Long tone delay time(s)"),
};

QString Translated(const char* text) {
    return CTwoToneDlg::tr(text);
}

// Digits (main keyboard and keypad), the keypad's decimal point, Backspace,
// Delete and the arrows, unless Shift is held.
bool SwallowKey(QWidget*, const QKeyEvent& key) {
    const bool keypadPoint =
        key.key() == Qt::Key_Period && key.modifiers().testFlag(Qt::KeypadModifier);
    const bool passes =
        keys::IsDigit(key) || keypadPoint || keys::IsBackspaceOrDelete(key) || keys::IsArrow(key);
    return !passes || keys::ShiftHeld(key);
}

// A row of the form: label, edit, spin buttons of an Edit field.
void AddEditRow(QGridLayout* grid, int row, const QString& label, const fields::FieldSpec& spec,
                QWidget* page) {
    grid->addWidget(new QLabel(label, page), row, 0);
    grid->addWidget(binding::CreateFieldControl(spec, page), row, 1);
    grid->addWidget(binding::CreateSpinButtons(spec, page), row, 2);
}

// The column widths of the encode grid: the number column 0.51 and the tone
// columns 1.22 times the default width of column 0.
void SetEncodeColumnWidths(CellEditGrid* grid) {
    const int width = grid->columnWidth(0);
    grid->setColumnWidth(0, static_cast<int>(width * 0.51));
    grid->setColumnWidth(1, static_cast<int>(width * 1.22));
    grid->setColumnWidth(2, static_cast<int>(width * 1.22));
    FitWidthToColumns(grid);
}

} // namespace

CTwoToneDlg::CTwoToneDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("2-Tone"));
    binding::SetControlId(this, kDialogId);
    new QVBoxLayout(this);
}

BoundPage* CTwoToneDlg::DecodePage(int set) const {
    return m_decodeTabs ? static_cast<BoundPage*>(m_decodeTabs->widget(set - 1)) : nullptr;
}

int CTwoToneDlg::DoModal(RadioImage& image) {
    BuildPages(image);
    const int result = QDialog::exec();
    // The decode set in view stores however the dialog ended.
    DecodePage(m_decodeTabs->currentIndex() + 1)->StorePending();
    return result;
}

int CTwoToneDlg::exec() {
    RadioImage* image = ActiveImage();
    return image ? DoModal(*image) : Rejected;
}

void CTwoToneDlg::BuildPages(RadioImage& image) {
    // The pages of the last opening stored when the dialog was hidden.
    delete m_tabs;
    m_tabs = new QTabWidget(this);
    binding::SetControlId(m_tabs, two_tone::kTabId);
    auto* decode = new QWidget;
    m_decodeTabs = new QTabWidget(decode);
    binding::SetControlId(m_decodeTabs, two_tone::kDecodeTabId);
    for (int set = 1; set <= layout::kTwoToneDecodeCount; ++set) {
        m_decodeTabs->addTab(BuildDecodePage(set, image), QStringLiteral("2-Tone%1").arg(set));
    }
    (new QVBoxLayout(decode))->addWidget(m_decodeTabs);
    m_encode = BuildEncodePage(image);
    m_tabs->addTab(m_encode, QString::fromUtf8(Tr2("Encode", "编码")));
    m_tabs->addTab(decode, QString::fromUtf8(Tr2("Decode", "解码")));
    m_tabs->setCurrentIndex(0);
    m_decodeTabs->setCurrentIndex(0);
    // Set 1 is the decode set in view from the start, even behind the
    // encode page.
    DecodePage(1)->LoadNow();
    // A click on a tab takes the focus, so that the edit being left
    // normalises its text before its page stores.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_decodeTabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    layout()->addWidget(m_tabs);
}

void CTwoToneDlg::closeEvent(QCloseEvent* event) {
    if (m_encode) {
        m_encode->hide();
    }
    QDialog::closeEvent(event);
}

BoundPage* CTwoToneDlg::BuildEncodePage(RadioImage& image) {
    const fields::FieldTable& table = two_tone::EncodePage().fields;
    auto* page = new BoundPage(table, image);
    auto* form = new QGridLayout;
    int row = 0;
    for (const fields::FieldSpec& spec : table) {
        if (spec.kind == fields::FieldKind::Edit) {
            AddEditRow(form, row, Translated(kEncodeLabels[row]), spec, page);
            ++row;
        } else if (spec.kind == fields::FieldKind::Check) {
            form->addWidget(binding::CreateFieldControl(spec, page, tr("Short beep tone")), row, 0,
                            1, 3);
        }
    }
    m_grid = new CellEditGrid(two_tone::kEncodeGridId, layout::kTwoToneEncodeCount,
                              {QString::fromUtf8(Tr2("Num", "编号")),
                               QString::fromUtf8(Tr2("Tone1 Fre", "音频1")),
                               QString::fromUtf8(Tr2("Tone2 Fre", "音频2"))},
                              two_tone::kCellEditId, 6, page);
    m_grid->SetCommitRule([](const QString& text) {
        return binding::ToQString(two_tone::CommitToneCell(binding::ToStdString(text)));
    });
    SetEncodeColumnWidths(m_grid);
    page->SetBeforeStore([grid = m_grid] { grid->CommitEditor(); });
    page->SetStoresWithDialog(false);
    auto* layout = new QGridLayout(page);
    layout->addLayout(form, 0, 0);
    layout->addWidget(m_grid, 0, 1);
    binding::ConnectEditRules(table, page);
    new DialogKeyHook(page, SwallowKey);
    return page;
}

BoundPage* CTwoToneDlg::BuildDecodePage(int set, RadioImage& image) {
    const fields::FieldTable& table = two_tone::DecodePage(set).fields;
    auto* page = new BoundPage(table, image);
    // Hiding the decode tabs page (the outer tab) does not store the set in
    // view; changing the inner tab or ending the dialog does.
    page->SetStoresWithDialog(false);
    auto* form = new QGridLayout(page);
    for (std::size_t i = 0; i < table.size(); ++i) {
        AddEditRow(form, static_cast<int>(i), Translated(kDecodeLabels[i]), table[i], page);
    }
    binding::ConnectEditRules(table, page);
    new DialogKeyHook(page, SwallowKey);
    return page;
}
