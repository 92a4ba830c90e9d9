#pragma once
// Where a help request lands in the help files. A request carries a context
// number: a command id (F1 on a menu item), the id of the control that has
// the focus in a dialog (after the dialog's own remapping), one of the
// channel grid's numbers, or the main window's own help number. A command
// names its page in its row of the command table (the help window looks
// there first, shell/help_window.h); the table here names a settings field
// by its group and name, and its controls by the field. Control ids repeat
// from one dialog to the next, so the table here names the window that asks
// beside the number: the dialog's own id, or kMainWindowHelp for the main
// window and the channel grids in it.
//
// Both help files (enHelp.qch, chHelp.qch) hold the same pages under the
// same names, with the same anchors.

#include <span>

// The window of the main window's own requests (menus, grid, F1).
inline constexpr int kMainWindowHelp = 0;

// The page Help Topics opens: the contents.
inline constexpr char kHelpContentsPage[] = "index.html";

// The contexts first..last asked for from window open topic.
struct HelpTopicRow {
    int window;
    int first;
    int last;
    // "page.html" or "page.html#anchor".
    const char* topic;
};

std::span<const HelpTopicRow> HelpTopicTable();

// The topic the table names for a context asked for from window; null when
// no row names it.
const char* FindTableTopic(int window, int context);
