#include "grid/channel_grid.h"

#include "grid/channel_grid_model.h"
#include "ui/current_cell_look.h"
#include "ui/list_grid_look.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

// The selection model that asks the grid before the current cell moves. A
// refused move also keeps the selection that the same click or key would
// have changed.
class ChannelGrid::GuardedSelection : public QItemSelectionModel {
public:
    GuardedSelection(ChannelGrid* grid, QAbstractItemModel* model)
        : QItemSelectionModel(model, grid), m_grid(grid) {}

    bool quiet = false;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
        m_refused = false;
        if (quiet || !index.isValid() || index == currentIndex()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        if (currentIndex().isValid() && m_grid->LeaveCell && !m_grid->LeaveCell()) {
            m_refused = true;
            return;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
        if (m_grid->EnterCell && !m_grid->m_enterQuietly) {
            m_grid->EnterCell();
        }
    }

    void select(const QModelIndex& index, SelectionFlags command) override {
        if (!m_refused) {
            QItemSelectionModel::select(index, command);
        }
    }
    void select(const QItemSelection& selection, SelectionFlags command) override {
        if (!m_refused) {
            QItemSelectionModel::select(selection, command);
        }
    }

private:
    ChannelGrid* m_grid;
    bool m_refused = false;
};

ChannelGrid::ChannelGrid(ChannelGridModel* model, QWidget* parent)
    : QTableView(parent), m_texts(model->Texts()) {
    setModel(model);
    m_selection = new GuardedSelection(this, model);
    setSelectionModel(m_selection);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    ApplyCurrentCellLook(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab is taken in event(): the view's own Tab navigation would also move
    // the current cell whenever a hidden editor passes the focus on.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // A row label selects its row; Shift and Ctrl extend the selection.
    verticalHeader()->setSectionsClickable(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Rows as tall as their text needs, whatever the font.
    verticalHeader()->setMinimumSectionSize(RowHeightFor(font()));
    verticalHeader()->setDefaultSectionSize(RowHeightFor(font()));
    setCornerButtonEnabled(false);
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner != nullptr) {
        m_corner->installEventFilter(this);
    }
    // The context menu of the cells and the one of the row labels are one.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!std::exchange(m_menuRefused, false)) {
            emit ContextMenuAt(viewport()->mapToGlobal(pos));
        }
    });
    verticalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(verticalHeader(), &QWidget::customContextMenuRequested, this,
            &ChannelGrid::onLabelMenu);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGrid::Scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGrid::Scrolled);
}

int ChannelGrid::Row() const {
    return currentIndex().row() + 1;
}

int ChannelGrid::Col() const {
    return currentIndex().column() + 1;
}

void ChannelGrid::SetCurrentQuietly(int row, int col) {
    m_selection->quiet = true;
    m_selection->setCurrentIndex(model()->index(row - 1, col - 1),
                                 QItemSelectionModel::ClearAndSelect);
    m_selection->quiet = false;
}

std::vector<GridCell> ChannelGrid::SelectedCells() const {
    std::vector<GridCell> cells;
    for (const QModelIndex& index : m_selection->selectedIndexes()) {
        cells.push_back({index.row() + 1, index.column() + 1});
    }
    std::sort(cells.begin(), cells.end(), [](const GridCell& a, const GridCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    return cells;
}

std::vector<int> ChannelGrid::SelectedRows() const {
    std::vector<int> rows;
    for (const GridCell& cell : SelectedCells()) {
        if (rows.empty() || rows.back() != cell.row) {
            rows.push_back(cell.row);
        }
    }
    return rows;
}

void ChannelGrid::SelectRowsQuietly(const std::vector<int>& rows) {
    if (rows.empty()) {
        return;
    }
    const int col = currentIndex().isValid() ? currentIndex().column() : 0;
    m_selection->quiet = true;
    m_selection->setCurrentIndex(model()->index(rows.front() - 1, col),
                                 QItemSelectionModel::NoUpdate);
    QItemSelection selection;
    for (int row : rows) {
        selection.select(model()->index(row - 1, 0),
                         model()->index(row - 1, model()->columnCount() - 1));
    }
    m_selection->select(selection, QItemSelectionModel::ClearAndSelect);
    m_selection->quiet = false;
}

QString ChannelGrid::CornerText() const {
    return QString::fromStdString(m_texts.Tr(ColumnHeader(0)));
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_corner && event->type() == QEvent::Paint) {
        // The corner is the header cell of the label column.
        QStylePainter painter(m_corner);
        QStyleOptionHeader option;
        option.initFrom(m_corner);
        option.rect = m_corner->rect();
        option.text = CornerText();
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.palette.setBrush(QPalette::ButtonText, kFixedCellColour);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool ChannelGrid::event(QEvent* event) {
    // Tab and Shift+Tab move to the next and the previous cell, as the
    // arrows do; past the last and the first cell they leave the grid.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
            const QModelIndex next = moveCursor(
                key->key() == Qt::Key_Tab ? MoveNext : MovePrevious, key->modifiers());
            if (next.isValid() && next != currentIndex()) {
                setCurrentIndex(next);
                return true;
            }
        }
    }
    return QTableView::event(event);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    // The view's own handling of a typed character searches the column for a
    // cell beginning with it and moves there.
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier |
                                                        Qt::MetaModifier);
    if (typed && TypeInCell && currentIndex().isValid()) {
        TypeInCell(*event);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    // A right click inside the selection keeps it: the context menu works on
    // what is selected. Outside it, the cell clicked becomes current and
    // selected. Neither opens an editor.
    if (event->button() == Qt::RightButton) {
        const QModelIndex pressed = indexAt(event->position().toPoint());
        if (pressed.isValid() && !selectionModel()->isSelected(pressed)) {
            m_enterQuietly = true;
            QTableView::mousePressEvent(event);
            m_enterQuietly = false;
        }
        // A cell that refused to be left keeps the selection: no menu.
        m_menuRefused = pressed.isValid() && !selectionModel()->isSelected(pressed);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    // A click that the cell being left refused to let go of begins nothing.
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (clicked.isValid() && clicked == currentIndex()) {
        emit MouseDown();
    }
}

void ChannelGrid::onLabelMenu(const QPoint& pos) {
    const int row = verticalHeader()->logicalIndexAt(pos);
    if (row < 0) {
        return;
    }
    // A label outside the selection chooses its row first, as a left click
    // would; a cell that refuses to be left keeps everything, menu included.
    if (!selectionModel()->isRowSelected(row, QModelIndex())) {
        m_enterQuietly = true;
        selectRow(row);
        m_enterQuietly = false;
        if (!selectionModel()->isRowSelected(row, QModelIndex())) {
            return;
        }
    }
    emit ContextMenuAt(verticalHeader()->mapToGlobal(pos));
}

void ChannelGrid::wheelEvent(QWheelEvent* event) {
    // One notch of a wheel pages; finer steps (touchpads) scroll as usual.
    const int delta = event->angleDelta().y();
    if (delta == -QWheelEvent::DefaultDeltasPerStep) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        event->accept();
        return;
    }
    if (delta == QWheelEvent::DefaultDeltasPerStep) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        event->accept();
        return;
    }
    QTableView::wheelEvent(event);
}
