#include "ui/field_binding.h"

#include "ui/help_service.h"
#include "ui/spin_buttons.h"
#include "ui/text_room.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>
#include <stdexcept>

namespace binding {
namespace {

constexpr const char* kNameProperty = "fieldName";
constexpr const char* kLabelProperty = "fieldLabel";
constexpr const char* kSpinProperty = "fieldSpin";
// The name of the field a grid cell shows.
constexpr int kCellNameRole = Qt::UserRole + 1;

using fields::FieldKind;
using fields::FieldSpec;
using fields::FieldValue;

// The first widget under root (root included) that matches.
template <typename Match> QWidget* FindWidget(const QWidget* root, Match matches) {
    if (!root) {
        return nullptr;
    }
    if (matches(root)) {
        return const_cast<QWidget*>(root);
    }
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (matches(child)) {
            return child;
        }
    }
    return nullptr;
}

// The widget under root (root included) whose property holds name.
QWidget* FindNamed(const QWidget* root, const char* property, std::string_view name) {
    const QString wanted = ToQString(name);
    return FindWidget(root, [&](const QWidget* widget) {
        return widget->property(property).toString() == wanted;
    });
}

template <typename T> T* NamedControl(const QWidget* root, const FieldSpec& spec) {
    return qobject_cast<T*>(FindNamed(root, kNameProperty, spec.name));
}

// The cell of a Cell field: the cell at its row and column, named by it,
// of a grid under root.
QTableWidgetItem* CellItem(const FieldSpec& spec, const QWidget* root) {
    QList<QTableWidget*> grids = root->findChildren<QTableWidget*>();
    if (auto* self = qobject_cast<QTableWidget*>(const_cast<QWidget*>(root))) {
        grids.prepend(self);
    }
    const QString name = ToQString(spec.name);
    for (QTableWidget* grid : grids) {
        QTableWidgetItem* item = grid->item(spec.row, spec.column);
        if (item && item->data(kCellNameRole).toString() == name) {
            return item;
        }
    }
    return nullptr;
}

// The buttons of a Choice field, each by its item's position.
const QButtonGroup* ChoiceButtons(const FieldSpec& spec, const QWidget* root) {
    const QWidget* box = NamedControl<QWidget>(root, spec);
    return box ? box->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
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
        if (auto* list = NamedControl<QComboBox>(root, spec)) {
            list->setCurrentIndex(value.index);
        }
        return;
    case FieldKind::Edit:
    case FieldKind::PickEdit:
        if (auto* edit = NamedControl<QLineEdit>(root, spec)) {
            SetEditText(edit, spec.edit.maxLength, ToQString(value.text));
        }
        return;
    case FieldKind::Check:
        if (auto* check = NamedControl<QAbstractButton>(root, spec)) {
            check->setChecked(value.checked);
        }
        return;
    case FieldKind::Choice:
        if (const QButtonGroup* buttons = ChoiceButtons(spec, root)) {
            if (QAbstractButton* button = buttons->button(value.index)) {
                button->setChecked(true);
            }
        }
        return;
    case FieldKind::Cell:
        if (QTableWidgetItem* item = CellItem(spec, root)) {
            item->setText(ToQString(value.text));
        }
        return;
    }
}

FieldValue ReadValue(const FieldSpec& spec, const QWidget* root) {
    FieldValue value;
    switch (spec.kind) {
    case FieldKind::List:
        if (auto* list = NamedControl<QComboBox>(root, spec)) {
            value.index = list->currentIndex();
        }
        break;
    case FieldKind::Edit:
    case FieldKind::PickEdit:
        if (auto* edit = NamedControl<QLineEdit>(root, spec)) {
            value.text = ToStdString(edit->text());
            value.edited = edit->isModified();
        }
        break;
    case FieldKind::Check:
        if (auto* check = NamedControl<QAbstractButton>(root, spec)) {
            value.checked = check->isChecked();
        }
        break;
    case FieldKind::Choice:
        if (const QButtonGroup* buttons = ChoiceButtons(spec, root)) {
            value.index = buttons->checkedId();
        }
        break;
    case FieldKind::Cell:
        if (const QTableWidgetItem* item = CellItem(spec, root)) {
            value.text = ToStdString(item->text());
        }
        break;
    }
    return value;
}

} // namespace

const FieldControlIds& IdsOf(const ControlIdTable& table, std::string_view field) {
    for (const FieldControlIds& ids : table) {
        if (ids.field == field) {
            return ids;
        }
    }
    throw std::out_of_range("no control ids for field \"" + std::string(field) + "\"");
}

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
    widget->setProperty(kControlIdProperty, id);
}

int ControlIdOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant id = widget->property(kControlIdProperty);
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

QWidget* FindControl(const QWidget* root, int id) {
    return FindWidget(root, [id](const QWidget* widget) {
        return widget->property(kControlIdProperty).toInt() == id;
    });
}

QString LabelText(const FieldSpec& spec) {
    return *spec.label.source ? QCoreApplication::translate(spec.label.context, spec.label.source)
                              : QString();
}

QWidget* CreateFieldControl(const FieldSpec& spec, const ControlIdTable& table, QWidget* parent,
                            bool bChinese) {
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
            FitEditToLength(edit);
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
        control = new QCheckBox(LabelText(spec), parent);
        control->setProperty(kLabelProperty, ToQString(spec.name));
        break;
    case FieldKind::Choice: {
        // The group box has no id of its own: F1 on a button asks for the
        // button's.
        auto* box = new QGroupBox(LabelText(spec), parent);
        box->setProperty(kNameProperty, ToQString(spec.name));
        box->setProperty(kLabelProperty, ToQString(spec.name));
        auto* layout = new QVBoxLayout(box);
        auto* buttons = new QButtonGroup(box);
        const std::vector<int>& itemIds = IdsOf(table, spec.name).itemIds;
        for (std::size_t i = 0; i < spec.items.size() && i < itemIds.size(); ++i) {
            auto* button =
                new QRadioButton(ToQString(fields::ItemInLanguage(spec.items[i], bChinese)), box);
            SetControlId(button, itemIds[i]);
            buttons->addButton(button, static_cast<int>(i));
            layout->addWidget(button);
        }
        return box;
    }
    case FieldKind::Cell:
        return nullptr;
    }
    SetControlId(control, IdsOf(table, spec.name).id);
    control->setProperty(kNameProperty, ToQString(spec.name));
    FillItems(spec, control, bChinese);
    return control;
}

QLabel* CreateFieldLabel(const FieldSpec& spec, QWidget* parent) {
    auto* label = new QLabel(LabelText(spec), parent);
    label->setProperty(kLabelProperty, ToQString(spec.name));
    return label;
}

SpinButtons* CreateSpinButtons(const FieldSpec& spec, const ControlIdTable& ids, QWidget* parent) {
    auto* spin = new SpinButtons(parent);
    SetControlId(spin, IdsOf(ids, spec.name).pairedId);
    spin->setProperty(kSpinProperty, ToQString(spec.name));
    return spin;
}

void TagCells(QTableWidget* grid, const fields::FieldTable& table) {
    for (const FieldSpec& spec : table) {
        if (spec.kind != FieldKind::Cell) {
            continue;
        }
        QTableWidgetItem* item = grid->item(spec.row, spec.column);
        if (!item) {
            item = new QTableWidgetItem;
            grid->setItem(spec.row, spec.column, item);
        }
        item->setData(kCellNameRole, ToQString(spec.name));
    }
}

QWidget* FieldControl(const QWidget* root, const FieldSpec& spec) {
    if (spec.kind == FieldKind::Cell) {
        const QTableWidgetItem* item = root ? CellItem(spec, root) : nullptr;
        return item ? item->tableWidget() : nullptr;
    }
    return NamedControl<QWidget>(root, spec);
}

QWidget* FieldLabel(const QWidget* root, std::string_view name) {
    return FindNamed(root, kLabelProperty, name);
}

void FillItems(const FieldSpec& spec, QWidget* root, bool bChinese) {
    auto* list = spec.kind == FieldKind::List ? NamedControl<QComboBox>(root, spec) : nullptr;
    if (!list) {
        return;
    }
    list->clear();
    for (const fields::ItemText& item : spec.items) {
        list->addItem(ToQString(fields::ItemInLanguage(item, bChinese)));
    }
}

void ConnectEditRules(const fields::FieldTable& table, QWidget* root) {
    for (const FieldSpec& spec : table) {
        auto* edit = spec.kind == FieldKind::Edit ? NamedControl<QLineEdit>(root, spec) : nullptr;
        if (!edit) {
            continue;
        }
        const int limit = spec.edit.maxLength;
        if (const auto normalise = spec.edit.normalise) {
            QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, limit, normalise] {
                SetEditText(edit, limit, ToQString(normalise(ToStdString(edit->text()))));
            });
        }
        auto* spin = qobject_cast<SpinButtons*>(FindNamed(root, kSpinProperty, spec.name));
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
