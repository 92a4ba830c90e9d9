#include "transfer/port_setting_dialog.h"

#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "settings/program_context.h"
#include "transfer/port_store.h"
#include "ui/dialog_frame.h"
#include "ui/dialog_keys.h"
#include "ui/help_service.h"
#include "ui/message_service.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPortColumns = 4;

} // namespace

PortAccess PortAccess::System() {
    return {ProbePort, SystemSerialPorts, [](const std::string& port, const TextCatalogue& texts) {
                return BusyPortHoldersText(port, texts);
            }};
}

QString PortButtonText(int number, const std::optional<PortDetails>& details) {
    QString text = QStringLiteral("COM%1").arg(number);
    if (!details) {
        return text;
    }
    QStringList parts;
    for (const std::string& part : {details->device, details->description, details->manufacturer}) {
        if (!part.empty() && part != PortNameFromNumber(number)) {
            parts << QString::fromStdString(part);
        }
    }
    return parts.isEmpty() ? text
                           : text + QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
}

CPortSettingDlg::CPortSettingDlg(ProgramContext& context, QWidget* parent, PortAccess access)
    : QDialog(parent, kDialogFrame), m_context(context), m_access(std::move(access)),
      m_ports(new QButtonGroup(this)), m_poll(new QTimer(this)) {
    setWindowTitle(tr("Port Setting"));
    setProperty(kControlIdProperty, static_cast<int>(IDD_PORT_SETTING));
    auto* group = new QGroupBox(tr("Port"), this);
    auto* grid = new QGridLayout(group);
    for (int number = 1; number <= kPortCount; ++number) {
        auto* button = new QRadioButton(group);
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

    m_shown = m_access.ports();
    probePorts();
    showPortTexts();
    checkCurrentPort();
    connect(m_poll, &QTimer::timeout, this, &CPortSettingDlg::RefreshPorts);
    m_poll->start(kPortPollMs);
    // F1 opens the topic of the focused control.
    new DialogKeyHook(this, {});
}

void CPortSettingDlg::showPortTexts() {
    for (int number = 1; number <= kPortCount; ++number) {
        const auto found = m_shown.find(number);
        QString text = PortButtonText(
            number, found == m_shown.end() ? std::nullopt : std::optional(found->second));
        if (const std::string& holders = m_holders[number]; !holders.empty()) {
            text += QLatin1Char('\n') + QString::fromStdString(holders);
        }
        PortButton(number)->setText(text);
    }
}

void CPortSettingDlg::RefreshPorts() {
    std::map<int, PortDetails> now = m_access.ports();
    if (now == m_shown) {
        return;
    }
    m_shown = std::move(now);
    probePorts();
    showPortTexts();
    // A checked port that went away is no choice any more.
    if (QAbstractButton* checked = m_ports->checkedButton(); checked && !checked->isEnabled()) {
        m_ports->setExclusive(false);
        checked->setChecked(false);
        m_ports->setExclusive(true);
    }
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
    m_holders.clear();
    for (int number = 1; number <= kPortCount; ++number) {
        const std::string name = PortNameFromNumber(number);
        const bool opens = m_access.probe(name);
        PortButton(number)->setEnabled(opens);
        if (!opens && m_shown.count(number) != 0 && m_access.holders) {
            m_holders[number] = m_access.holders(name, m_context.Texts());
        }
    }
}

void CPortSettingDlg::checkCurrentPort() {
    if (!m_access.probe(m_context.portName)) {
        return;
    }
    const std::optional<int> number = PortNumberFromName(m_context.portName);
    if (number && *number >= 1 && *number <= kPortCount) {
        PortButton(*number)->setChecked(true);
    }
}

void CPortSettingDlg::accept() {
    if (const std::optional<int> number = CheckedPort()) {
        m_context.portName = PortNameFromNumber(*number);
        // The port is in use for this run all the same.
        if (!StorePortNumber(m_context.Profile(), *number)) {
            MessageService::Show(this, tr("The port choice could not be kept for the next start."),
                                 MessageButtons::Ok, MessageIcon::Exclamation);
        }
    }
    QDialog::accept();
}
