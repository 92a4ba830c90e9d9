#include "grid/channel_grid.h"

#include "grid/channel_grid_model.h"
#include "ui/list_grid_look.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QWheelEvent>

// The selection model that asks the grid before the current cell moves and
// keeps the selection on the current cell.
class ChannelGrid::GuardedSelection : public QItemSelectionModel {
public:
    GuardedSelection(ChannelGrid* grid, QAbstractItemModel* model)
        : QItemSelectionModel(model, grid), m_grid(grid) {}

    bool quiet = false;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
        if (quiet || !index.isValid() || index == currentIndex()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            selectCurrent();
            return;
        }
        if (currentIndex().isValid() && m_grid->LeaveCell && !m_grid->LeaveCell()) {
            return;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
        selectCurrent();
        if (m_grid->EnterCell) {
            m_grid->EnterCell();
        }
    }

    void select(const QModelIndex&, SelectionFlags) override { selectCurrent(); }
    void select(const QItemSelection&, SelectionFlags) override { selectCurrent(); }

private:
    void selectCurrent() {
        if (currentIndex().isValid() && !isSelected(currentIndex())) {
            QItemSelectionModel::select(QItemSelection(currentIndex(), currentIndex()),
                                        ClearAndSelect);
        }
    }

    ChannelGrid* m_grid;
};

ChannelGrid::ChannelGrid(ChannelGridModel* model, QWidget* parent) : QTableView(parent) {
    setModel(model);
    m_selection = new GuardedSelection(this, model);
    setSelectionModel(m_selection);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
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
    setCurrentIndex(model()->index(row - 1, col - 1));
    m_selection->quiet = false;
}

QString ChannelGrid::CornerText() {
    return QString::fromUtf8(ColumnHeaderText(0));
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

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    // A click that the cell being left refused to let go of begins nothing.
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (clicked.isValid() && clicked == currentIndex()) {
        emit MouseDown();
    }
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
