#pragma once
// An up-down pair of arrow buttons beside an edit. It holds no position of
// its own: each press (repeated while held) reports a step, +1 up or -1
// down, and the owner changes the edit's text by its rule.

#include <QWidget>

class QToolButton;

class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    void Stepped(int delta);

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
