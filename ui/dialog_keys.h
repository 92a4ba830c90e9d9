#pragma once
// The key handling a settings dialog applies before its controls see a key:
// every key press that reaches the dialog (or page) or any control below it
// passes through one filter, first at the control that has the focus. F1
// asks the help service for the topic numbered by the focused control's id
// (after the dialog's own remapping) and then goes on to the control.
// The keys that move the focus or leave the dialog (Tab, Shift+Tab, Escape),
// and Space, Enter and Return sent to a button, never reach the filter: the
// filter decides what can be typed, and no dialog is a keyboard trap.

#include <QObject>

#include <functional>
#include <string>

class QKeyEvent;
class QWidget;

class DialogKeyHook : public QObject {
public:
    // Returns true to swallow the key; target is the control it was sent to.
    using Filter = std::function<bool(QWidget* target, const QKeyEvent& key)>;
    // Maps the focused control's id to the help context number.
    using Remap = std::function<int(int id)>;

    DialogKeyHook(QWidget* root, Filter filter, Remap remap = {});

    // F1 opens this help file instead of the language's (empty: the language's).
    void SetHelpFile(std::string file) { m_helpFile = std::move(file); }

    // Watches widget and every widget below it; call again for controls
    // created later.
    void Watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_root;
    Filter m_filter;
    Remap m_remap;
    std::string m_helpFile;
    // The key press being passed on from a control to its parents.
    const QEvent* m_lastEvent = nullptr;
    const QWidget* m_lastTarget = nullptr;
    int m_lastKey = 0;
    quint64 m_lastTimestamp = 0;
    bool m_lastSwallowed = false;
};

// Key tests shared by the dialogs' filters.
namespace keys {
// "0".."9" of the main keyboard or the keypad.
bool IsDigit(const QKeyEvent& key);
// Letters first..last (upper-case key codes, either case typed).
bool IsLetter(const QKeyEvent& key, char first, char last);
bool IsBackspaceOrDelete(const QKeyEvent& key);
bool IsLeftOrRight(const QKeyEvent& key);
bool IsArrow(const QKeyEvent& key);
bool ShiftHeld(const QKeyEvent& key);
// "#" or "*" as typed on the main keyboard (Shift+3, Shift+8).
bool IsHashOrStar(const QKeyEvent& key);
// Tab, Shift+Tab and Escape (without Ctrl or Alt).
bool MovesFocusOrCloses(const QKeyEvent& key);
// Space, Enter or Return sent to a button, which presses it.
bool PressesButton(const QWidget* target, const QKeyEvent& key);
} // namespace keys
