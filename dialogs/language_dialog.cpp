#include "dialogs/language_dialog.h"

#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CLanguageDlg::CLanguageDlg(bool chinese, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Language"));
    binding::SetControlId(this, kDialogId);
    // Each language is named in its own script, whichever is in use: the
    // reader of either finds theirs.
    m_english = new QRadioButton(QStringLiteral("English"), this);
    m_chinese = new QRadioButton(QString::fromUtf8("中文"), this);
    binding::SetControlId(m_english, kEnglishId);
    binding::SetControlId(m_chinese, kChineseId);
    auto* group = new QButtonGroup(this);
    group->addButton(m_english);
    group->addButton(m_chinese);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    binding::SetControlId(ok, 1);
    binding::SetControlId(cancel, 2);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanguageDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_english);
    layout->addWidget(m_chinese);
    layout->addWidget(buttons);

    m_choice = chinese ? 1 : 0;
    (m_choice == 1 ? m_chinese : m_english)->setChecked(true);

    new DialogKeyHook(
        this, {}, [](int id) { return id == kEnglishId || id == kChineseId ? kCommandId : id; });
}

void CLanguageDlg::OnOK() {
    m_choice = m_chinese->isChecked() ? 1 : 0;
    accept();
}
