#include "dialogs/product_info_dialog.h"

#include "model/band.h"
#include "model/fields/product_fields.h"
#include "settings/program_context.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CProductInfoDlg::CProductInfoDlg(ProgramContext& context, QWidget* parent)
    : CBoundDialog(fields::Group("product"), parent, context.Texts().bChinese()),
      m_context(context) {
    setWindowTitle(tr("Product Information"));
    binding::SetControlId(this, kDialogId);
    const fields::FieldPage& page = Group().Page("product");
    auto* group = new QGroupBox(tr("Model Info"), this);
    auto* grid = new QGridLayout(group);
    const fields::FieldSpec& model = page.Field("model");
    m_model = static_cast<QComboBox*>(
        binding::CreateFieldControl(model, ControlIds(), group, bChinese()));
    grid->addWidget(binding::CreateFieldLabel(model, group), 0, 0);
    grid->addWidget(m_model, 0, 1, 1, 3);
    grid->addWidget(binding::CreateFieldLabel(page.Field(product::kBandNames[0]), group), 1, 0);
    for (int i = 0; i < 4; ++i) {
        m_band[i] = static_cast<QLineEdit*>(binding::CreateFieldControl(
            page.Field(product::kBandNames[i]), ControlIds(), group, bChinese()));
        // The limits are shown, not edited.
        m_band[i]->setEnabled(false);
        const int row = 1 + i / 2;
        grid->addWidget(m_band[i], row, i % 2 == 0 ? 1 : 3);
        if (i % 2 == 0) {
            grid->addWidget(new QLabel(QStringLiteral("——"), group), row, 2);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(CreateOkCancel());
    BindPage(this, "product", {.afterLoad = [this] { AfterLoad(); }});
    // No key filter: F1 help only.
    new DialogKeyHook(this, {});
}

QLineEdit* CProductInfoDlg::BandEdit(int id) const {
    for (QLineEdit* edit : m_band) {
        if (binding::ControlIdOf(edit) == id) {
            return edit;
        }
    }
    return nullptr;
}

void CProductInfoDlg::FillLists() {
    CBoundDialog::FillLists();
    for (const std::string& name : ::ModelList([this](const std::string& key) {
             return m_context.Profile().GetValue("Setup", key, "");
         })) {
        m_model->addItem(QString::fromStdString(name));
    }
}

void CProductInfoDlg::AfterLoad() {
    // An index beyond the list selects nothing.
    const int type = UserStore::Type(m_context.Profile());
    m_model->setCurrentIndex(type < m_model->count() ? type : -1);
    const std::array<std::string, 4> limits = product::BandLimitTexts(m_context.band);
    for (std::size_t i = 0; i < limits.size(); ++i) {
        m_band[i]->setText(QString::fromStdString(limits[i]));
    }
}

bool CProductInfoDlg::StoreOnOk(RadioImage& image) {
    // The controls are read once; the model index is stored first, the limits
    // store nothing of their own.
    const fields::FieldTable& table = Group().Page("product").fields;
    const fields::FieldValues values = binding::ReadFieldValues(table, this);
    fields::StoreFields(table, values, image);
    if (!product::StoreBandLimits(values, image, m_context.band)) {
        MessageService::Show(
            this, QCoreApplication::translate("CProductInfoDlg", "Frequency input error"),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    return true;
}
