#include "dialogs/compare_dialog.h"

#include "model/channel_columns.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CCompareDlg::CCompareDlg(const std::vector<compare::Difference>& differences,
                         const QString& otherName, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(this)), m_summary(new QLabel(this)) {
    setWindowTitle(tr("Compare With"));
    binding::SetControlId(this, kDialogId);
    binding::SetControlId(m_table, kTableId);
    m_summary->setText(differences.empty()
                           ? tr("The document and %1 hold the same data.").arg(otherName)
                           : tr("Differences: %1").arg(differences.size()));
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Where"), tr("This document"), otherName});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const compare::Difference& d = differences[static_cast<std::size_t>(row)];
        m_table->setItem(row, 0, Cell(PlaceText(d)));
        m_table->setItem(row, 1, Cell(QString::fromStdString(d.first)));
        m_table->setItem(row, 2, Cell(QString::fromStdString(d.second)));
    }
    m_table->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    binding::SetControlId(buttons->button(QDialogButtonBox::Close), 2);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(640, 420);
    // F1 opens the help topic of the focused control.
    new DialogKeyHook(this, {});
}

QString CCompareDlg::PlaceText(const compare::Difference& difference) {
    switch (difference.kind) {
    case compare::DifferenceKind::Channel:
        return tr("Channel %1, %2")
            .arg(QString::fromStdString(ChannelRowLabel(difference.row)),
                 QString::fromUtf8(ColumnHeaderText(difference.column)).trimmed());
    case compare::DifferenceKind::Field: {
        const QString name = QString::fromStdString(difference.group + "." + difference.field);
        if (*difference.label.text == '\0') {
            return name;
        }
        return QCoreApplication::translate(difference.label.context, difference.label.text) +
               QStringLiteral(" (") + name + QLatin1Char(')');
    }
    case compare::DifferenceKind::Bytes:
        break;
    }
    return QString::fromStdString(compare::DifferencePlace(difference));
}
