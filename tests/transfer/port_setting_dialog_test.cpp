// The Port Setting dialog against real pseudo-terminals standing in for
// serial ports: which ports are offered, which one is checked, and what OK
// and Cancel leave in the port name and the per-user store.

#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "link_qt/qt_serial_link.h"
#include "model/program_document.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "tests/ui/message_recorder.h"
#include "transfer/port_setting_dialog.h"
#include "ui/help_service.h"
#include "ui/user_store.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace {

// A pseudo-terminal whose device stands for a serial port while it lives.
class Pty {
public:
    Pty() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            m_device = ptsname(m_master);
        }
    }
    ~Pty() {
        if (m_master >= 0) {
            close(m_master);
        }
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& Device() const { return m_device; }

private:
    int m_master = -1;
    std::string m_device;
};

std::optional<std::uint32_t> storedPort(const ProgramContext& context) {
    return UserStore::ReadPortNumber(context.AppName());
}

} // namespace

class PortSettingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void offersOpenablePortsAndChecksCurrent_data();
    void offersOpenablePortsAndChecksCurrent();
    void currentPortInUse();
    void okStoresChosenPort_data();
    void okStoresChosenPort();
    void aChoiceTheStoreCannotKeepIsReported();
    void cancelChangesNothing();
    void sessionLoadsStoredPort_data();
    void sessionLoadsStoredPort();
    void portTexts_data();
    void portTexts();
    void refreshFollowsPluggedAdapters();

private:
    // COMn of the listed numbers are pseudo-terminals; every other port is absent.
    void makePorts(std::initializer_list<int> numbers);
    // Ports reached through the pseudo-terminals; every probe's port name
    // is recorded in m_probed.
    PortAccess access();
    void clickOk(CPortSettingDlg& dialog);

    std::unique_ptr<QTemporaryDir> m_store;
    std::unique_ptr<ProgramContext> m_context;
    std::map<int, std::unique_ptr<Pty>> m_ptys;
    std::vector<std::string> m_probed;
    // What the injected port list reports beside each device.
    std::map<int, std::string> m_descriptions;
    std::string m_manufacturer;
};

void PortSettingDialogTest::init() {
    m_store = std::make_unique<QTemporaryDir>();
    QVERIFY(m_store->isValid());
    UserStore::SetBaseDirectory(m_store->path());
    m_context = std::make_unique<ProgramContext>();
}

void PortSettingDialogTest::cleanup() {
    m_ptys.clear();
    m_store.reset();
}

void PortSettingDialogTest::makePorts(std::initializer_list<int> numbers) {
    for (int number : numbers) {
        auto pty = std::make_unique<Pty>();
        QVERIFY(!pty->Device().empty());
        m_ptys[number] = std::move(pty);
    }
}

PortAccess PortSettingDialogTest::access() {
    auto device = [this](const std::string& name) -> std::optional<std::string> {
        const std::optional<int> number = PortNumberFromName(name);
        if (!number || m_ptys.count(*number) == 0) {
            return std::nullopt;
        }
        return m_ptys.at(*number)->Device();
    };
    m_probed.clear();
    auto probe = [this, device](const std::string& name) {
        m_probed.push_back(name);
        const std::optional<std::string> path = device(name);
        return path && ProbePort(*path);
    };
    auto ports = [this] {
        std::map<int, PortDetails> list;
        for (const auto& [number, pty] : m_ptys) {
            list[number] = {pty->Device(), m_descriptions[number], m_manufacturer};
        }
        return list;
    };
    return {probe, ports, {}};
}

void PortSettingDialogTest::clickOk(CPortSettingDlg& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->property(kControlIdProperty).toInt() == 1) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL("no OK button");
}

void PortSettingDialogTest::offersOpenablePortsAndChecksCurrent_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("COM3") << 3 << "COM3";
    QTest::newRow("COM12") << 12 << "\\\\.\\COM12";
}

void PortSettingDialogTest::offersOpenablePortsAndChecksCurrent() {
    QFETCH(int, current);
    QFETCH(QString, expectedName);
    makePorts({3, 12});
    m_context->portName = PortNameFromNumber(current);
    CPortSettingDlg dialog(*m_context, nullptr, access());
    // Every port is probed under its own name (COM10 and up in the long
    // form), then the current port under the name in use.
    std::vector<std::string> names;
    for (int number = 1; number <= 16; ++number) {
        names.push_back(number < 10 ? "COM" + std::to_string(number)
                                    : "\\\\.\\COM" + std::to_string(number));
    }
    names.push_back(expectedName.toStdString());
    QCOMPARE(m_probed, names);
    for (int number = 1; number <= 16; ++number) {
        QRadioButton* button = dialog.PortButton(number);
        QCOMPARE(button->property(kControlIdProperty).toInt(), 1006 + number);
        QCOMPARE(button->isEnabled(), number == 3 || number == 12);
        QCOMPARE(button->isChecked(), number == current);
    }
    // Each port shows the device it stands for.
    QCOMPARE(dialog.PortButton(3)->text(),
             QString("COM3 (%1)").arg(QString::fromStdString(m_ptys[3]->Device())));
    QCOMPARE(dialog.PortButton(4)->text(), QString("COM4"));
    QCOMPARE(dialog.CheckedPort(), std::optional<int>(current));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(m_context->portName), expectedName);
    QCOMPARE(storedPort(*m_context), std::optional<std::uint32_t>(current));
}

// The current port held by another program: not offered, nothing checked,
// and what holds it is said under its name (asked only for the listed ports
// that did not open).
void PortSettingDialogTest::currentPortInUse() {
    makePorts({3, 5});
    m_context->portName = "COM3";
    QtSerialLink otherProgram;
    QVERIFY(otherProgram.Open(m_ptys[3]->Device()));
    PortAccess ports = access();
    std::vector<std::string> asked;
    ports.holders = [&asked](const std::string& name, const TextCatalogue&) {
        asked.push_back(name);
        return std::string("The port is open in minicom (process 4242).");
    };
    CPortSettingDlg dialog(*m_context, nullptr, ports);
    QVERIFY(!dialog.PortButton(3)->isEnabled());
    QVERIFY(dialog.PortButton(5)->isEnabled());
    QCOMPARE(asked, std::vector<std::string>{"COM3"});
    QCOMPARE(dialog.PortButton(3)->text(),
             QString("COM3 (%1)\nThe port is open in minicom (process 4242).")
                 .arg(QString::fromStdString(m_ptys[3]->Device())));
    QCOMPARE(dialog.PortButton(5)->text(),
             QString("COM5 (%1)").arg(QString::fromStdString(m_ptys[5]->Device())));
    QCOMPARE(dialog.CheckedPort(), std::nullopt);
    clickOk(dialog);
    QCOMPARE(m_context->portName, std::string("COM3"));
    QCOMPARE(storedPort(*m_context), std::nullopt);
    otherProgram.Close();
}

void PortSettingDialogTest::okStoresChosenPort_data() {
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("COM9") << 9 << "COM9";
    QTest::newRow("COM10") << 10 << "\\\\.\\COM10";
    QTest::newRow("COM16") << 16 << "\\\\.\\COM16";
}

void PortSettingDialogTest::okStoresChosenPort() {
    QFETCH(int, chosen);
    QFETCH(QString, expectedName);
    makePorts({9, 10, 16});
    CPortSettingDlg dialog(*m_context, nullptr, access());
    QCOMPARE(dialog.CheckedPort(), std::nullopt);
    QTest::mouseClick(dialog.PortButton(chosen), Qt::LeftButton);
    QCOMPARE(dialog.CheckedPort(), std::optional<int>(chosen));
    clickOk(dialog);
    QCOMPARE(QString::fromStdString(m_context->portName), expectedName);
    QCOMPARE(storedPort(*m_context), std::optional<std::uint32_t>(chosen));
}

void PortSettingDialogTest::aChoiceTheStoreCannotKeepIsReported() {
    // The per-user store's folder would lie below a plain file: nothing can be written.
    QFile plain(m_store->filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    UserStore::SetBaseDirectory(plain.fileName() + QStringLiteral("/store"));
    makePorts({3});
    MessageRecorder messages;
    CPortSettingDlg dialog(*m_context, nullptr, access());
    QTest::mouseClick(dialog.PortButton(3), Qt::LeftButton);
    clickOk(dialog);
    // The port serves this run all the same.
    QCOMPARE(m_context->portName, std::string("COM3"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text,
             QStringLiteral("The port choice could not be kept for the next start."));
    QCOMPARE(messages.seen[0].icon, MessageIcon::Exclamation);
}

void PortSettingDialogTest::cancelChangesNothing() {
    makePorts({3, 12});
    m_context->portName = "COM3";
    CPortSettingDlg dialog(*m_context, nullptr, access());
    QTest::mouseClick(dialog.PortButton(12), Qt::LeftButton);
    QCOMPARE(dialog.CheckedPort(), std::optional<int>(12));
    dialog.reject();
    QCOMPARE(m_context->portName, std::string("COM3"));
    QCOMPARE(storedPort(*m_context), std::nullopt);
}

void PortSettingDialogTest::sessionLoadsStoredPort_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("nothing stored") << -1 << "COM1";
    QTest::newRow("9") << 9 << "COM9";
    QTest::newRow("12") << 12 << "\\\\.\\COM12";
    QTest::newRow("only the low byte counts") << 0x10A << "\\\\.\\COM10";
}

void PortSettingDialogTest::sessionLoadsStoredPort() {
    QFETCH(int, stored);
    QFETCH(QString, expectedName);
    if (stored >= 0) {
        QVERIFY(
            UserStore::WritePortNumber(m_context->AppName(), static_cast<std::uint32_t>(stored)));
    }
    m_context->portName = "/dev/null";
    auto doc = std::make_unique<CProgramDoc>();
    CProgramView view(doc->Image(), *m_context);
    const DocumentSession session(std::move(doc), view, view, *m_context);
    QCOMPARE(QString::fromStdString(m_context->portName), expectedName);
}

void PortSettingDialogTest::portTexts_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not listed") << 2 << false << ""
                                << ""
                                << ""
                                << "COM2";
    QTest::newRow("device only") << 3 << true << "/dev/ttyS2"
                                 << ""
                                 << ""
                                 << "COM3 (/dev/ttyS2)";
    QTest::newRow("all three") << 5 << true << "/dev/ttyUSB0"
                               << "USB-Serial Controller"
                               << "Prolific"
                               << "COM5 (/dev/ttyUSB0, USB-Serial Controller, Prolific)";
    QTest::newRow("no description") << 5 << true << "/dev/ttyUSB0"
                                    << ""
                                    << "FTDI"
                                    << "COM5 (/dev/ttyUSB0, FTDI)";
    // Where the device is the COM name itself, it is not said twice.
    QTest::newRow("system name") << 12 << true << "\\\\.\\COM12"
                                 << "Communications Port"
                                 << ""
                                 << "COM12 (Communications Port)";
    QTest::newRow("listed, nothing known") << 4 << true << ""
                                           << ""
                                           << ""
                                           << "COM4";
}

void PortSettingDialogTest::portTexts() {
    QFETCH(int, number);
    QFETCH(bool, listed);
    QFETCH(QString, device);
    QFETCH(QString, description);
    QFETCH(QString, manufacturer);
    QFETCH(QString, expected);
    std::optional<PortDetails> details;
    if (listed) {
        details = PortDetails{device.toStdString(), description.toStdString(),
                              manufacturer.toStdString()};
    }
    QCOMPARE(PortButtonText(number, details), expected);
}

// An adapter plugged in or out while the dialog is open shows at the next
// look at the port list; an unchanged list opens no port again.
void PortSettingDialogTest::refreshFollowsPluggedAdapters() {
    makePorts({3});
    m_context->portName = "COM3";
    m_descriptions[3] = "On-board";
    CPortSettingDlg dialog(*m_context, nullptr, access());
    QVERIFY(dialog.PollTimer()->isActive());
    QCOMPARE(dialog.PollTimer()->interval(), CPortSettingDlg::kPortPollMs);
    QCOMPARE(dialog.CheckedPort(), std::optional<int>(3));
    QVERIFY(!dialog.PortButton(5)->isEnabled());

    const std::size_t probesAtOpening = m_probed.size();
    dialog.RefreshPorts();
    QCOMPARE(m_probed.size(), probesAtOpening);

    // Plugged in: COM5 appears with what the system says about it.
    makePorts({5});
    m_descriptions[5] = "USB-Serial Controller";
    m_manufacturer = "Prolific";
    dialog.RefreshPorts();
    QVERIFY(dialog.PortButton(5)->isEnabled());
    QCOMPARE(dialog.PortButton(5)->text(), QString("COM5 (%1, USB-Serial Controller, Prolific)")
                                               .arg(QString::fromStdString(m_ptys[5]->Device())));
    QCOMPARE(dialog.CheckedPort(), std::optional<int>(3));

    // Unplugged: COM3 goes, and with it the choice of it.
    m_ptys.erase(3);
    dialog.RefreshPorts();
    QVERIFY(!dialog.PortButton(3)->isEnabled());
    QCOMPARE(dialog.PortButton(3)->text(), QString("COM3"));
    QCOMPARE(dialog.CheckedPort(), std::nullopt);
    QVERIFY(dialog.PortButton(5)->isEnabled());
}

QTEST_MAIN(PortSettingDialogTest)
#include "port_setting_dialog_test.moc"
