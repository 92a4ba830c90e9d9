#pragma once
// A drop-down list whose open popup closes as soon as another window takes
// the focus (a file dialog, a message, another program), rather than stay
// open behind it. Closing it changes nothing: the list keeps its item.

class QComboBox;

void ClosePopupWhenFocusLeaves(QComboBox* list);
