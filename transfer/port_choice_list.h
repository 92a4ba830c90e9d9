#pragma once
// The ports a Clone Station session runs on: the system's serial ports, each
// named as the Port Setting dialog names it ("COM3 (/dev/ttyUSB0, ...)"),
// and any device typed in (a pseudo-terminal, an unusual adapter), each with
// a check box. A device typed in can be removed again.

#include <QGroupBox>
#include <QString>
#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

// A port offered: the name a station opens, and its text in the list.
struct PortChoice {
    QString name;
    QString text;
};

// The system's serial ports, "COMn" with their device and description.
std::vector<PortChoice> SystemPortChoices();

class PortChoiceList : public QGroupBox {
    Q_OBJECT
public:
    using Source = std::function<std::vector<PortChoice>()>;
    explicit PortChoiceList(Source ports, QWidget* parent = nullptr);

    // Reads the system's list again, keeping the devices typed in and what
    // was checked.
    void Refresh();
    // The checked ports' names, in the list's order.
    std::vector<QString> CheckedPorts() const;

    QListWidget* List() const { return m_list; }
    QLineEdit* DeviceEdit() const { return m_deviceEdit; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }

private:
    // Offers the device typed in, checked.
    void addDevice();
    // Removes the selected device typed in; the system's ports stay.
    void removeDevice();
    void updateRemove();

    Source m_source;
    std::vector<QString> m_typedDevices;
    QListWidget* m_list;
    QLineEdit* m_deviceEdit;
    QPushButton* m_add;
    QPushButton* m_remove;
};
