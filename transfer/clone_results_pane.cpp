#include "transfer/clone_results_pane.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The summary shows this many lines before it scrolls.
constexpr int kSummaryLines = 4;
// The log keeps room for this many lines of text, its header included.
constexpr int kLeastLogLines = 4;

} // namespace

CloneResultsPane::CloneResultsPane(const QString& logPath, QWidget* parent)
    : QWidget(parent), m_summaryArea(new QScrollArea(this)), m_summary(new QLabel),
      m_note(new QLabel(this)), m_logTable(new QTableWidget(0, LogColumnCount, this)),
      m_logPath(new QLabel(tr("Appended to the log file %1").arg(QDir::toNativeSeparators(logPath)),
                           this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summaryArea->setWidget(m_summary);
    m_summaryArea->setWidgetResizable(true);
    m_summaryArea->setFrameShape(QFrame::NoFrame);
    m_summaryArea->setMaximumHeight(m_summary->fontMetrics().lineSpacing() * kSummaryLines +
                                    m_summary->fontMetrics().descent());
    m_summaryArea->hide();
    layout->addWidget(m_summaryArea);
    m_note->setWordWrap(true);
    m_note->hide();
    layout->addWidget(m_note);

    layout->addWidget(new QLabel(tr("Log of this session:"), this));
    m_logTable->setHorizontalHeaderLabels(
        {tr("Time"), tr("Port"), tr("Radio"), tr("Result"), tr("Seconds"), tr("Message")});
    m_logTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_logTable->verticalHeader()->hide();
    for (int column = TimeColumn; column < MessageColumn; ++column) {
        m_logTable->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_logTable->horizontalHeader()->setStretchLastSection(true);
    // Its header and a row at the least: the summary, when it comes, takes
    // its room from the log rather than from the stations' rows above.
    m_logTable->setMinimumHeight(m_logTable->fontMetrics().lineSpacing() * kLeastLogLines);
    layout->addWidget(m_logTable, 1);

    m_logPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_logPath->setWordWrap(true);
    layout->addWidget(m_logPath);
}

void CloneResultsPane::SetSummary(const QString& text) {
    m_summary->setText(text);
    m_summaryArea->setVisible(!text.isEmpty());
}

void CloneResultsPane::SetNote(const QString& text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}
