#include "tests/transfer/clone_station_fixture.h"

#include "link_qt/qt_serial_link.h"
#include "model/program_document.h"
#include "transfer/station_table.h"

#include <QLineEdit>
#include <QtTest>

using namespace std::chrono_literals;

RadioImage FleetImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    for (std::size_t i = 0; i < 8; ++i) {
        image[i] = static_cast<std::uint8_t>(0x10 + i);
    }
    return image;
}

void CloneStationFixture::setUp() {
    QVERIFY(m_dir.isValid());
    m_safety = {.readFirst = false, .verify = false};
    m_image = CloneImage{QStringLiteral("fleet.dat*"), FleetImage()};
    m_messages = std::make_unique<MessageRecorder>();
    CloneStationSetup setup;
    setup.shownImage = [this] { return m_image; };
    setup.image = [this](QString&) { return m_image; };
    setup.safety = [this] { return m_safety; };
    setup.setSafety = [this](const WriteSafety& safety) { m_safety = safety; };
    setup.ports = [] { return std::vector<PortChoice>{}; };
    setup.logPath = m_dir.filePath(QStringLiteral("clone-log.csv"));
    setup.historyFolder = m_dir.filePath(QStringLiteral("history"));
    setup.makeLink = [this] {
        return std::make_unique<PatientLink>(std::make_unique<GatedLink>(
            std::make_unique<GatedLink>(std::make_unique<QtSerialLink>(), m_gate), m_readGate,
            'R'));
    };
    setup.attemptInterval = 5ms;
    m_dialog = std::make_unique<CCloneStationDlg>(std::move(setup));
    m_dialog->resize(900, 700);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void CloneStationFixture::tearDown() {
    m_gate.Open();
    m_readGate.Open();
    m_dialog.reset();
    m_radios.clear();
    m_messages.reset();
}

SimulatedRadio& CloneStationFixture::addRadio(const SimOptions& options) {
    m_radios.push_back(std::make_unique<SimulatedRadio>(options));
    std::string error;
    if (!m_radios.back()->Start(&error)) {
        qFatal("no pseudo-terminal: %s", error.c_str());
    }
    return *m_radios.back();
}

void CloneStationFixture::addPort(const QString& device) {
    // Enter in the field adds the device, as Add does; it closes nothing.
    m_dialog->Ports()->DeviceEdit()->setFocus();
    m_dialog->Ports()->DeviceEdit()->setText(device);
    QTest::keyClick(m_dialog->Ports()->DeviceEdit(), Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->Ports()->DeviceEdit()->text().isEmpty());
}

QString CloneStationFixture::cell(int row, int column) const {
    const QTableWidgetItem* item = m_dialog->Stations()->item(row, column);
    return item ? item->text() : QString();
}

QString CloneStationFixture::stateOf(int row) const {
    return cell(row, StationTable::StateColumn);
}

bool CloneStationFixture::marked(int row, LineMark mark) const {
    const QIcon shown = m_dialog->Stations()->item(row, StationTable::StateColumn)->icon();
    return !shown.isNull() && shown.cacheKey() == m_dialog->Stations()->MarkIcon(mark).cacheKey();
}

bool CloneStationFixture::unmarked(int row) const {
    return m_dialog->Stations()->item(row, StationTable::StateColumn)->icon().isNull();
}
