// Every settings group of the registry against the dialog that edits it:
// each page is bound, each field's control and label are found by the
// field's name (and are that field's, by id and text), and nothing in the
// dialog or its table of control ids names a field the group does not have.

#include "dialogs/dtmf_dialog.h"
#include "dialogs/field_control_ids.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "settings/program_context.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/field_binding.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace {

using DialogFactory = std::function<std::unique_ptr<CBoundDialog>(ProgramContext& context)>;

template <typename Dialog> DialogFactory Make() {
    return [](ProgramContext&) { return std::make_unique<Dialog>(); };
}

// A dialog that works with the program's context.
template <typename Dialog> DialogFactory MakeWithContext() {
    return [](ProgramContext& context) { return std::make_unique<Dialog>(context); };
}

const std::map<std::string, DialogFactory>& Dialogs() {
    static const std::map<std::string, DialogFactory> dialogs = {
        {"optional", Make<COptionalFeaturesDlg>()},
        {"dtmf", Make<CDtmfDlg>()},
        {"side_key", Make<CKeyAssignDlg>()},
        {"two_tone", Make<CTwoToneDlg>()},
        {"msk", Make<CMskDlg>()},
        {"squelch", MakeWithContext<CSquelchTuningDlg>()},
        {"product", MakeWithContext<CProductInfoDlg>()},
    };
    return dialogs;
}

// The text a label widget shows: a label's, a check box's, a group's title.
QString ShownLabel(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

// The control of spec under page is the field's own: it carries the id the
// dialog's table gives the field (a group of buttons: each button its item's
// id; the cell of a list grid: its grid's).
void CheckControl(const QWidget* page, const fields::FieldSpec& spec,
                  const binding::ControlIdTable& table, const QString& where) {
    const QWidget* control = binding::FieldControl(page, spec);
    QVERIFY2(control, qPrintable(where + ": no control"));
    if (spec.kind == fields::FieldKind::Cell) {
        return;
    }
    const binding::FieldControlIds& ids = binding::IdsOf(table, spec.name);
    if (spec.kind != fields::FieldKind::Choice) {
        QVERIFY2(binding::ControlIdOf(control) == ids.id, qPrintable(where + ": wrong control"));
        return;
    }
    QCOMPARE(ids.itemIds.size(), spec.items.size());
    for (const int id : ids.itemIds) {
        QVERIFY2(binding::FindControl(control, id), qPrintable(where + ": a button is missing"));
    }
}

void CheckGroup(const CBoundDialog& dialog, const fields::SettingsGroup& group) {
    const binding::ControlIdTable& table = GroupControlIds(group.name);
    std::set<QString> names;
    for (const fields::FieldPage* page : group.pages) {
        const QString pageName = QString::fromStdString(group.name + "/" + page->name);
        const QWidget* widget = dialog.PageWidget(page->name);
        QVERIFY2(widget, qPrintable(pageName + " is not bound"));
        for (const fields::FieldSpec& spec : page->fields) {
            const QString where = pageName + "." + QString::fromStdString(spec.name);
            names.insert(QString::fromStdString(spec.name));
            CheckControl(widget, spec, table, where);
            if (*spec.label.source) {
                const QWidget* label = binding::FieldLabel(widget, spec.name);
                QVERIFY2(label, qPrintable(where + ": no label"));
                QCOMPARE(ShownLabel(label), binding::LabelText(spec));
            }
        }
    }
    // Whatever is named after a field names one of the group: a control, a
    // label, spin buttons, an entry of the table of ids.
    for (const binding::FieldControlIds& ids : table) {
        QVERIFY2(names.count(QString::fromStdString(ids.field)) == 1,
                 qPrintable(QString::fromStdString(group.name + ": the ids of " + ids.field +
                                                   " are no field's of the group")));
    }
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        for (const char* property : {"fieldName", "fieldLabel", "fieldSpin"}) {
            const QVariant name = widget->property(property);
            QVERIFY2(!name.isValid() || names.count(name.toString()) == 1,
                     qPrintable(QString::fromStdString(group.name) + ": " + property + " " +
                                name.toString() + " is no field of the group"));
        }
    }
}

} // namespace

class BoundGroupsTest : public QObject {
    Q_OBJECT

private slots:
    void everyGroupBindsEveryFieldByName_data() {
        QTest::addColumn<QString>("group");
        for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
            QTest::newRow(group.name.c_str()) << QString::fromStdString(group.name);
        }
    }
    void everyGroupBindsEveryFieldByName() {
        QFETCH(QString, group);
        const fields::SettingsGroup& settings = fields::Group(group.toStdString());
        const auto factory = Dialogs().find(settings.name);
        QVERIFY2(factory != Dialogs().end(), "no dialog edits the group");
        ProgramContext context;
        const std::unique_ptr<CBoundDialog> dialog = factory->second(context);
        QCOMPARE(&dialog->Group(), &settings);
        RadioImage image = NewImage();
        bool checked = false;
        RunWith(*dialog, image, [&] {
            CheckGroup(*dialog, settings);
            checked = !QTest::currentTestFailed();
            dialog->reject();
        });
        QVERIFY(checked);
    }
};

QTEST_MAIN(BoundGroupsTest)
#include "bound_groups_test.moc"
