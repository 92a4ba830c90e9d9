#pragma once
// A double-click in the Compare With list shows the difference in the
// document: a channel cell becomes the grid's current cell (the list closes,
// so that the grid is in view); a settings field opens its group's dialog
// above the list.

#include "model/image_compare.h"

class CCompareDlg;
class CMainFrame;
class CProgramView;

void ShowDifference(CMainFrame& frame, CProgramView& view, CCompareDlg& dialog,
                    const compare::Difference& difference);
