#include "cli/set_groups.h"

SetGroup::SetGroup(const fields::SettingsGroup& group, const RadioImage& image) : m_group(group) {
    for (const fields::FieldPage* page : m_group.pages) {
        // Loaded only to be stored again, which takes an item in either language.
        m_values.push_back(fields::LoadFields(page->fields, image, false));
        m_changed.push_back(false);
    }
}

SetOutcome SetGroup::Apply(std::string_view field, std::string_view value) {
    for (std::size_t p = 0; p < m_group.pages.size(); ++p) {
        const fields::FieldTable& table = m_group.pages[p]->fields;
        for (std::size_t f = 0; f < table.size(); ++f) {
            if (table[f].name != field) {
                continue;
            }
            const auto accepted = fields::AcceptInput(table[f], value);
            if (!accepted) {
                return {SetOutcome::Refused, fields::AllowedText(table[f])};
            }
            m_values[p][f] = *accepted;
            m_changed[p] = true;
            return {};
        }
    }
    return {SetOutcome::UnknownField, FieldNames()};
}

void SetGroup::Store(RadioImage& image) const {
    for (std::size_t p = 0; p < m_group.pages.size(); ++p) {
        if (m_changed[p]) {
            fields::StoreFields(m_group.pages[p]->fields, m_values[p], image);
        }
    }
}

std::string SetGroup::FieldNames() const {
    std::string names;
    for (const fields::FieldPage* page : m_group.pages) {
        for (const fields::FieldSpec& spec : page->fields) {
            names += (names.empty() ? "" : ", ") + spec.name;
        }
    }
    return names;
}

const fields::SettingsGroup* CommandLineGroup(std::string_view name) {
    const fields::SettingsGroup* group = fields::FindGroup(name);
    return group && group->onCommandLine ? group : nullptr;
}

std::string CommandLineGroupNames() {
    std::string names;
    for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
        if (group.onCommandLine) {
            names += (names.empty() ? "" : ", ") + group.name;
        }
    }
    return names;
}
