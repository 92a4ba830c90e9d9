#include "ui/popup_focus.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QWindow>

void ClosePopupWhenFocusLeaves(QComboBox* list) {
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, list, [list](QWindow* focus) {
        // The popup itself and the list's own window may take the focus
        // while the popup opens; any other window means the user went away.
        const QWidget* popup = list->view()->window();
        const bool ours =
            focus != nullptr &&
            (focus == popup->windowHandle() || focus == list->window()->windowHandle());
        if (popup->isVisible() && !ours) {
            list->hidePopup();
        }
    });
}
