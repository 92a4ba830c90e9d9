#include "dialogs/dtmf_decode_page.h"

#include "dialogs/field_control_ids.h"
#include "model/fields/dtmf_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/popup_focus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The stun code edit passes DTMF digits only; the other controls pass all.
bool StunCodeSwallows(const QKeyEvent& key) {
    if (keys::IsHashOrStar(key)) {
        return false;
    }
    const bool passes = keys::IsDigit(key) || keys::IsLetter(key, 'A', 'D') ||
                        keys::IsBackspaceOrDelete(key) || keys::IsLeftOrRight(key);
    return !passes || keys::ShiftHeld(key);
}

} // namespace

CDtmfDecodePage::CDtmfDecodePage(const fields::FieldPage& fields, QWidget* parent, bool bChinese)
    : CDtmfPage(fields, parent) {
    binding::SetControlId(this, kDialogId);
    const fields::FieldPage& page = Fields();
    const binding::ControlIdTable& ids = GroupControlIds("dtmf");
    auto* top = new QGridLayout;
    int row = 0;
    for (const char* name : {"id_code", "group_code"}) {
        top->addWidget(binding::CreateFieldLabel(page.Field(name), this), row, 0);
        top->addWidget(binding::CreateFieldControl(page.Field(name), ids, this, bChinese), row, 1);
        ++row;
    }

    auto* stun = new QGroupBox(tr("Stun"), this);
    auto* grid = new QGridLayout(stun);
    grid->addWidget(binding::CreateFieldControl(page.Field("stun_activation"), ids, stun, bChinese),
                    0, 0, 1, 2);
    row = 1;
    for (const auto& [name, labelId] :
         {std::pair{"stun_code", kStunCodeLabelId}, std::pair{"stun_type", kStunTypeLabelId}}) {
        QLabel* label = binding::CreateFieldLabel(page.Field(name), stun);
        binding::SetControlId(label, labelId);
        grid->addWidget(label, row, 0);
        grid->addWidget(binding::CreateFieldControl(page.Field(name), ids, stun, bChinese), row, 1);
        ++row;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(stun);
    layout->addStretch(1);

    // The two drop-down lists, hidden until their edit gets the focus; each
    // lies over its edit, so it shares the edit's parent.
    int i = 0;
    for (const char* name : {"group_code", "stun_type"}) {
        const fields::FieldSpec& spec = page.Field(name);
        auto* edit = static_cast<QLineEdit*>(binding::FieldControl(this, spec));
        auto* list = new QComboBox(edit->parentWidget());
        list->setEditable(false);
        list->setMaxVisibleItems(9);
        binding::SetControlId(list, binding::IdsOf(ids, name).pairedId);
        for (const fields::ItemText& item : spec.items) {
            list->addItem(binding::ToQString(fields::ItemInLanguage(item, bChinese)));
        }
        list->hide();
        ClosePopupWhenFocusLeaves(list);
        // The edit keeps its room in the layout while the list stands in for
        // it, so that nothing below moves.
        QSizePolicy policy = edit->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        edit->setSizePolicy(policy);
        edit->installEventFilter(this);
        list->installEventFilter(this);
        m_picks[i++] = {edit, list};
    }
    connect(static_cast<QCheckBox*>(binding::FieldControl(this, page.Field("stun_activation"))),
            &QCheckBox::clicked, this, &CDtmfDecodePage::UpdateStunControls);

    const int stunCodeId = binding::IdsOf(ids, "stun_code").id;
    InstallKeyFilter([stunCodeId](QWidget* target, const QKeyEvent& key) {
        return binding::ControlIdOf(target) == stunCodeId && StunCodeSwallows(key);
    });
}

void CDtmfDecodePage::CloseOpenLists() {
    for (const Pick& pick : m_picks) {
        if (!pick.list->isHidden()) {
            CloseList(pick);
        }
    }
}

void CDtmfDecodePage::UpdateStunControls() {
    const bool on =
        static_cast<QCheckBox*>(binding::FieldControl(this, Fields().Field("stun_activation")))
            ->isChecked();
    for (const char* name : {"stun_code", "stun_type"}) {
        binding::FieldControl(this, Fields().Field(name))->setEnabled(on);
        binding::FieldLabel(this, name)->setEnabled(on);
    }
}

bool CDtmfDecodePage::eventFilter(QObject* watched, QEvent* event) {
    for (const Pick& pick : m_picks) {
        if (watched == pick.edit && event->type() == QEvent::FocusIn) {
            OpenList(pick);
        } else if (watched == pick.list && event->type() == QEvent::FocusOut &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                   !pick.list->isHidden()) {
            CloseList(pick);
        }
    }
    return CDtmfPage::eventFilter(watched, event);
}

void CDtmfDecodePage::OpenList(const Pick& pick) {
    std::vector<std::string> items;
    for (int i = 0; i < pick.list->count(); ++i) {
        items.push_back(binding::ToStdString(pick.list->itemText(i)));
    }
    pick.list->setGeometry(pick.edit->geometry());
    pick.list->setCurrentIndex(
        dtmf::ItemStartingWith(items, binding::ToStdString(pick.edit->text())));
    pick.list->show();
    pick.list->raise();
    pick.list->setFocus(Qt::OtherFocusReason);
    pick.edit->hide();
}

void CDtmfDecodePage::CloseList(const Pick& pick) {
    // The page takes the focus first, so that hiding the list does not pass
    // it on to a neighbour (possibly the other list's edit).
    if (pick.list->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    pick.list->hide();
    // With no item chosen the edit keeps the text it had.
    if (pick.list->currentIndex() >= 0) {
        pick.edit->setText(pick.list->currentText());
    }
    pick.edit->show();
}
