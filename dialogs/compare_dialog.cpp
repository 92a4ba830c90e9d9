#include "dialogs/compare_dialog.h"

#include "dialogs/compare_list.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/screen_fit.h"
#include "ui/user_store.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The name of the dialog's size in the per-user store.
const QString kSizeName = QStringLiteral("Compare");
// Rows the list shows at the first opening (fits a 1280x900 screen).
constexpr int kFirstRowsShown = 22;

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CCompareDlg::CCompareDlg(const std::vector<compare::Difference>& differences,
                         const QString& otherName, const PlaceText& placeText, std::string appName,
                         QWidget* parent)
    : QDialog(parent), m_differences(differences), m_appName(std::move(appName)),
      m_table(new QTableWidget(this)), m_summary(new QLabel(this)), m_filter(new QLineEdit(this)),
      m_copy(nullptr) {
    setWindowTitle(tr("Compare With"));
    setSizeGripEnabled(true);
    binding::SetControlId(this, kDialogId);
    binding::SetControlId(m_table, kTableId);
    m_summary->setText(differences.empty()
                           ? tr("The document and %1 hold the same data.").arg(otherName)
                           : tr("Differences: %1").arg(differences.size()));
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Where"), tr("This document"), otherName});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const compare::Difference& d = differences[static_cast<std::size_t>(row)];
        m_table->setItem(row, 0, Cell(placeText(d)));
        m_table->setItem(row, 1, Cell(QString::fromStdString(d.first)));
        m_table->setItem(row, 2, Cell(QString::fromStdString(d.second)));
    }
    m_table->resizeColumnsToContents();
    connect(m_filter, &QLineEdit::textChanged, this,
            [this](const QString& text) { ShowMatchingRows(*m_table, text); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { OnDoubleClicked(row); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    binding::SetControlId(buttons->button(QDialogButtonBox::Close), 2);
    m_copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(ShownRowsText(*m_table)); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_filter);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    const int firstHeight = 2 * m_table->frameWidth() +
                            m_table->horizontalHeader()->sizeHint().height() +
                            kFirstRowsShown * m_table->verticalHeader()->defaultSectionSize() +
                            sizeHint().height() - m_table->sizeHint().height();
    ResizeWithinScreen(*this, UserStore::ReadDialogSize(m_appName, kSizeName)
                                  .value_or(QSize(760, firstHeight)));
    // F1 opens the help topic of the focused control.
    new DialogKeyHook(this, {});
}

void CCompareDlg::done(int result) {
    UserStore::WriteDialogSize(m_appName, kSizeName, size());
    QDialog::done(result);
}

void CCompareDlg::OnDoubleClicked(int row) {
    const compare::Difference& d = m_differences.at(static_cast<std::size_t>(row));
    if (d.kind != compare::DifferenceKind::Bytes) {
        emit showRequested(d);
    }
}
