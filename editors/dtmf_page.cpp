#include "editors/dtmf_page.h"

#include "editors/dialog_keys.h"
#include "editors/field_binding.h"

#include <QShowEvent>

CDtmfPage::CDtmfPage(const fields::FieldPage& fields, RadioImage& image, QWidget* parent)
    : QWidget(parent), m_fields(fields), m_image(image) {}

void CDtmfPage::InstallKeyFilter(std::function<bool(QWidget*, const QKeyEvent&)> filter) {
    m_keys = new DialogKeyHook(this, std::move(filter));
}

void CDtmfPage::Load() {
    binding::ShowFieldValues(m_fields.fields, fields::LoadFields(m_fields.fields, m_image), this);
}

void CDtmfPage::Store() {
    fields::StoreFields(m_fields.fields, binding::ReadFieldValues(m_fields.fields, this), m_image);
}

void CDtmfPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Load();
    }
}

void CDtmfPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Only a page hidden itself stores, not one hidden with its dialog.
    if (!event->spontaneous() && isHidden()) {
        Store();
    }
}
