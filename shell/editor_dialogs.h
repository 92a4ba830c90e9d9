#pragma once
// Which dialog each editor command of the main window opens, and whether the
// frame keeps one object of it or builds it anew for every request.

#include <string>

class CMainFrame;

// wireLog: the file the Squelch Tuning transfers append their wire log to
// (empty: none).
void RegisterEditorDialogs(CMainFrame& frame, const std::string& wireLog);
