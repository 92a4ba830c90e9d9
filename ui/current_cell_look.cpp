#include "ui/current_cell_look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <algorithm>

CurrentCellDelegate::CurrentCellDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view) {}

void CurrentCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    // The frame below replaces the style's focus rectangle, which some
    // styles draw only after a key press and none while an edit has focus.
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (index != m_view->currentIndex()) {
        return;
    }
    // Four bands inside the cell, so that the frame is as wide on every
    // side and never reaches into the neighbouring cells.
    const QRect cell = option.rect;
    const int w = std::min({kCurrentCellFrameWidth, cell.width(), cell.height()});
    for (const QRect& band : {QRect(cell.left(), cell.top(), cell.width(), w),
                              QRect(cell.left(), cell.bottom() - w + 1, cell.width(), w),
                              QRect(cell.left(), cell.top(), w, cell.height()),
                              QRect(cell.right() - w + 1, cell.top(), w, cell.height())}) {
        painter->fillRect(band, kCurrentCellFrameColour);
    }
}

void ApplyCurrentCellLook(QAbstractItemView* view) {
    const QPalette application = QApplication::palette();
    QPalette palette = view->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight,
                         application.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(group, QPalette::HighlightedText,
                         application.color(QPalette::Active, QPalette::HighlightedText));
    }
    view->setPalette(palette);
    view->setItemDelegate(new CurrentCellDelegate(view));
}
