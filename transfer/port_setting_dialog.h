#pragma once
// The "Port Setting" dialog: sixteen ports COM1..COM16, each offered only
// when it can be opened right now and shown with the device, description and
// manufacturer the system reports (and, for a port held by another program,
// which program that is), the current port checked, and OK making
// the checked port the one every transfer opens (and storing its number for
// the next run). While open, the dialog looks at the system's port list once
// a second, so that an adapter plugged in or out shows at once.

#include "link_qt/port_probe.h"

#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <string>

struct ProgramContext;
class QButtonGroup;
class QRadioButton;
class QTimer;

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
    // The system's ports by COM number, shown beside the COM names.
    std::function<std::map<int, PortDetails>()> ports;
    // For a listed port that did not open: what holds it, in the language of
    // texts (the program's catalogue), shown under its name; empty when
    // nothing is known. Not asked when null.
    std::function<std::string(const std::string& portName, const TextCatalogue& texts)> holders =
        {};

    static PortAccess System();
};

class CPortSettingDlg : public QDialog {
    Q_OBJECT
public:
    // context: the program's; OK sets its portName and stores the choice
    // under the AppName of its settings file (a failed store is reported).
    explicit CPortSettingDlg(ProgramContext& context, QWidget* parent = nullptr,
                             PortAccess access = PortAccess::System());

    // The button of port n (1..16).
    QRadioButton* PortButton(int number) const;
    // The checked port number, or nothing.
    std::optional<int> CheckedPort() const;

    // Reads the port list again; when it changed (an adapter plugged in or
    // out), updates the texts and probes the ports again. The dialog's timer
    // calls it every kPortPollMs while the dialog is open.
    void RefreshPorts();
    static constexpr int kPortPollMs = 1000;
    QTimer* PollTimer() const { return m_poll; }

    void accept() override;

private:
    // Each port's text, with what holds it under its name.
    void showPortTexts();
    // Offers the ports that open; asks what holds each listed one that does not.
    void probePorts();
    void checkCurrentPort();

    ProgramContext& m_context;
    PortAccess m_access;
    QButtonGroup* m_ports;
    QTimer* m_poll;
    // The list the texts show.
    std::map<int, PortDetails> m_shown;
    // What holds each port that did not open, where known.
    std::map<int, std::string> m_holders;
};

// A port's text: "COM3", then what the system reports about it in brackets,
// "COM3 (/dev/ttyUSB0, USB-Serial Controller, Prolific)"; a device equal to
// the name (as on Windows) and empty fields are left out.
QString PortButtonText(int number, const std::optional<PortDetails>& details);
