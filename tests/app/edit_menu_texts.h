#pragma once
// The channel table's editing items of the Edit menu, as they follow the
// editors there: texts with their shortcuts, and a separator as "-".

#include <QStringList>

inline QStringList EditingMenuTexts() {
    return {"-",
            "&Undo\tCtrl+Z",
            "&Redo\tCtrl+Y",
            "-",
            "Cu&t\tCtrl+X",
            "&Copy\tCtrl+C",
            "&Paste\tCtrl+V",
            "&Delete\tDel",
            "-",
            "&Insert Row",
            "Re&move Row",
            "Mov&e Up\tCtrl+Up",
            "Move Do&wn\tCtrl+Down"};
}
