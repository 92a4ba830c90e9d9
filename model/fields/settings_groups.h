#pragma once
// The registry of settings groups. Each settings dialog edits one group, and
// the command line's "show" and "set" go through the same groups, so that
// all of them see a field exactly as the dialog's control would. A group has
// - its name: the key of "show --json" and the GROUP of "set";
// - its pages of fields (model/fields/field_table.h), each field with its
//   name, control, label, load and store;
// - its store policy:
//   OnOk: the dialog loads every page when it opens and stores every page on
//   OK; Cancel stores nothing.
//   OnPageHide: each page loads when it becomes visible and stores when it is
//   hidden itself; a page marked storesAtEnd also stores when the dialog ends
//   with it loaded.
//
// Adding a field to a group is one entry in its page (in the group's module
// of model/fields/) and the Chinese text of its label in translations/.

#include "model/fields/field_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace fields {

enum class StorePolicy { OnOk, OnPageHide };

struct SettingsGroup {
    std::string name;
    StorePolicy policy = StorePolicy::OnOk;
    std::vector<const FieldPage*> pages;
    // Shown by "show" and changed by "set". The product group is not: its
    // model names live in the settings file, its band limits are the
    // process-wide ones, and "show" prints the band values of its own.
    bool onCommandLine = true;

    // The page called name; a name the group does not have throws
    // std::out_of_range.
    const FieldPage& Page(std::string_view name) const;
};

// Every group: "optional", "dtmf", "side_key", "two_tone", "msk", "squelch"
// (in this order on the command line), then "product".
const std::vector<SettingsGroup>& SettingsGroups();

// The group called name; null when there is none.
const SettingsGroup* FindGroup(std::string_view name);
// The group called name; a name the registry does not have throws
// std::out_of_range.
const SettingsGroup& Group(std::string_view name);

} // namespace fields
