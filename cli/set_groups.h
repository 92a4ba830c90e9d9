#pragma once
// "program-cli set" on one settings group of the registry
// (model/fields/settings_groups.h). The group is made from the image as its
// dialog would load it; each FIELD=VALUE sets one control as a user would;
// Store then writes what the dialog's OK (or the hiding of each changed page)
// would write: a page is stored only when one of its fields was set, as a
// tab page never shown stores nothing.

#include "model/fields/settings_groups.h"
#include "model/radio_image.h"

#include <string>
#include <string_view>
#include <vector>

struct SetOutcome {
    enum Status { Ok, UnknownField, Refused };
    Status status = Ok;
    // UnknownField: the group's field names; Refused: what the field allows.
    std::string detail;
};

class SetGroup {
public:
    SetGroup(const fields::SettingsGroup& group, const RadioImage& image);

    // Sets the control named field to value, as a user would.
    SetOutcome Apply(std::string_view field, std::string_view value);
    // Writes what the dialog would write for the controls set so far.
    void Store(RadioImage& image) const;

private:
    std::string FieldNames() const;

    const fields::SettingsGroup& m_group;
    std::vector<fields::FieldValues> m_values;
    std::vector<bool> m_changed;
};

// The group called name among those the command line offers; null when none.
const fields::SettingsGroup* CommandLineGroup(std::string_view name);
// Their names, in the registry's order, separated by ", ".
std::string CommandLineGroupNames();
