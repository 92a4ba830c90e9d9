#include "dialogs/dtmf_page.h"

#include "ui/dialog_keys.h"

CDtmfPage::CDtmfPage(const fields::FieldPage& fields, QWidget* parent)
    : QWidget(parent), m_fields(fields) {}

void CDtmfPage::InstallKeyFilter(std::function<bool(QWidget*, const QKeyEvent&)> filter) {
    new DialogKeyHook(this, std::move(filter));
}
