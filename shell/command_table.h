#pragma once
// The commands of the main window as one table of rows (command_row.h). The
// menus, the toolbar, the accelerators and the tree are built from the table
// (command_bars.h), and the main frame routes a chosen command by its row.
//
// Texts are source texts of the translation context "CMainFrame"; CommandText
// translates them.

#include "shell/command_ids.h"
#include "shell/command_row.h"

#include <QString>
#include <span>

// Every command, in the order of their menu items and tree items.
std::span<const Command> CommandTable();
// The row of id; null when no command has that id.
const Command* FindCommand(int id);

// True for a key with Ctrl, Alt or Shift that an Edit menu command carries:
// the cell editors leave such keys to the command.
bool IsEditCommandKey(QKeyCombination key);

// A source text of the table in the language in use.
QString CommandText(const char* source);
// The text of the command's menu item in the menu with a document (its text)
// or without one (withoutDocumentText where the row has one), followed by
// its accelerator where it has one ("&New\tCtrl+N", "&Read    Ctrl+R").
QString MenuText(const Command& command, bool withDocument);
