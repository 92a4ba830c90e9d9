#pragma once
// Binds the controls of a settings dialog to the fields of model/fields:
// controls and their labels are made from the fields' descriptions (items in
// the language in use, text limits, capitals, label texts) and found again by
// the field's NAME, and the values move between a page of fields and its
// controls in one loop each way. The model knows a field by its name only;
// the ids its controls carry are the dialog's (a ControlIdTable).
//
// Every control carries its id as objectName and as the property
// "controlId", and its field's name as the property "fieldName"; whatever
// shows a field's label carries the name as "fieldLabel", spin buttons
// carry it as "fieldSpin". Kinds and controls: List - QComboBox; Edit,
// PickEdit - QLineEdit; Check - QCheckBox showing the label; Choice - a
// QGroupBox titled by the label holding one QRadioButton per item (ids
// itemIds); Cell - a cell (spec.row, spec.column) of a QTableWidget, named
// by TagCells. Texts of the model are UTF-8.

#include "model/fields/field_table.h"

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QTableWidget;
class QWidget;
class SpinButtons;

namespace binding {

// The ids a dialog gives the controls of the field called field: the
// control's own, the spin buttons (Edit) or drop-down list (PickEdit) paired
// with it, and one per item for the buttons of a Choice field. A Cell field
// has none: its grid has the dialog's id.
struct FieldControlIds {
    std::string field;
    int id = 0;
    int pairedId = 0;
    std::vector<int> itemIds = {};
};
using ControlIdTable = std::vector<FieldControlIds>;

// The ids of the field called field; a name the table lacks throws
// std::out_of_range, so that a field left out fails where it is bound.
const FieldControlIds& IdsOf(const ControlIdTable& table, std::string_view field);

void SetControlId(QWidget* widget, int id);
// The id of widget or of its nearest ancestor that has one; 0 when none.
int ControlIdOf(const QWidget* widget);
// The control with the id under root (root included); null when none.
QWidget* FindControl(const QWidget* root, int id);
template <typename T> T* FindControlAs(const QWidget* root, int id) {
    return qobject_cast<T*>(FindControl(root, id));
}

// A text edit that turns letters into capitals as they are typed or set.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The field's label in the language in use; empty when it has none.
QString LabelText(const fields::FieldSpec& spec);

// The control of a field (List, Edit, PickEdit, Check, Choice), made with its
// ids from ids, its name and rules, its items in Chinese when bChinese (the
// window's language flag), else in English. Cell fields belong to a grid the
// dialog lays out itself (TagCells); for them this returns null.
QWidget* CreateFieldControl(const fields::FieldSpec& spec, const ControlIdTable& ids,
                            QWidget* parent, bool bChinese);
// The label shown beside a field's control.
QLabel* CreateFieldLabel(const fields::FieldSpec& spec, QWidget* parent);
// The spin buttons beside an Edit field's edit (its paired id from ids).
SpinButtons* CreateSpinButtons(const fields::FieldSpec& spec, const ControlIdTable& ids,
                               QWidget* parent);
// Names the cells of the table's Cell fields on grid, the one grid of the
// page (making the cells that are missing).
void TagCells(QTableWidget* grid, const fields::FieldTable& table);

// The control of the field under root (root included): the widget of a
// List, Edit, PickEdit or Check field, the group box of a Choice field, the
// grid holding a Cell field's cell; null when there is none.
QWidget* FieldControl(const QWidget* root, const fields::FieldSpec& spec);
// What shows the label of the field called name under root; null when none.
QWidget* FieldLabel(const QWidget* root, std::string_view name);

// Refills a List field's control with its items in Chinese when bChinese,
// else in English.
void FillItems(const fields::FieldSpec& spec, QWidget* root, bool bChinese);

// Connects the Edit fields' rules found under root: leaving an edit rewrites
// it by spec.edit.normalise; its spin buttons step its text by spec.edit.spin.
void ConnectEditRules(const fields::FieldTable& table, QWidget* root);

// Values into the controls and back, one loop each way.
void ShowFieldValues(const fields::FieldTable& table, const fields::FieldValues& values,
                     QWidget* root);
fields::FieldValues ReadFieldValues(const fields::FieldTable& table, const QWidget* root);

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

} // namespace binding
