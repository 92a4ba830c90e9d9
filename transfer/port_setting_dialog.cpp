#include "transfer/port_setting_dialog.h"

#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "transfer/port_store.h"
#include "ui/dialog_frame.h"
#include "ui/help_service.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kPortColumns = 4;

} // namespace

PortAccess PortAccess::System() {
    return {ProbePort, ResolvePortDevice};
}

CPortSettingDlg::CPortSettingDlg(QWidget* parent, PortAccess access)
    : QDialog(parent, kDialogFrame), m_access(std::move(access)), m_ports(new QButtonGroup(this)) {
    setWindowTitle(tr("Port Setting"));
    setProperty(kControlIdProperty, static_cast<int>(IDD_PORT_SETTING));
    auto* group = new QGroupBox(tr("Port"), this);
    auto* grid = new QGridLayout(group);
    for (int number = 1; number <= kPortCount; ++number) {
        const std::string name = PortNameFromNumber(number);
        QString text = QStringLiteral("COM%1").arg(number);
        // Where COM names are not the system's own, show the device behind each.
        if (const auto device = m_access.device(name); device && *device != name) {
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(*device));
        }
        auto* button = new QRadioButton(text, group);
        const int id = IDC_COM_FIRST + number - 1;
        button->setObjectName(QString::number(id));
        button->setProperty(kControlIdProperty, id);
        m_ports->addButton(button, id);
        grid->addWidget(button, (number - 1) / kPortColumns, (number - 1) % kPortColumns);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setProperty(kControlIdProperty, 1);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setProperty(kControlIdProperty, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortSettingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortSettingDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    probePorts();
    checkCurrentPort();
}

QRadioButton* CPortSettingDlg::PortButton(int number) const {
    return static_cast<QRadioButton*>(m_ports->button(IDC_COM_FIRST + number - 1));
}

std::optional<int> CPortSettingDlg::CheckedPort() const {
    const int id = m_ports->checkedId();
    if (id < IDC_COM_FIRST || id > IDC_COM_LAST) {
        return std::nullopt;
    }
    return id - IDC_COM_FIRST + 1;
}

void CPortSettingDlg::probePorts() {
    for (int number = 1; number <= kPortCount; ++number) {
        PortButton(number)->setEnabled(m_access.probe(PortNameFromNumber(number)));
    }
}

void CPortSettingDlg::checkCurrentPort() {
    if (!m_access.probe(g_portName)) {
        return;
    }
    const std::optional<int> number = PortNumberFromName(g_portName);
    if (number && *number >= 1 && *number <= kPortCount) {
        PortButton(*number)->setChecked(true);
    }
}

void CPortSettingDlg::accept() {
    if (const std::optional<int> number = CheckedPort()) {
        g_portName = PortNameFromNumber(*number);
        StorePortNumber(*number);
    }
    QDialog::accept();
}
