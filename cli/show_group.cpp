#include "cli/show_sections.h"

#include <QJsonArray>

QJsonValue FieldJson(const fields::FieldSpec& spec, const fields::FieldValue& value) {
    if (spec.kind == fields::FieldKind::Check) {
        return value.checked;
    }
    return QString::fromStdString(fields::ShownText(spec, value));
}

namespace {

// Every field of the table as loaded from the image; fields named "NAME.N"
// form the array NAME.
void AddFields(const fields::FieldTable& table, const RadioImage& image, bool bChinese,
               QJsonObject& out) {
    const fields::FieldValues values = fields::LoadFields(table, image, bChinese);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string& name = table[i].name;
        const std::size_t dot = name.find('.');
        if (dot == std::string::npos) {
            out.insert(QString::fromStdString(name), FieldJson(table[i], values[i]));
            continue;
        }
        const QString list = QString::fromStdString(name.substr(0, dot));
        QJsonArray entries = out.value(list).toArray();
        entries.append(FieldJson(table[i], values[i]));
        out.insert(list, entries);
    }
}

} // namespace

void ShowGroupSection(const fields::SettingsGroup& group, const RadioImage& image, bool bChinese,
                      QJsonObject& out) {
    if (group.name == "two_tone") {
        ShowTwoToneSection(image, bChinese, out);
        return;
    }
    const QString key = QString::fromStdString(group.name);
    const fields::FieldTable& first = group.pages.front()->fields;
    if (group.pages.size() == 1 && first.size() == 1 && first.front().name == group.name) {
        out.insert(key,
                   FieldJson(first.front(), fields::LoadField(first.front(), image, bChinese)));
        return;
    }
    QJsonObject section;
    for (const fields::FieldPage* page : group.pages) {
        AddFields(page->fields, image, bChinese, section);
    }
    out.insert(key, section);
}
