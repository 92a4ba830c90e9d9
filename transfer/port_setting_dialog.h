#pragma once
// The "Port Setting" dialog: sixteen ports COM1..COM16, each offered only
// when it can be opened right now, the current port checked, and OK making
// the checked port the one every transfer opens (and storing its number for
// the next run).

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QRadioButton;

// Control ids: the dialog and its first port button (COMn is 1006 + n).
enum PortSettingId : int {
    IDD_PORT_SETTING = 204,
    IDC_COM_FIRST = 1007,
    IDC_COM_LAST = 1022,
};

// How the dialog reaches the system's ports; the defaults open real ports.
struct PortAccess {
    // True when the port opens exclusively (and was closed again).
    std::function<bool(const std::string& portName)> probe;
    // The device a port name stands for, shown beside it; nothing when none.
    std::function<std::optional<std::string>(const std::string& portName)> device;

    static PortAccess System();
};

class CPortSettingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPortSettingDlg(QWidget* parent = nullptr, PortAccess access = PortAccess::System());

    // The button of port n (1..16).
    QRadioButton* PortButton(int number) const;
    // The checked port number, or nothing.
    std::optional<int> CheckedPort() const;

    void accept() override;

private:
    void probePorts();
    void checkCurrentPort();

    PortAccess m_access;
    QButtonGroup* m_ports;
};
