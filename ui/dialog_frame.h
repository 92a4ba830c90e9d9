#pragma once
// The frame of every dialog and message box of the program: a title bar with
// the close button only. A dialog is neither minimised nor maximised on its
// own; it comes and goes with the window that owns it.

#include <Qt>

inline constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                Qt::WindowCloseButtonHint;
