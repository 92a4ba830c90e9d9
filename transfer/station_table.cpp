#include "transfer/station_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace {

// The lines of a state's words a row shows.
constexpr int kMostStateLines = 3;

} // namespace

StationTable::StationTable(const TextCatalogue& texts, QWidget* parent)
    : QTableWidget(0, ColumnCount, parent), m_texts(texts),
      m_goodIcon(style()->standardIcon(QStyle::SP_DialogApplyButton)),
      m_badIcon(style()->standardIcon(QStyle::SP_MessageBoxCritical)),
      m_retryingIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning)) {
    setHorizontalHeaderLabels({tr("Port"), tr("State"), tr("Done"), tr("Failed"), QString()});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(PortColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(StateColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(DoneColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(FailedColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(NextColumn, QHeaderView::ResizeToContents);
    setWordWrap(true);
}

void StationTable::SetPorts(const std::vector<QString>& ports) {
    m_ports = ports;
    m_lines.clear();
    setRowCount(0);
    setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QString& port = m_ports[static_cast<std::size_t>(row)];
        m_lines[port] = StationLine();
        setItem(row, PortColumn, new QTableWidgetItem(port));
        for (const int column : {StateColumn, DoneColumn, FailedColumn}) {
            setItem(row, column, new QTableWidgetItem());
        }
        auto* next = new QPushButton(tr("Next"), this);
        next->setAutoDefault(false);
        next->setToolTip(tr("The radio on this cable was swapped: write the next one"));
        connect(next, &QPushButton::clicked, this, [this, port] { emit nextRequested(port); });
        setCellWidget(row, NextColumn, next);
        showRow(port);
    }
    if (rowCount() > 0) {
        selectRow(0);
    }
}

int StationTable::RowOf(const QString& port) const {
    for (std::size_t row = 0; row < m_ports.size(); ++row) {
        if (m_ports[row] == port) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

const StationLine* StationTable::Line(const QString& port) const {
    const auto found = m_lines.find(port);
    return found == m_lines.end() ? nullptr : &found->second;
}

QPushButton* StationTable::NextButton(int row) const {
    return qobject_cast<QPushButton*>(cellWidget(row, NextColumn));
}

void StationTable::OnState(const QString& port, StationState state) {
    if (const auto found = m_lines.find(port); found != m_lines.end()) {
        found->second.OnState(state);
        showRow(port);
    }
}

void StationTable::OnProgress(const QString& port, int position, int total) {
    if (const auto found = m_lines.find(port); found != m_lines.end()) {
        found->second.OnProgress(position, total);
        showRow(port);
    }
}

void StationTable::OnRadio(const RadioReport& report) {
    const QString port = QString::fromStdString(report.port);
    if (const auto found = m_lines.find(port); found != m_lines.end()) {
        found->second.OnRadio(report);
        showRow(port);
    }
}

void StationTable::OnPortFailed(const QString& port, const QString& message) {
    if (const auto found = m_lines.find(port); found != m_lines.end()) {
        found->second.OnPortFailed(message.toStdString());
        showRow(port);
    }
}

bool StationTable::AnyRadioInHand() const {
    return std::any_of(m_lines.begin(), m_lines.end(),
                       [](const auto& line) { return line.second.HasRadioInHand(); });
}

bool StationTable::AnyWriting() const {
    return std::any_of(m_lines.begin(), m_lines.end(), [](const auto& line) {
        return line.second.State() == StationState::Writing;
    });
}

bool StationTable::AllStopped() const {
    return std::all_of(m_lines.begin(), m_lines.end(),
                       [](const auto& line) { return line.second.Stopped(); });
}

QIcon StationTable::MarkIcon(LineMark mark) const {
    switch (mark) {
    case LineMark::Good:
        return m_goodIcon;
    case LineMark::Bad:
        return m_badIcon;
    case LineMark::Retrying:
        return m_retryingIcon;
    case LineMark::None:
        break;
    }
    return {};
}

void StationTable::showRow(const QString& port) {
    const int row = RowOf(port);
    const StationLine& line = m_lines.at(port);
    item(row, StateColumn)->setText(QString::fromStdString(line.Text(m_texts)));
    item(row, StateColumn)->setIcon(MarkIcon(line.Mark()));
    item(row, StateColumn)->setToolTip(QString::fromStdString(line.PortFailure()));
    item(row, DoneColumn)->setText(QString::number(line.Done()));
    item(row, FailedColumn)->setText(QString::number(line.Failed()));
    NextButton(row)->setEnabled(line.AwaitsRelease());
    resizeRowToContents(row);
    // A long message takes a few lines at most, so that every row stays in
    // sight; the session's log below holds it whole.
    const int most = fontMetrics().lineSpacing() * kMostStateLines + fontMetrics().descent() * 2;
    setRowHeight(row, std::min(rowHeight(row), most));
}

void StationTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const int row = currentRow();
        if (row >= 0 && row < rowCount() && NextButton(row)->isEnabled()) {
            emit nextRequested(m_ports[static_cast<std::size_t>(row)]);
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
