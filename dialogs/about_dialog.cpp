#include "dialogs/about_dialog.h"

#include "settings/program_context.h"
#include "ui/dialog_frame.h"
#include "ui/language_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel* textLine(QWidget* parent, const QString& id, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(id);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(const ProgramContext& context, QWidget* parent)
    : QDialog(parent, kDialogFrame) {
    // The template's own texts and icon, replaced below.
    setWindowTitle(tr("About Program"));
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("1096"));
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    m_version = textLine(this, QStringLiteral("1098"), tr("Program Version 1.0"));
    m_copyrights = textLine(this, QStringLiteral("1099"), QString());
    m_owner = textLine(this, QStringLiteral("1100"), QString());
    auto* fixed = new QLabel(tr("All rights reserved."), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("1"));
    ok->setText(tr("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    for (QLabel* line : {m_version, m_copyrights, m_owner, fixed}) {
        texts->addWidget(line);
    }
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_icon, 0, 0, Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);

    setWindowTitle(LanguageText(context, "About Title"));
    m_version->setText(LanguageText(context, "Version"));
    m_copyrights->setText(LanguageText(context, "Copyrights"));
    m_owner->setText(LanguageText(context, "Copyrights Owner"));

    // "title.ico" at its own size, when it loads.
    const QIcon brand(QString::fromStdString(context.strAppDir) + QStringLiteral("title.ico"));
    const QList<QSize> sizes = brand.availableSizes();
    if (!sizes.isEmpty()) {
        const auto largest = std::max_element(
            sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        m_icon->setPixmap(brand.pixmap(*largest));
    }
}
