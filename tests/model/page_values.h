#pragma once
// A page of a fields module as a dialog holds it between load and store: the
// values of its controls, read and changed by field name.

#include "model/fields/field_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

class PageValues {
public:
    PageValues(const fields::FieldPage& page, const RadioImage& image)
        : m_page(page), m_values(fields::LoadFields(page.fields, image, false)) {}

    // What the control shows, as the command line's show writes it.
    std::string Shown(std::string_view name) const {
        const std::size_t i = IndexOf(name);
        return fields::ShownText(m_page.fields[i], m_values[i]);
    }
    fields::FieldValue& operator[](std::string_view name) { return m_values[IndexOf(name)]; }
    void SetText(std::string_view name, std::string text) { (*this)[name].text = std::move(text); }

    void Store(RadioImage& image) const { fields::StoreFields(m_page.fields, m_values, image); }

private:
    std::size_t IndexOf(std::string_view name) const {
        for (std::size_t i = 0; i < m_page.fields.size(); ++i) {
            if (m_page.fields[i].name == name) {
                return i;
            }
        }
        ADD_FAILURE() << "no field " << name << " on page " << m_page.name;
        return 0;
    }

    const fields::FieldPage& m_page;
    fields::FieldValues m_values;
};
