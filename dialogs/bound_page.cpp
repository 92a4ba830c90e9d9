#include "dialogs/bound_page.h"

#include "ui/field_binding.h"

#include <QShowEvent>

BoundPage::BoundPage(const fields::FieldTable& table, RadioImage& image, QWidget* parent)
    : QWidget(parent), m_table(table), m_image(image) {}

void BoundPage::Load() {
    binding::ShowFieldValues(m_table, fields::LoadFields(m_table, m_image), this);
}

void BoundPage::Store() {
    if (m_beforeStore) {
        m_beforeStore();
    }
    fields::StoreFields(m_table, binding::ReadFieldValues(m_table, this), m_image);
}

void BoundPage::LoadNow() {
    Load();
    m_loaded = true;
}

void BoundPage::StorePending() {
    if (m_loaded) {
        Store();
        m_loaded = false;
    }
}

void BoundPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !m_loaded) {
        LoadNow();
    }
}

void BoundPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || (!m_storesWithDialog && !isHidden())) {
        return;
    }
    StorePending();
}
