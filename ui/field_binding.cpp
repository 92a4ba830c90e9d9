#include "ui/field_binding.h"

#include "ui/spin_buttons.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVariant>

#include <algorithm>

namespace binding {
namespace {

constexpr const char* kIdProperty = "controlId";

using fields::FieldKind;
using fields::FieldSpec;
using fields::FieldValue;

// The button of a Choice field at position index.
QAbstractButton* ChoiceButton(const FieldSpec& spec, const QWidget* root, std::size_t index) {
    return index < spec.itemIds.size() ? FindControlAs<QAbstractButton>(root, spec.itemIds[index])
                                       : nullptr;
}

QTableWidgetItem* CellItem(const FieldSpec& spec, const QWidget* root, bool create) {
    auto* grid = FindControlAs<QTableWidget>(root, spec.id);
    if (!grid) {
        return nullptr;
    }
    QTableWidgetItem* item = grid->item(spec.row, spec.column);
    if (!item && create) {
        item = new QTableWidgetItem;
        grid->setItem(spec.row, spec.column, item);
    }
    return item;
}

// Puts text into the edit of a field. The field's text limit stops typing
// only: text the dialog puts there itself (a value read from the image, a
// normalised or stepped value) is shown in full, so the limit is raised to
// fit it until the user's typing makes the text short enough again.
void SetEditText(QLineEdit* edit, int typingLimit, const QString& text) {
    if (typingLimit > 0) {
        edit->setMaxLength(std::max(typingLimit, static_cast<int>(text.size())));
    }
    edit->setText(text);
}

void ShowValue(const FieldSpec& spec, const FieldValue& value, QWidget* root) {
    switch (spec.kind) {
    case FieldKind::List:
        if (auto* list = FindControlAs<QComboBox>(root, spec.id)) {
            list->setCurrentIndex(value.index);
        }
        return;
    case FieldKind::Edit:
    case FieldKind::PickEdit:
        if (auto* edit = FindControlAs<QLineEdit>(root, spec.id)) {
            SetEditText(edit, spec.edit.maxLength, ToQString(value.text));
        }
        return;
    case FieldKind::Check:
        if (auto* check = FindControlAs<QAbstractButton>(root, spec.id)) {
            check->setChecked(value.checked);
        }
        return;
    case FieldKind::Choice:
        if (auto* button = ChoiceButton(spec, root, static_cast<std::size_t>(value.index))) {
            button->setChecked(true);
        }
        return;
    case FieldKind::Cell:
        if (QTableWidgetItem* item = CellItem(spec, root, true)) {
            item->setText(ToQString(value.text));
        }
        return;
    }
}

FieldValue ReadValue(const FieldSpec& spec, const QWidget* root) {
    FieldValue value;
    switch (spec.kind) {
    case FieldKind::List:
        if (auto* list = FindControlAs<QComboBox>(root, spec.id)) {
            value.index = list->currentIndex();
        }
        break;
    case FieldKind::Edit:
    case FieldKind::PickEdit:
        if (auto* edit = FindControlAs<QLineEdit>(root, spec.id)) {
            value.text = ToStdString(edit->text());
            value.edited = edit->isModified();
        }
        break;
    case FieldKind::Check:
        if (auto* check = FindControlAs<QAbstractButton>(root, spec.id)) {
            value.checked = check->isChecked();
        }
        break;
    case FieldKind::Choice:
        for (std::size_t i = 0; i < spec.itemIds.size(); ++i) {
            const QAbstractButton* button = ChoiceButton(spec, root, i);
            if (button && button->isChecked()) {
                value.index = static_cast<int>(i);
            }
        }
        break;
    case FieldKind::Cell:
        if (const QTableWidgetItem* item = CellItem(spec, root, false)) {
            value.text = ToStdString(item->text());
        }
        break;
    }
    return value;
}

} // namespace

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    for (QChar& c : input) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = c.toUpper();
        }
    }
    return Acceptable;
}

void SetControlId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
    widget->setProperty(kIdProperty, id);
}

int ControlIdOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant id = widget->property(kIdProperty);
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

QWidget* FindControl(const QWidget* root, int id) {
    if (!root) {
        return nullptr;
    }
    if (root->property(kIdProperty).toInt() == id) {
        return const_cast<QWidget*>(root);
    }
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->property(kIdProperty).toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

QWidget* CreateFieldControl(const FieldSpec& spec, QWidget* parent, const QString& checkText) {
    QWidget* control = nullptr;
    switch (spec.kind) {
    case FieldKind::List: {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        control = list;
        break;
    }
    case FieldKind::Edit:
    case FieldKind::PickEdit: {
        auto* edit = new QLineEdit(parent);
        if (const int limit = spec.edit.maxLength; limit > 0) {
            edit->setMaxLength(limit);
            QObject::connect(edit, &QLineEdit::textEdited, edit,
                             [edit, limit](const QString& text) {
                                 if (text.size() <= limit) {
                                     edit->setMaxLength(limit);
                                 }
                             });
        }
        if (spec.edit.upperCase) {
            edit->setValidator(new UpperCaseValidator(edit));
        }
        control = edit;
        break;
    }
    case FieldKind::Check:
        control = new QCheckBox(checkText, parent);
        break;
    case FieldKind::Choice:
    case FieldKind::Cell:
        return nullptr;
    }
    SetControlId(control, spec.id);
    FillItems(spec, control);
    return control;
}

SpinButtons* CreateSpinButtons(const FieldSpec& spec, QWidget* parent) {
    auto* spin = new SpinButtons(parent);
    SetControlId(spin, spec.pairedId);
    return spin;
}

void FillItems(const FieldSpec& spec, QWidget* root) {
    auto* list = spec.kind == FieldKind::List ? FindControlAs<QComboBox>(root, spec.id) : nullptr;
    if (!list) {
        return;
    }
    list->clear();
    for (const fields::ItemText& item : spec.items) {
        list->addItem(ToQString(fields::ItemInLanguage(item)));
    }
}

void ConnectEditRules(const fields::FieldTable& table, QWidget* root) {
    for (const FieldSpec& spec : table) {
        auto* edit =
            spec.kind == FieldKind::Edit ? FindControlAs<QLineEdit>(root, spec.id) : nullptr;
        if (!edit) {
            continue;
        }
        const int limit = spec.edit.maxLength;
        if (const auto normalise = spec.edit.normalise) {
            QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, limit, normalise] {
                SetEditText(edit, limit, ToQString(normalise(ToStdString(edit->text()))));
            });
        }
        auto* spin = FindControlAs<SpinButtons>(root, spec.pairedId);
        if (const auto rule = spec.edit.spin; spin && rule) {
            QObject::connect(spin, &SpinButtons::Stepped, edit, [edit, limit, rule](int delta) {
                SetEditText(edit, limit, ToQString(rule(ToStdString(edit->text()), delta)));
            });
        }
    }
}

void ShowFieldValues(const fields::FieldTable& table, const fields::FieldValues& values,
                     QWidget* root) {
    for (std::size_t i = 0; i < table.size() && i < values.size(); ++i) {
        ShowValue(table[i], values[i], root);
    }
}

fields::FieldValues ReadFieldValues(const fields::FieldTable& table, const QWidget* root) {
    fields::FieldValues values;
    values.reserve(table.size());
    for (const FieldSpec& spec : table) {
        values.push_back(ReadValue(spec, root));
    }
    return values;
}

} // namespace binding
