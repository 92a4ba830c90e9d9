#pragma once
// The control ids of the settings dialogs' fields, by settings group and
// field name: the model knows a field by its name only
// (model/fields/settings_groups.h); the dialog that lays out its controls
// gives them these ids, which F1 help asks for (shell/help_topics.cpp).

#include "ui/field_binding.h"

#include <string_view>

// The ids of every field of the group called group that has controls of its
// own (a call list's cells have their grid's); a group no dialog edits
// throws std::out_of_range.
const binding::ControlIdTable& GroupControlIds(std::string_view group);
