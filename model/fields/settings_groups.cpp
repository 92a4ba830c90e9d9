#include "model/fields/settings_groups.h"

#include "model/fields/dtmf_fields.h"
#include "model/fields/msk_fields.h"
#include "model/fields/optional_fields.h"
#include "model/fields/product_fields.h"
#include "model/fields/side_key_fields.h"
#include "model/fields/squelch_fields.h"
#include "model/fields/two_tone_fields.h"

#include <stdexcept>

namespace fields {
namespace {

std::vector<const FieldPage*> PagesOf(const std::vector<FieldPage>& pages) {
    std::vector<const FieldPage*> all;
    for (const FieldPage& page : pages) {
        all.push_back(&page);
    }
    return all;
}

} // namespace

const FieldPage& SettingsGroup::Page(std::string_view pageName) const {
    for (const FieldPage* page : pages) {
        if (page->name == pageName) {
            return *page;
        }
    }
    throw std::out_of_range("group \"" + name + "\" has no page \"" + std::string(pageName) + "\"");
}

const std::vector<SettingsGroup>& SettingsGroups() {
    using enum StorePolicy;
    static const std::vector<SettingsGroup> groups = {
        {"optional", OnOk, {&optional_features::Page()}},
        {"dtmf", OnPageHide, PagesOf(dtmf::Pages())},
        {"side_key", OnOk, {&side_key::Page()}},
        {"two_tone", OnPageHide, PagesOf(two_tone::Pages())},
        {"msk", OnOk, {&msk::Page()}},
        {"squelch", OnOk, {&squelch::Page()}},
        {"product", OnOk, {&product::Page()}, false},
    };
    return groups;
}

const SettingsGroup* FindGroup(std::string_view name) {
    for (const SettingsGroup& group : SettingsGroups()) {
        if (group.name == name) {
            return &group;
        }
    }
    return nullptr;
}

const SettingsGroup& Group(std::string_view name) {
    if (const SettingsGroup* group = FindGroup(name)) {
        return *group;
    }
    throw std::out_of_range("no settings group \"" + std::string(name) + "\"");
}

} // namespace fields
