#include "dialogs/cell_edit_grid.h"

#include "ui/current_cell_look.h"
#include "ui/field_binding.h"
#include "ui/list_grid_look.h"
#include "ui/table_width.h"
#include "ui/text_room.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

CellEditGrid::CellEditGrid(int gridId, int rows, const QStringList& headers, int editId,
                           int maxLength, QWidget* parent)
    : QTableWidget(rows + 1, static_cast<int>(headers.size()), parent),
      m_edit(new QLineEdit(viewport())) {
    binding::SetControlId(this, gridId);
    binding::SetControlId(m_edit, editId);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    // The current cell is the selected one, drawn as in every grid.
    setSelectionMode(SingleSelection);
    ApplyCurrentCellLook(this);
    // The edit follows the current cell; the grid does not scroll to it, and
    // Tab leaves the grid instead of moving the current cell.
    setAutoScroll(false);
    setTabKeyNavigation(false);
    for (int column = 0; column < columnCount(); ++column) {
        setItem(0, column, NewFixedCell(headers[column]));
    }
    for (int row = 1; row <= rows; ++row) {
        setItem(row, 0, NewFixedCell(QString::number(row)));
        for (int column = 1; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, item);
        }
    }
    if (maxLength > 0) {
        m_edit->setMaxLength(maxLength);
    }
    m_edit->setFrame(false);
    m_edit->hide();
    m_edit->installEventFilter(this);
    // Leaving a cell commits the edit; entering one opens it there.
    connect(this, &QTableWidget::currentCellChanged, this, [this] {
        CommitEditor();
        OpenEditor();
    });
}

void CellEditGrid::OpenEditor() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 1 || column < 1) {
        return;
    }
    m_editRow = row;
    m_editColumn = column;
    m_edit->setText(item(row, column)->text());
    m_edit->setGeometry(visualItemRect(item(row, column)));
    m_edit->show();
    m_edit->selectAll();
    m_edit->setFocus();
    viewport()->update();
}

void CellEditGrid::CommitEditor() {
    if (m_edit->isHidden()) {
        return;
    }
    QTableWidgetItem* cell = item(m_editRow, m_editColumn);
    if (cell) {
        cell->setText(m_rule ? m_rule(m_edit->text()) : m_edit->text());
    }
    HideEditor();
}

void CellEditGrid::FitColumnsToTexts() {
    // The values show in the grid's face, or in the fixed-pitch face in the
    // lists of codes.
    const int length = m_edit->maxLength();
    const QString value =
        length <= kLongestSizedText ? QString(length, QLatin1Char('0')) : QString();
    for (int column = 0; column < columnCount(); ++column) {
        int width = std::max(columnWidth(column), sizeHintForColumn(column));
        if (column > 0 && !value.isEmpty()) {
            width = std::max({width, CellTextWidth(this, font(), value),
                              CellTextWidth(this, FixedPitchFont(), value)});
        }
        setColumnWidth(column, width);
    }
    FitWidthToColumns(this);
}

void CellEditGrid::DiscardEditor() {
    HideEditor();
    viewport()->update();
}

void CellEditGrid::HideEditor() {
    // The focus stays with the grid rather than moving on down the chain.
    if (m_edit->hasFocus()) {
        setFocus();
    }
    m_edit->hide();
}

bool CellEditGrid::eventFilter(QObject* watched, QEvent* event) {
    // Escape in the open edit takes back what was typed and leaves the
    // dialog open; only an Escape on the grid itself reaches the dialog.
    if (watched == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        DiscardEditor();
        return true;
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            CommitEditor();
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void CellEditGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // Shift+Tab from the edit lands on the grid itself and opens nothing, so
    // that a second Shift+Tab moves on.
    if (event->reason() != Qt::TabFocusReason) {
        return;
    }
    if (currentRow() < 1 || currentColumn() < 1) {
        setCurrentCell(1, 1);
    } else {
        OpenEditor();
    }
}

void CellEditGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    if (m_edit->isHidden()) {
        OpenEditor();
    }
}

void CellEditGrid::scrollContentsBy(int dx, int dy) {
    DiscardEditor();
    QTableWidget::scrollContentsBy(dx, dy);
}
