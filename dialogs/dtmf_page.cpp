#include "dialogs/dtmf_page.h"

#include "ui/dialog_keys.h"

CDtmfPage::CDtmfPage(const fields::FieldPage& fields, RadioImage& image, QWidget* parent)
    : BoundPage(fields.fields, image, parent), m_fields(fields) {
    SetStoresWithDialog(false);
}

void CDtmfPage::InstallKeyFilter(std::function<bool(QWidget*, const QKeyEvent&)> filter) {
    m_keys = new DialogKeyHook(this, std::move(filter));
}
