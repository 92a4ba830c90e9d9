#include "dialogs/product_info_dialog.h"

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/image_layout.h"
#include "model/language.h"
#include "model/radio_image.h"
#include "settings/profile_file.h"
#include "ui/active_document.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kBandIds[4] = {IDC_BAND1_LOW, IDC_BAND1_HIGH, IDC_BAND2_LOW, IDC_BAND2_HIGH};

} // namespace

CProductInfoDlg::CProductInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Product Information"));
    auto* group = new QGroupBox(tr("Model Info"), this);
    auto* grid = new QGridLayout(group);
    m_model = new QComboBox(group);
    binding::SetControlId(m_model, IDC_MODEL_LIST);
    m_model->setEditable(false);
    grid->addWidget(new QLabel(tr("Model"), group), 0, 0);
    grid->addWidget(m_model, 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Field"), group), 1, 0);
    for (int i = 0; i < 4; ++i) {
        m_band[i] = new QLineEdit(group);
        binding::SetControlId(m_band[i], kBandIds[i]);
        const int row = 1 + i / 2;
        grid->addWidget(m_band[i], row, i % 2 == 0 ? 1 : 3);
        if (i % 2 == 0) {
            grid->addWidget(new QLabel(QStringLiteral("——"), group), row, 2);
        }
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    binding::SetControlId(ok, 1);
    ok->setDefault(true);
    binding::SetControlId(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CProductInfoDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    // No key filter: F1 help only.
    new DialogKeyHook(this, {});
}

QLineEdit* CProductInfoDlg::BandEdit(int id) const {
    for (int i = 0; i < 4; ++i) {
        if (kBandIds[i] == id) {
            return m_band[i];
        }
    }
    return nullptr;
}

int CProductInfoDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CProductInfoDlg::OnInitDialog() {
    // The limits are shown, not edited.
    for (QLineEdit* edit : m_band) {
        edit->setEnabled(false);
    }
    m_model->clear();
    for (const std::string& name :
         ::ModelList([](const std::string& key) { return g_Profile.GetValue("Setup", key, ""); })) {
        m_model->addItem(QString::fromStdString(name));
    }
    if (const RadioImage* image = ActiveImage()) {
        m_model->setCurrentIndex((*image)[layout::kModelIndex]);
    }
    const BandLimitsMhz limits = CurrentBandLimitsMhz();
    const int values[4] = {limits.band1Low, limits.band1High, limits.band2Low, limits.band2High};
    for (int i = 0; i < 4; ++i) {
        m_band[i]->setText(QString::number(values[i]));
    }
    // The stored "Type" choice replaces the document's model; an index beyond
    // the list selects nothing.
    const int type = UserStore::Type();
    m_model->setCurrentIndex(type < m_model->count() ? type : -1);
}

void CProductInfoDlg::OnOK() {
    RadioImage* image = ActiveImage();
    if (!image) {
        reject();
        return;
    }
    const int index = m_model->currentIndex();
    (*image)[layout::kModelIndex] = index < 0 ? 0xFF : static_cast<std::uint8_t>(index);

    int mhz[4];
    for (int i = 0; i < 4; ++i) {
        mhz[i] = ParseAtoi(m_band[i]->text().toStdString());
    }
    if (mhz[0] > mhz[1] || mhz[2] > mhz[3]) {
        MessageService::Show(
            this, QString::fromUtf8(Tr2("Frequency input error", "起始频率应小于结束频率")),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    SetBandLimitsMhz({mhz[0], mhz[1], mhz[2], mhz[3]});
    g_bandCode = BandCode(mhz[0], mhz[1], mhz[2], mhz[3]);
    SetImageBandCode(*image, g_bandCode);
    accept();
}
