#pragma once
// The one selection and focus style of the program's grids (the channel
// grid and the list grids of the settings dialogs): selected cells are filled with the application's highlight
// colour whether or not the window is active, and the current cell carries
// a frame, drawn also while an in-place edit or another control holds the
// keyboard focus.

#include <QColor>
#include <QStyledItemDelegate>

class QAbstractItemView;

// Colour and width of the frame around the current cell.
inline const QColor kCurrentCellFrameColour(0, 0, 0);
inline constexpr int kCurrentCellFrameWidth = 2;

// Draws cells as the style does, then the frame on the view's current cell.
class CurrentCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CurrentCellDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QAbstractItemView* m_view;
};

// Gives `view` the shared selection colours and the current-cell frame. A
// list grid uses single selection, so that its current cell is the selected
// one.
void ApplyCurrentCellLook(QAbstractItemView* view);
