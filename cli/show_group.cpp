// The "optional", "dtmf" and "side_key" sections: what each control of these
// dialogs shows right after loading the image. Lists and button groups give
// the selected item's English text ("" with none), check boxes true/false,
// edits their text; fields named "NAME.N" form the array NAME.

#include "cli/show_sections.h"
#include "model/fields/dtmf_fields.h"
#include "model/fields/optional_fields.h"
#include "model/fields/side_key_fields.h"

#include <QJsonArray>

QJsonValue FieldJson(const fields::FieldSpec& spec, const fields::FieldValue& value) {
    if (spec.kind == fields::FieldKind::Check) {
        return value.checked;
    }
    return QString::fromStdString(fields::ShownText(spec, value));
}

void AddFields(const fields::FieldTable& table, const RadioImage& image, QJsonObject& out) {
    const fields::FieldValues values = fields::LoadFields(table, image);
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

void ShowOptionalSection(const RadioImage& image, QJsonObject& out) {
    QJsonObject section;
    AddFields(optional_features::Fields(), image, section);
    out.insert("optional", section);
}

void ShowDtmfSection(const RadioImage& image, QJsonObject& out) {
    QJsonObject section;
    for (const fields::FieldPage& page : dtmf::Pages()) {
        AddFields(page.fields, image, section);
    }
    out.insert("dtmf", section);
}

void ShowSideKeySection(const RadioImage& image, QJsonObject& out) {
    const fields::FieldSpec& spec = side_key::Fields().front();
    out.insert("side_key", FieldJson(spec, spec.load(image)));
}
