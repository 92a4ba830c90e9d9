#include "grid/cell_navigation.h"

#include "grid/cell_editors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

CellNavigationKeys::CellNavigationKeys(QAbstractItemView* grid, const CellEditors& editors)
    : QObject(grid), m_grid(grid) {
    for (QWidget* editor : editors.All()) {
        editor->installEventFilter(this);
    }
}

bool CellNavigationKeys::MovesBetweenCells(const QWidget* editor, const QKeyEvent& key) const {
    // Alt+Down and Alt+Up open and close a list.
    if (key.modifiers().testFlag(Qt::AltModifier)) {
        return false;
    }
    const auto* list = qobject_cast<const QComboBox*>(editor);
    if (list != nullptr && list->view()->isVisible()) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return list != nullptr || !textEntered(editor);
    default:
        return false;
    }
}

bool CellNavigationKeys::textEntered(const QWidget* edit) const {
    const auto* line = qobject_cast<const QLineEdit*>(edit);
    return line != nullptr && (line->isModified() || m_clickedInto == edit);
}

bool CellNavigationKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_clickedInto = watched;
        return false;
    case QEvent::Show:
    case QEvent::Hide:
        if (m_clickedInto == watched) {
            m_clickedInto = nullptr;
        }
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType()) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!MovesBetweenCells(static_cast<QWidget*>(watched), key)) {
        return false;
    }
    // The grid moves its current cell as it does for a key of its own.
    QKeyEvent moving(QEvent::KeyPress, key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                     key.count());
    QCoreApplication::sendEvent(m_grid, &moving);
    return true;
}
