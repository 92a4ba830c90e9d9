#include "ui/dialog_keys.h"

#include "ui/field_binding.h"
#include "ui/help_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

DialogKeyHook::DialogKeyHook(QWidget* root, Filter filter, Remap remap)
    : QObject(root), m_root(root), m_filter(std::move(filter)), m_remap(std::move(remap)) {
    Watch(root);
}

void DialogKeyHook::Watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool DialogKeyHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* target = static_cast<QWidget*>(watched);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // A key the control left unhandled travels on to its parents as the same
    // event: it was filtered once, at the first widget that received it.
    if (event == m_lastEvent && target != m_lastTarget && m_lastTarget &&
        target->isAncestorOf(m_lastTarget) && key.key() == m_lastKey &&
        key.timestamp() == m_lastTimestamp) {
        return m_lastSwallowed;
    }
    m_lastEvent = event;
    m_lastTarget = target;
    m_lastKey = key.key();
    m_lastTimestamp = key.timestamp();
    if (key.key() == Qt::Key_F1) {
        QWidget* focus = QApplication::focusWidget();
        const int id = binding::ControlIdOf(focus && m_root->isAncestorOf(focus) ? focus : target);
        HelpService::ShowContext(m_root->window(), m_remap ? m_remap(id) : id, m_helpFile);
        m_lastSwallowed = false;
        return false;
    }
    m_lastSwallowed = m_filter && !keys::MovesFocusOrCloses(key) &&
                      !keys::PressesButton(target, key) && m_filter(target, key);
    return m_lastSwallowed;
}

namespace keys {

bool IsDigit(const QKeyEvent& key) {
    return key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9;
}

bool IsLetter(const QKeyEvent& key, char first, char last) {
    return key.key() >= first && key.key() <= last;
}

bool IsBackspaceOrDelete(const QKeyEvent& key) {
    return key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
}

bool IsLeftOrRight(const QKeyEvent& key) {
    return key.key() == Qt::Key_Left || key.key() == Qt::Key_Right;
}

bool IsArrow(const QKeyEvent& key) {
    return IsLeftOrRight(key) || key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
}

bool ShiftHeld(const QKeyEvent& key) {
    return key.modifiers().testFlag(Qt::ShiftModifier);
}

bool IsHashOrStar(const QKeyEvent& key) {
    if (key.modifiers().testFlag(Qt::KeypadModifier)) {
        return false;
    }
    return key.key() == Qt::Key_NumberSign || key.key() == Qt::Key_Asterisk ||
           (ShiftHeld(key) && (key.key() == Qt::Key_3 || key.key() == Qt::Key_8));
}

bool MovesFocusOrCloses(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
           key.key() == Qt::Key_Escape;
}

bool PressesButton(const QWidget* target, const QKeyEvent& key) {
    const bool press = key.key() == Qt::Key_Space || key.key() == Qt::Key_Return ||
                       key.key() == Qt::Key_Enter;
    return press && qobject_cast<const QAbstractButton*>(target) != nullptr;
}

} // namespace keys
