#pragma once
// Binds the controls of a settings dialog to a field table of model/fields:
// controls are made from the fields' descriptions (items in the language in
// use, text limits, capitals) and found again by their control id, and the
// values move between the table and the controls in one loop each way.
//
// Every control carries its id as objectName and as the property
// "controlId". Kinds and controls: List - QComboBox; Edit, PickEdit -
// QLineEdit; Check - QCheckBox; Choice - one QRadioButton per item (ids of
// spec.itemIds); Cell - a cell (spec.row, spec.column) of a QTableWidget.
// Texts of the model are UTF-8.

#include "model/fields/field_table.h"

#include <QString>
#include <QValidator>

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;
class SpinButtons;

namespace binding {

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

// The control of a field (List, Edit, PickEdit, Check), made with its id and
// rules; checkText is the text of a check box. Choice and Cell fields belong
// to a group box or grid the dialog lays out itself.
QWidget* CreateFieldControl(const fields::FieldSpec& spec, QWidget* parent,
                            const QString& checkText = {});
// The spin buttons beside an Edit field's edit (id spec.pairedId).
SpinButtons* CreateSpinButtons(const fields::FieldSpec& spec, QWidget* parent);
// Refills a List field's control with its items in the language in use.
void FillItems(const fields::FieldSpec& spec, QWidget* root);

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
