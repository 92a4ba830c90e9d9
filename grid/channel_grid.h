#pragma once
// The grid control of the channel view: a table over ChannelGridModel whose
// current cell only moves after the cell being left has been committed. The
// selection always equals the current cell. The owner is told:
//   - LeaveCell before the current cell moves; returning false keeps it where
//     it is (a refused entry whose editor stays open);
//   - EnterCell after it moved, and MouseDown after a click on a cell;
//   - Scrolled when the rows or columns scroll.
// A wheel step of exactly one notch pages the grid.

#include <QItemSelectionModel>
#include <QTableView>
#include <functional>

class ChannelGridModel;

class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGrid(ChannelGridModel* model, QWidget* parent = nullptr);

    std::function<bool()> LeaveCell;
    std::function<void()> EnterCell;

    // Current grid row (1..129) and column (1..9).
    int Row() const;
    int Col() const;
    // Makes a cell current without leaving or entering events.
    void SetCurrentQuietly(int row, int col);
    // Title of the label column, drawn in the corner above the row labels.
    static QString CornerText();

signals:
    void MouseDown();
    void Scrolled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class GuardedSelection;
    GuardedSelection* m_selection = nullptr;
    QWidget* m_corner = nullptr;
};
