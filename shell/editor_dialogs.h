#pragma once
// Which dialog each editor command of the main window opens, and whether the
// frame keeps one object of it or builds it anew for every request.

class CMainFrame;

void RegisterEditorDialogs(CMainFrame& frame);
