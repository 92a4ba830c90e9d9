#include "shell/compare_places.h"

#include "model/channel_columns.h"
#include "shell/command_table.h"

#include <QCoreApplication>

namespace {

struct GroupCommand {
    std::string_view group;
    int id;
};

constexpr GroupCommand kGroupCommands[] = {
    {"optional", ID_OPTIONAL_FEATURES}, {"dtmf", ID_DTMF}, {"side_key", ID_KEY_ASSIGNMENT},
    {"two_tone", ID_TWO_TONE},          {"msk", ID_MSK},   {"squelch", ID_SQUELCH_TUNING},
    {"product", ID_PRODUCT_INFORMATION}};

// source: a text marked for the context "ComparePlaces".
QString Translate(const char* source) {
    return QCoreApplication::translate("ComparePlaces", source);
}

// The field as its dialog labels it; a call list entry by its row.
QString FieldText(const compare::Difference& difference) {
    if (*difference.label.source != '\0') {
        return QCoreApplication::translate(difference.label.context, difference.label.source);
    }
    return Translate(QT_TRANSLATE_NOOP("ComparePlaces", "Call List %1")).arg(difference.row);
}

} // namespace

int GroupCommandId(std::string_view group) {
    for (const GroupCommand& entry : kGroupCommands) {
        if (entry.group == group) {
            return entry.id;
        }
    }
    return 0;
}

QString ComparePlaceText(const compare::Difference& difference, const TextCatalogue& texts) {
    switch (difference.kind) {
    case compare::DifferenceKind::Channel:
        return Translate(QT_TRANSLATE_NOOP("ComparePlaces", "Channel %1, %2"))
            .arg(QString::fromStdString(ChannelRowLabel(difference.row)),
                 QString::fromStdString(texts.Tr(ColumnHeader(difference.column))).trimmed());
    case compare::DifferenceKind::Field: {
        const Command* command = FindCommand(GroupCommandId(difference.group));
        if (command == nullptr) {
            return FieldText(difference);
        }
        return Translate(QT_TRANSLATE_NOOP("ComparePlaces", "%1: %2"))
            .arg(CommandText(command->text), FieldText(difference));
    }
    case compare::DifferenceKind::Bytes:
        break;
    }
    return Translate(QT_TRANSLATE_NOOP("ComparePlaces", "Other bytes: %1"))
        .arg(QString::fromStdString(compare::DifferencePlace(difference, texts)));
}
