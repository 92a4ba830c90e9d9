#include "dialogs/radio_history_dialog.h"

#include "model/read_history.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/file_dialogs.h"
#include "ui/screen_fit.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Role of a row's file path.
constexpr int kPathRole = Qt::UserRole;

QTableWidgetItem* Cell(const QString& text, const QString& path) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setData(kPathRole, path);
    return item;
}

} // namespace

CRadioHistoryDlg::CRadioHistoryDlg(const QString& folder, Purpose purpose, std::string appName,
                                   QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(this)),
      m_empty(new QLabel(tr("No read has been kept yet."), this)),
      m_choose(new QPushButton(purpose == Purpose::Open ? tr("Open") : tr("Compare"), this)),
      m_appName(std::move(appName)) {
    setWindowTitle(purpose == Purpose::Open ? tr("Radio History") : tr("Compare With"));
    binding::SetControlId(this, kDialogId);
    binding::SetControlId(m_table, kTableId);
    binding::SetControlId(m_choose, 1);
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Time"), tr("Radio Band"), tr("Channels")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    const std::vector<history::HistoryEntry> entries =
        history::ListReads(QFile::encodeName(folder).toStdString());
    m_table->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const history::HistoryEntry& entry = entries[static_cast<std::size_t>(row)];
        const QString path = QFile::decodeName(entry.path.c_str());
        const qint64 millis =
            std::chrono::duration_cast<std::chrono::milliseconds>(entry.time.time_since_epoch())
                .count();
        const QString time = QDateTime::fromMSecsSinceEpoch(millis).toLocalTime().toString(
            QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        m_table->setItem(row, 0, Cell(time, path));
        m_table->setItem(row, 1, Cell(QString::fromStdString(entry.band), path));
        m_table->setItem(row, 2, Cell(QString::number(entry.channels), path));
    }
    m_table->resizeColumnsToContents();
    m_empty->setVisible(entries.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    binding::SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    buttons->addButton(m_choose, QDialogButtonBox::AcceptRole);
    m_choose->setEnabled(false);
    connect(m_choose, &QPushButton::clicked, this, &CRadioHistoryDlg::chooseSelected);
    if (purpose == Purpose::Compare) {
        m_file = new QPushButton(tr("Other File..."), this);
        binding::SetControlId(m_file, kFileButtonId);
        buttons->addButton(m_file, QDialogButtonBox::ActionRole);
        connect(m_file, &QPushButton::clicked, this, &CRadioHistoryDlg::chooseFile);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_choose->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(m_table, &QTableWidget::itemDoubleClicked, this, &CRadioHistoryDlg::chooseSelected);
    // The newest read is the usual choice.
    if (m_table->rowCount() > 0) {
        m_table->setCurrentCell(0, 0);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_empty);
    layout->addWidget(buttons);
    ResizeWithinScreen(*this, QSize(520, 360));
    // F1 opens the help topic of the focused control.
    new DialogKeyHook(this, {});
}

void CRadioHistoryDlg::chooseSelected() {
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    m_chosen = selected.front()->data(kPathRole).toString();
    accept();
}

void CRadioHistoryDlg::chooseFile() {
    // Cancelled, the dialog stays open.
    const QString path = FileDialogs::AskOpen(this, m_appName, tr("Compare With"), tr("*.dat (*.dat)"));
    FileDialogs::KeepFolderOf(m_appName, path);
    if (!path.isEmpty()) {
        m_chosen = path;
        accept();
    }
}
