#include "cli/show_sections.h"
#include "model/fields/two_tone_fields.h"
#include "model/image_layout.h"

#include <QJsonArray>

void ShowTwoToneSection(const RadioImage& image, bool bChinese, QJsonObject& out) {
    QJsonObject section;
    const fields::FieldTable& encode = two_tone::EncodePage().fields;
    const fields::FieldValues values = fields::LoadFields(encode, image, bChinese);
    QJsonArray pairs;
    for (std::size_t i = 0; i < encode.size(); ++i) {
        const fields::FieldSpec& spec = encode[i];
        if (spec.kind != fields::FieldKind::Cell) {
            section.insert(QString::fromStdString(spec.name), FieldJson(spec, values[i]));
            continue;
        }
        // Cells come row by row, tone 1 before tone 2.
        if (spec.column == 1) {
            pairs.append(QJsonArray{FieldJson(spec, values[i])});
        } else {
            QJsonArray pair = pairs.last().toArray();
            pair.append(FieldJson(spec, values[i]));
            pairs.replace(pairs.size() - 1, pair);
        }
    }
    section.insert("encode", pairs);
    QJsonArray sets;
    for (int set = 1; set <= layout::kTwoToneDecodeCount; ++set) {
        const fields::FieldTable& table = two_tone::DecodePage(set).fields;
        const fields::FieldValues setValues = fields::LoadFields(table, image, bChinese);
        QJsonObject object;
        for (std::size_t i = 0; i < table.size(); ++i) {
            object.insert(two_tone::kDecodeFieldNames[i], FieldJson(table[i], setValues[i]));
        }
        sets.append(object);
    }
    section.insert("decode", sets);
    out.insert("two_tone", section);
}
