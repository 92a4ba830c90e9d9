#pragma once
// The words File > Compare With uses for where a difference lies, as the grid
// and the settings dialogs show them in the language in use (never the
// command line's group.field names), and the editor command whose dialog
// shows a settings field.

#include "model/image_compare.h"
#include "model/text_catalogue.h"

#include <QString>
#include <string_view>

// "Channel 12, Rx Frequency", "Optional Features: Squelch Level",
// "DTMF: Call List 3", "Other bytes: 0x0C30..0x0C31"; the toolkit-free words
// in them (column headers, byte ranges) rendered through texts.
QString ComparePlaceText(const compare::Difference& difference, const TextCatalogue& texts);

// The editor command (shell/command_ids.h) whose dialog shows the fields of
// the settings group; 0 when there is none.
int GroupCommandId(std::string_view group);
