#include "dialogs/bound_dialog.h"

#include "dialogs/field_control_ids.h"
#include "ui/field_binding.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

CBoundDialog::CBoundDialog(const fields::SettingsGroup& group, QWidget* parent, bool bChinese)
    : ImageDialog(parent), m_group(group), m_bChinese(bChinese) {}

int CBoundDialog::DoModal(RadioImage& image) {
    OnInitDialog(image);
    const int result = exec();
    for (Binding& binding : m_bindings) {
        if (binding.page->storesAtEnd) {
            StorePending(binding);
        }
    }
    DestroyPages();
    std::erase_if(m_bindings, [](const Binding& binding) { return binding.widget.isNull(); });
    m_image = nullptr;
    return result;
}

int CBoundDialog::exec() {
    return m_image ? ImageDialog::exec() : Rejected;
}

void CBoundDialog::OnInitDialog(RadioImage& image) {
    m_image = &image;
    CreatePages();
    LoadControls();
}

void CBoundDialog::LoadControls() {
    FillLists();
    if (!StoresOnHide()) {
        for (Binding& binding : m_bindings) {
            Load(binding);
        }
    }
}

void CBoundDialog::OnOK() {
    if (!m_image) {
        reject();
        return;
    }
    if (StoreOnOk(*m_image)) {
        accept();
    }
}

bool CBoundDialog::StoreOnOk(RadioImage& image) {
    StoreControls(image);
    return true;
}

const binding::ControlIdTable& CBoundDialog::ControlIds() const {
    return GroupControlIds(m_group.name);
}

QWidget* CBoundDialog::PageWidget(std::string_view name) const {
    for (const Binding& binding : m_bindings) {
        if (binding.page->name == name) {
            return binding.widget;
        }
    }
    return nullptr;
}

void CBoundDialog::BindPage(QWidget* widget, std::string_view name, PageHooks hooks) {
    m_bindings.push_back({widget, &m_group.Page(name), std::move(hooks)});
    if (StoresOnHide()) {
        widget->installEventFilter(this);
    }
}

void CBoundDialog::LoadPageNow(QWidget* widget) {
    if (Binding* binding = BindingOf(widget)) {
        Load(*binding);
    }
}

void CBoundDialog::FillLists() {
    for (const Binding& binding : m_bindings) {
        for (const fields::FieldSpec& spec : binding.page->fields) {
            binding::FillItems(spec, binding.widget, m_bChinese);
        }
    }
}

void CBoundDialog::StoreControls(RadioImage& image) {
    for (Binding& binding : m_bindings) {
        Store(binding, image);
    }
}

QDialogButtonBox* CBoundDialog::CreateOkCancel() {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    binding::SetControlId(ok, 1);
    ok->setDefault(true);
    binding::SetControlId(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBoundDialog::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void CBoundDialog::closeEvent(QCloseEvent* event) {
    // The close box hides the pages itself, so that the one in view stores.
    if (StoresOnHide()) {
        for (const Binding& binding : m_bindings) {
            if (binding.widget) {
                binding.widget->hide();
            }
        }
    }
    ImageDialog::closeEvent(event);
}

void CBoundDialog::keyPressEvent(QKeyEvent* event) {
    // Escape ends a dialog without OK or Cancel by its close box, so that the
    // page in view stores as it would there.
    if (StoresOnHide() && event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    ImageDialog::keyPressEvent(event);
}

bool CBoundDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool shown = event->type() == QEvent::Show;
    if (StoresOnHide() && (shown || event->type() == QEvent::Hide) && !event->spontaneous()) {
        if (Binding* binding = BindingOf(watched)) {
            if (shown && !binding->loaded) {
                Load(*binding);
            } else if (!shown && binding->widget->isHidden()) {
                StorePending(*binding);
            }
        }
    }
    return ImageDialog::eventFilter(watched, event);
}

bool CBoundDialog::StoresOnHide() const {
    return m_group.policy == fields::StorePolicy::OnPageHide;
}

CBoundDialog::Binding* CBoundDialog::BindingOf(const QObject* widget) {
    for (Binding& binding : m_bindings) {
        if (binding.widget.data() == widget) {
            return &binding;
        }
    }
    return nullptr;
}

void CBoundDialog::Load(Binding& binding) {
    if (!m_image || !binding.widget) {
        return;
    }
    const fields::FieldTable& table = binding.page->fields;
    binding::ShowFieldValues(table, fields::LoadFields(table, *m_image, m_bChinese),
                             binding.widget);
    if (binding.hooks.afterLoad) {
        binding.hooks.afterLoad();
    }
    binding.loaded = true;
}

void CBoundDialog::Store(Binding& binding, RadioImage& image) {
    if (!binding.widget) {
        return;
    }
    if (binding.hooks.beforeStore) {
        binding.hooks.beforeStore();
    }
    const fields::FieldTable& table = binding.page->fields;
    fields::StoreFields(table, binding::ReadFieldValues(table, binding.widget), image);
}

void CBoundDialog::StorePending(Binding& binding) {
    if (binding.loaded && m_image) {
        Store(binding, *m_image);
        binding.loaded = false;
    }
}
