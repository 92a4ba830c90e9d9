#include "cli/set_groups.h"

namespace {

class FieldPagesSetGroup : public SetGroup {
public:
    FieldPagesSetGroup(const std::vector<fields::FieldPage>& pages, const RadioImage& image)
        : m_pages(pages) {
        for (const fields::FieldPage& page : m_pages) {
            m_values.push_back(fields::LoadFields(page.fields, image));
            m_changed.push_back(false);
        }
    }

    SetOutcome Apply(std::string_view field, std::string_view value) override {
        for (std::size_t p = 0; p < m_pages.size(); ++p) {
            const fields::FieldTable& table = m_pages[p].fields;
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

    void Store(RadioImage& image) const override {
        for (std::size_t p = 0; p < m_pages.size(); ++p) {
            if (m_changed[p]) {
                fields::StoreFields(m_pages[p].fields, m_values[p], image);
            }
        }
    }

private:
    std::string FieldNames() const {
        std::string names;
        for (const fields::FieldPage& page : m_pages) {
            for (const fields::FieldSpec& spec : page.fields) {
                names += (names.empty() ? "" : ", ") + spec.name;
            }
        }
        return names;
    }

    const std::vector<fields::FieldPage>& m_pages;
    std::vector<fields::FieldValues> m_values;
    std::vector<bool> m_changed;
};

} // namespace

const std::vector<SetGroupEntry>& SetGroups() {
#define SET_GROUP(name) {#name, MakeSetGroup_##name},
    static const std::vector<SetGroupEntry> groups = {
#include "cli/set_group_list.h"
    };
#undef SET_GROUP
    return groups;
}

std::unique_ptr<SetGroup> MakeFieldPagesSetGroup(const std::vector<fields::FieldPage>& pages,
                                                 const RadioImage& image) {
    return std::make_unique<FieldPagesSetGroup>(pages, image);
}
