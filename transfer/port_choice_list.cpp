#include "transfer/port_choice_list.h"

#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "transfer/port_setting_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

std::vector<PortChoice> SystemPortChoices() {
    std::vector<PortChoice> choices;
    for (const auto& [number, details] : SystemSerialPorts()) {
        choices.push_back(
            {QString::fromStdString(PortNameFromNumber(number)), PortButtonText(number, details)});
    }
    return choices;
}

PortChoiceList::PortChoiceList(Source ports, QWidget* parent)
    : QGroupBox(tr("Ports (one station each)"), parent), m_source(std::move(ports)),
      m_list(new QListWidget(this)), m_deviceEdit(new QLineEdit(this)),
      m_add(new QPushButton(tr("Add"), this)), m_remove(new QPushButton(tr("Remove"), this)) {
    m_list->setMaximumHeight(m_list->fontMetrics().height() * 7);
    auto* deviceLabel = new QLabel(tr("Other device:"), this);
    m_deviceEdit->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    deviceLabel->setBuddy(m_deviceEdit);
    connect(m_add, &QPushButton::clicked, this, &PortChoiceList::addDevice);
    connect(m_deviceEdit, &QLineEdit::returnPressed, this, &PortChoiceList::addDevice);
    connect(m_remove, &QPushButton::clicked, this, &PortChoiceList::removeDevice);
    connect(m_list, &QListWidget::currentRowChanged, this, &PortChoiceList::updateRemove);
    auto* deviceRow = new QHBoxLayout;
    deviceRow->addWidget(deviceLabel);
    deviceRow->addWidget(m_deviceEdit, 1);
    deviceRow->addWidget(m_add);
    deviceRow->addWidget(m_remove);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(deviceRow);
    updateRemove();
}

void PortChoiceList::Refresh() {
    const std::vector<QString> checked = CheckedPorts();
    std::vector<PortChoice> choices = m_source();
    for (const QString& device : m_typedDevices) {
        choices.push_back({device, device});
    }
    m_list->clear();
    for (const PortChoice& choice : choices) {
        auto* item = new QListWidgetItem(choice.text, m_list);
        item->setData(Qt::UserRole, choice.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool wasChecked =
            std::find(checked.begin(), checked.end(), choice.name) != checked.end();
        item->setCheckState(wasChecked ? Qt::Checked : Qt::Unchecked);
    }
}

void PortChoiceList::addDevice() {
    // A device path, or a COM name the system's list does not show.
    const QString device = m_deviceEdit->text().trimmed();
    if (device.isEmpty()) {
        return;
    }
    if (std::find(m_typedDevices.begin(), m_typedDevices.end(), device) == m_typedDevices.end()) {
        m_typedDevices.push_back(device);
    }
    Refresh();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->data(Qt::UserRole).toString() == device) {
            item->setCheckState(Qt::Checked);
        }
    }
    m_deviceEdit->clear();
}

void PortChoiceList::removeDevice() {
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr) {
        return;
    }
    const auto typed = std::find(m_typedDevices.begin(), m_typedDevices.end(),
                                 item->data(Qt::UserRole).toString());
    if (typed != m_typedDevices.end()) {
        m_typedDevices.erase(typed);
        Refresh();
    }
}

void PortChoiceList::updateRemove() {
    const QListWidgetItem* item = m_list->currentItem();
    m_remove->setEnabled(item != nullptr &&
                         std::find(m_typedDevices.begin(), m_typedDevices.end(),
                                   item->data(Qt::UserRole).toString()) != m_typedDevices.end());
}

std::vector<QString> PortChoiceList::CheckedPorts() const {
    std::vector<QString> ports;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        const QString name = item->data(Qt::UserRole).toString();
        if (item->checkState() == Qt::Checked &&
            std::find(ports.begin(), ports.end(), name) == ports.end()) {
            ports.push_back(name);
        }
    }
    return ports;
}
