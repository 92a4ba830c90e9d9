#include "dialogs/dtmf_decode_page.h"

#include "model/fields/dtmf_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("CDtmfDecodePage", source);
}

const fields::FieldSpec& Field(const fields::FieldPage& page, const char* name) {
    return *fields::FindField(page.fields, name);
}

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

CDtmfDecodePage::CDtmfDecodePage(RadioImage& image, QWidget* parent)
    : CDtmfPage(dtmf::Pages()[1], image, parent) {
    binding::SetControlId(this, kDialogId);
    const fields::FieldPage& page = Fields();
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "ID Code")), this), 0, 0);
    top->addWidget(binding::CreateFieldControl(Field(page, "id_code"), this), 0, 1);
    top->addWidget(new QLabel(Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "Group Code")), this), 1,
                   0);
    top->addWidget(binding::CreateFieldControl(Field(page, "group_code"), this), 1, 1);

    auto* stun = new QGroupBox(Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "Stun")), this);
    auto* grid = new QGridLayout(stun);
    grid->addWidget(
        binding::CreateFieldControl(Field(page, "stun_activation"), stun,
                                    Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "Stun Activation"))),
        0, 0, 1, 2);
    auto* codeLabel = new QLabel(Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "Stun Code")), stun);
    binding::SetControlId(codeLabel, dtmf::kStunCodeLabelId);
    grid->addWidget(codeLabel, 1, 0);
    grid->addWidget(binding::CreateFieldControl(Field(page, "stun_code"), stun), 1, 1);
    auto* typeLabel = new QLabel(Text(QT_TRANSLATE_NOOP("CDtmfDecodePage", "Stun Type")), stun);
    binding::SetControlId(typeLabel, dtmf::kStunTypeLabelId);
    grid->addWidget(typeLabel, 2, 0);
    grid->addWidget(binding::CreateFieldControl(Field(page, "stun_type"), stun), 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(stun);
    layout->addStretch(1);

    // The two drop-down lists, hidden until their edit gets the focus; each
    // lies over its edit, so it shares the edit's parent.
    int i = 0;
    for (const char* name : {"group_code", "stun_type"}) {
        const fields::FieldSpec& spec = Field(page, name);
        auto* edit = binding::FindControlAs<QLineEdit>(this, spec.id);
        auto* list = new QComboBox(edit->parentWidget());
        list->setEditable(false);
        list->setMaxVisibleItems(9);
        binding::SetControlId(list, spec.pairedId);
        for (const fields::ItemText& item : spec.items) {
            list->addItem(binding::ToQString(fields::ItemInLanguage(item)));
        }
        list->hide();
        edit->installEventFilter(this);
        list->installEventFilter(this);
        m_picks[i++] = {edit, list};
    }
    connect(binding::FindControlAs<QCheckBox>(this, dtmf::kStunActivationId), &QCheckBox::clicked,
            this, &CDtmfDecodePage::UpdateStunControls);

    InstallKeyFilter([](QWidget* target, const QKeyEvent& key) {
        return binding::ControlIdOf(target) == dtmf::kStunCodeEditId && StunCodeSwallows(key);
    });
}

void CDtmfDecodePage::Load() {
    BoundPage::Load();
    UpdateStunControls();
}

void CDtmfDecodePage::Store() {
    for (const Pick& pick : m_picks) {
        if (!pick.list->isHidden()) {
            CloseList(pick);
        }
    }
    BoundPage::Store();
}

void CDtmfDecodePage::UpdateStunControls() {
    const bool on = binding::FindControlAs<QCheckBox>(this, dtmf::kStunActivationId)->isChecked();
    for (const int id : {dtmf::kStunCodeEditId, dtmf::kStunTypeEditId, dtmf::kStunCodeLabelId,
                         dtmf::kStunTypeLabelId}) {
        binding::FindControl(this, id)->setEnabled(on);
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
