#pragma once
// The settings groups that "program-cli set" can change, one per dialog.
// A group is made from the image as the dialog would load it; each
// FIELD=VALUE sets one control as a user would; Store then writes what the
// dialog's OK (or the hiding of each changed page) would write.
//
// A new group is a file defining
//     std::unique_ptr<SetGroup> MakeSetGroup_<name>(const RadioImage& image);
// plus one line SET_GROUP(<name>) in cli/set_group_list.h. Groups built on
// field tables (model/fields/field_table.h) use MakeFieldPagesSetGroup.

#include "model/fields/field_table.h"
#include "model/radio_image.h"

#include <memory>
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
    virtual ~SetGroup() = default;
    // Sets the control named field to value, as a user would.
    virtual SetOutcome Apply(std::string_view field, std::string_view value) = 0;
    // Writes what the dialog would write for the controls set so far.
    virtual void Store(RadioImage& image) const = 0;
};

using SetGroupFactory = std::unique_ptr<SetGroup> (*)(const RadioImage& image);

struct SetGroupEntry {
    const char* name;
    SetGroupFactory make;
};

#define SET_GROUP(name) std::unique_ptr<SetGroup> MakeSetGroup_##name(const RadioImage& image);
#include "cli/set_group_list.h"
#undef SET_GROUP

// Every group, in the order of cli/set_group_list.h.
const std::vector<SetGroupEntry>& SetGroups();

// A group over pages of fields: every page is loaded from the image; a page
// is stored only when one of its fields was set (a page the user never
// changed is not stored, as a tab page never shown stores nothing).
std::unique_ptr<SetGroup> MakeFieldPagesSetGroup(const std::vector<fields::FieldPage>& pages,
                                                 const RadioImage& image);
