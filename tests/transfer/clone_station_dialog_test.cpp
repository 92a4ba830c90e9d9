// The Clone Station window over real clone stations: simulated radios on
// real pseudo-terminals, each station on its own thread with the Qt serial
// backend, the window driven through its widgets. The tests wait for states
// the window shows, never for a time; a gate in the link holds a station in
// the middle of a write for as long as a test needs it there.

#include "link_qt/qt_serial_link.h"
#include "model/language.h"
#include "model/program_document.h"
#include "sim/simulated_radio.h"
#include "tests/transfer/gated_link.h"
#include "tests/ui/message_recorder.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/station_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

using namespace std::chrono_literals;

// Generous: a station's radio takes a moment, more under the sanitizers.
constexpr int kRadioTimeoutMs = 120000;

// A new document with a channel of its own.
RadioImage FleetImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    for (std::size_t i = 0; i < 8; ++i) {
        image[i] = static_cast<std::uint8_t>(0x10 + i);
    }
    return image;
}

} // namespace

class CloneStationDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void twoStationsCompleteAndShowDoneWithTheirCounts();
    void nextAndSpaceReleaseOnlyTheirOwnStation();
    void closingWhileWritingAsksAndNoKeepsItRunning();
    void stopAsksWhileARadioIsInHandAndSpeaksOfWritingOnlyWhileWriting();
    void opensOnTheDeviceAndNamesTheImageByCaptionAndShortSha();
    void aPortNotAvailableSaysItTriesAgainUntilItOpens();

private:
    SimulatedRadio& addRadio(const SimOptions& options = InstantReplies());
    // Types the device into the window and adds it, checked.
    void addPort(const QString& device);
    QString stateOf(int row) const;
    QString cell(int row, int column) const;
    // The state of the row bears the icon of the mark.
    bool marked(int row, LineMark mark) const;
    bool unmarked(int row) const;

    QTemporaryDir m_dir;
    WriteSafety m_safety;
    std::optional<CloneImage> m_image;
    Gate m_gate;     // block writes
    Gate m_readGate; // block reads
    std::vector<std::unique_ptr<SimulatedRadio>> m_radios;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CCloneStationDlg> m_dialog;
};

void CloneStationDialogTest::init() {
    g_bChinese = 0;
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
        return std::make_unique<GatedLink>(
            std::make_unique<GatedLink>(std::make_unique<QtSerialLink>(), m_gate), m_readGate,
            'R');
    };
    setup.attemptInterval = 5ms;
    m_dialog = std::make_unique<CCloneStationDlg>(std::move(setup));
    m_dialog->resize(900, 700);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void CloneStationDialogTest::cleanup() {
    m_gate.Open();
    m_readGate.Open();
    m_dialog.reset();
    m_radios.clear();
    m_messages.reset();
}

SimulatedRadio& CloneStationDialogTest::addRadio(const SimOptions& options) {
    m_radios.push_back(std::make_unique<SimulatedRadio>(options));
    std::string error;
    if (!m_radios.back()->Start(&error)) {
        qFatal("no pseudo-terminal: %s", error.c_str());
    }
    return *m_radios.back();
}

void CloneStationDialogTest::addPort(const QString& device) {
    // Enter in the field adds the device, as Add does; it closes nothing.
    m_dialog->Ports()->DeviceEdit()->setFocus();
    m_dialog->Ports()->DeviceEdit()->setText(device);
    QTest::keyClick(m_dialog->Ports()->DeviceEdit(), Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->Ports()->DeviceEdit()->text().isEmpty());
}

QString CloneStationDialogTest::cell(int row, int column) const {
    const QTableWidgetItem* item = m_dialog->Stations()->item(row, column);
    return item ? item->text() : QString();
}

QString CloneStationDialogTest::stateOf(int row) const {
    return cell(row, StationTable::StateColumn);
}

bool CloneStationDialogTest::marked(int row, LineMark mark) const {
    const QIcon shown = m_dialog->Stations()->item(row, StationTable::StateColumn)->icon();
    return !shown.isNull() && shown.cacheKey() == m_dialog->Stations()->MarkIcon(mark).cacheKey();
}

bool CloneStationDialogTest::unmarked(int row) const {
    return m_dialog->Stations()->item(row, StationTable::StateColumn)->icon().isNull();
}

void CloneStationDialogTest::twoStationsCompleteAndShowDoneWithTheirCounts() {
    // The Setup menu's settings show, and a change goes back to them.
    m_safety.verify = true;
    m_dialog->hide();
    m_dialog->show();
    QVERIFY(m_dialog->VerifyBox()->isChecked());
    QVERIFY(!m_dialog->ReadFirstBox()->isChecked());
    m_dialog->ReadFirstBox()->click();
    QVERIFY(m_safety.readFirst);

    SimulatedRadio& a = addRadio();
    SimulatedRadio& b = addRadio();
    const QString missing = QStringLiteral("/dev/no-such-port");
    for (const std::string& device : {a.DevicePath(), b.DevicePath()}) {
        addPort(QString::fromStdString(device));
    }
    m_dialog->Ports()->DeviceEdit()->setText(missing);
    QTest::mouseClick(m_dialog->Ports()->AddButton(), Qt::LeftButton);
    QCOMPARE(m_dialog->Ports()->List()->count(), 3);
    QVERIFY(m_dialog->LogPathLabel()->text().contains(QStringLiteral("clone-log.csv")));
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);
    QVERIFY(m_dialog->Running());
    QVERIFY(!m_dialog->StartButton()->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("done"), kRadioTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(1), QStringLiteral("done"), kRadioTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(2), QStringLiteral("port not available, trying again"),
                              kRadioTimeoutMs);
    for (int row : {0, 1}) {
        QCOMPARE(cell(row, StationTable::DoneColumn), QStringLiteral("1"));
        QCOMPARE(cell(row, StationTable::FailedColumn), QStringLiteral("0"));
        QVERIFY(m_dialog->Stations()->NextButton(row)->isEnabled());
        QVERIFY(marked(row, LineMark::Good));
    }
    // The port that cannot be opened counts as failed once; its station
    // keeps trying it without waiting for Next.
    QTRY_COMPARE_WITH_TIMEOUT(cell(2, StationTable::FailedColumn), QStringLiteral("1"),
                              kRadioTimeoutMs);
    QVERIFY(!m_dialog->Stations()->NextButton(2)->isEnabled());
    for (const SimulatedRadio* radio : {&a, &b}) {
        QCOMPARE(radio->Stats().closingBandWrites, 1);
        QVERIFY(radio->Violations().empty());
    }
    // Each radio was read first into the history, then written and verified.
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("history"))).entryList(QDir::Files).size(), 2);

    // One row per radio, and one for the port, in the window's log and in
    // the file, which names the image by the SHA-256 of the bytes written.
    QTRY_COMPARE_WITH_TIMEOUT(m_dialog->LogTable()->rowCount(), 3, kRadioTimeoutMs);
    QStringList results;
    for (int row = 0; row < 3; ++row) {
        results << m_dialog->LogTable()->item(row, 3)->text();
        if (m_dialog->LogTable()->item(row, 1)->text() == missing) {
            QVERIFY(m_dialog->LogTable()->item(row, 5)->text().startsWith(
                QStringLiteral("Could not Open")));
        }
    }
    results.sort();
    QCOMPARE(results, QStringList({QStringLiteral("failed"), QStringLiteral("written and verified"),
                                   QStringLiteral("written and verified")}));
    QFile log(m_dir.filePath(QStringLiteral("clone-log.csv")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    // (The port's message spans lines, quoted.)
    const QByteArray rows = log.readAll();
    const RadioImage image = FleetImage();
    const QByteArray sha = QCryptographicHash::hash(
        QByteArray(reinterpret_cast<const char*>(image.data()), RadioImage::size()),
        QCryptographicHash::Sha256);
    QCOMPARE(rows.count(",verified,"), 2);
    QCOMPARE(rows.count(",failed,"), 1);
    QCOMPARE(rows.count(sha.toHex()), 3);

    // The summary takes no room from the rows.
    const int rowsHeight = m_dialog->Stations()->height();
    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->Running(), kRadioTimeoutMs);
    QVERIFY(m_dialog->StartButton()->isEnabled());
    QTRY_VERIFY(m_dialog->SummaryLabel()->isVisible());
    QCoreApplication::processEvents(); // the layouts take the summary in
    QCOMPARE(m_dialog->Stations()->height(), rowsHeight);
    // A radio that did not end well keeps its mark after the stop; a good
    // one's row says "stopped" alone.
    QVERIFY(marked(2, LineMark::Bad));
    QVERIFY(unmarked(0));
    QVERIFY2(m_dialog->SummaryLabel()->text().contains(
                 QStringLiteral("3 radio(s): 2 done, 1 failed")),
             qPrintable(m_dialog->SummaryLabel()->text()));
    QVERIFY(m_dialog->SummaryLabel()->text().contains(QStringLiteral("could not be opened")));
    QVERIFY(m_messages->seen.empty());
}

void CloneStationDialogTest::nextAndSpaceReleaseOnlyTheirOwnStation() {
    SimulatedRadio& a = addRadio();
    SimulatedRadio& b = addRadio();
    addPort(QString::fromStdString(a.DevicePath()));
    addPort(QString::fromStdString(b.DevicePath()));
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("done"), kRadioTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(1), QStringLiteral("done"), kRadioTimeoutMs);

    // Next on the first row: its radio (swapped, as the test has it) is
    // written; the second station keeps waiting.
    QTest::mouseClick(m_dialog->Stations()->NextButton(0), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(cell(0, StationTable::DoneColumn), QStringLiteral("2"),
                              kRadioTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("done"), kRadioTimeoutMs);
    QCOMPARE(stateOf(1), QStringLiteral("done"));
    QCOMPARE(cell(1, StationTable::DoneColumn), QStringLiteral("1"));
    QCOMPARE(b.Stats().closingBandWrites, 1);

    // Space on the selected second row.
    m_dialog->Stations()->setFocus();
    m_dialog->Stations()->selectRow(1);
    QTest::keyClick(m_dialog->Stations(), Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(cell(1, StationTable::DoneColumn), QStringLiteral("2"),
                              kRadioTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(1), QStringLiteral("done"), kRadioTimeoutMs);
    QCOMPARE(a.Stats().closingBandWrites, 2);
    QCOMPARE(b.Stats().closingBandWrites, 2);
    QCOMPARE(m_dialog->LogTable()->rowCount(), 4);
    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->Running(), kRadioTimeoutMs);
    QCOMPARE(a.Stats().closingBandWrites, 2);
    QCOMPARE(b.Stats().closingBandWrites, 2);
}

void CloneStationDialogTest::closingWhileWritingAsksAndNoKeepsItRunning() {
    SimulatedRadio& radio = addRadio();
    addPort(QString::fromStdString(radio.DevicePath()));
    m_gate.Close();
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);
    // Held at its first block: the station is writing.
    QTRY_VERIFY_WITH_TIMEOUT(stateOf(0).startsWith(QStringLiteral("writing")), kRadioTimeoutMs);

    // The real box: Enter, on whatever has the box's focus, answers No.
    m_messages.reset();
    auto pressed = std::make_shared<int>(QMessageBox::NoButton);
    QTimer::singleShot(0, this, [pressed] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_Return);
        if (box->isVisible()) { // Enter did nothing: closed all the same
            box->button(QMessageBox::No)->click();
            return;
        }
        *pressed = box->standardButton(box->clickedButton());
    });
    QVERIFY(!m_dialog->close());
    QCOMPARE(*pressed, int(QMessageBox::No));
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->Running());
    m_messages = std::make_unique<MessageRecorder>();

    // The question asked, answered No.
    m_messages->Answer(MessageAnswer::No);
    QVERIFY(!m_dialog->close());
    QCOMPARE(m_messages->seen.size(), std::size_t{1});
    QCOMPARE(m_messages->seen[0].icon, MessageIcon::Question);
    QCOMPARE(m_messages->seen[0].buttons, MessageButtons::YesNo);
    QVERIFY(m_messages->seen[0].defaultAnswer == MessageAnswer::No);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->Running());

    // Escape asks the same.
    m_messages->Answer(MessageAnswer::No);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QCOMPARE(m_messages->seen.size(), std::size_t{2});
    QVERIFY(m_dialog->isVisible());

    // The station goes on to the end of its radio.
    m_gate.Open();
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("done"), kRadioTimeoutMs);
    QCOMPARE(radio.Stats().closingBandWrites, 1);

    // Waiting for the operator, no radio is in hand: closing asks nothing
    // and stops the station.
    QVERIFY(m_dialog->close());
    QCOMPARE(m_messages->seen.size(), std::size_t{2});
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->Running(), kRadioTimeoutMs);
    QCOMPARE(radio.Stats().closingBandWrites, 1);
}

void CloneStationDialogTest::stopAsksWhileARadioIsInHandAndSpeaksOfWritingOnlyWhileWriting() {
    m_safety = {.readFirst = true, .verify = false};
    m_dialog->ShowSafety();
    QVERIFY(m_dialog->ReadFirstBox()->isChecked());
    SimulatedRadio& radio = addRadio();
    addPort(QString::fromStdString(radio.DevicePath()));
    m_readGate.Close();
    m_gate.Close();
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);
    // Held in the read before writing: nothing of the radio is at stake yet
    // but the reading itself.
    QTRY_VERIFY_WITH_TIMEOUT(stateOf(0).startsWith(QStringLiteral("reading first")),
                             kRadioTimeoutMs);
    m_messages->Answer(MessageAnswer::No);
    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QCOMPARE(m_messages->seen.size(), std::size_t{1});
    QVERIFY(m_messages->seen[0].defaultAnswer == MessageAnswer::No);
    QVERIFY2(!m_messages->seen[0].text.contains(QStringLiteral("writing a radio")),
             qPrintable(m_messages->seen[0].text));
    QVERIFY(m_dialog->Running());
    QVERIFY(m_dialog->StopButton()->isEnabled());

    // Held in the write: the question says so; No keeps it running, Yes stops.
    m_readGate.Open();
    QTRY_VERIFY_WITH_TIMEOUT(stateOf(0).startsWith(QStringLiteral("writing")), kRadioTimeoutMs);
    m_messages->Answer(MessageAnswer::No);
    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QCOMPARE(m_messages->seen.size(), std::size_t{2});
    QVERIFY2(m_messages->seen[1].text.contains(QStringLiteral("writing a radio")),
             qPrintable(m_messages->seen[1].text));
    QVERIFY(m_dialog->Running());
    m_messages->Answer(MessageAnswer::Yes);
    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QCOMPARE(m_messages->seen.size(), std::size_t{3});
    QVERIFY(!m_dialog->StopButton()->isEnabled());
    m_gate.Open();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->Running(), kRadioTimeoutMs);
    QCOMPARE(radio.Stats().closingBandWrites, 0);
    QCOMPARE(m_dialog->LogTable()->rowCount(), 1);
    QCOMPARE(m_dialog->LogTable()->item(0, 3)->text(), QStringLiteral("cancelled"));
}

void CloneStationDialogTest::opensOnTheDeviceAndNamesTheImageByCaptionAndShortSha() {
    // The focus waits in the device field; Tab leaves the stations table.
    QCOMPARE(m_dialog->focusWidget(), m_dialog->Ports()->DeviceEdit());
    QVERIFY(!m_dialog->Stations()->tabKeyNavigation());

    const RadioImage image = FleetImage();
    const QByteArray sha = QCryptographicHash::hash(
        QByteArray(reinterpret_cast<const char*>(image.data()), RadioImage::size()),
        QCryptographicHash::Sha256);
    QCOMPARE(m_dialog->ImageLabel()->text(),
             QStringLiteral("Image: fleet.dat* (SHA-256 %1)").arg(QString::fromLatin1(sha.toHex().left(8))));
    m_image.reset();
    m_dialog->hide();
    m_dialog->show();
    QCOMPARE(m_dialog->ImageLabel()->text(), QStringLiteral("Image: no document is open"));

    // A device typed in can be removed again; Remove is off on nothing typed in.
    addPort(QStringLiteral("/dev/no-such-port"));
    QCOMPARE(m_dialog->Ports()->List()->count(), 1);
    QVERIFY(!m_dialog->Ports()->RemoveButton()->isEnabled());
    m_dialog->Ports()->List()->setCurrentRow(0);
    QVERIFY(m_dialog->Ports()->RemoveButton()->isEnabled());
    QTest::mouseClick(m_dialog->Ports()->RemoveButton(), Qt::LeftButton);
    QCOMPARE(m_dialog->Ports()->List()->count(), 0);

    // An image without channels asks first; No starts nothing.
    addPort(QStringLiteral("/dev/no-such-port"));
    m_image = CloneImage{QStringLiteral("blank.dat"), FleetImage(), false};
    m_messages->Answer(MessageAnswer::No);
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);
    QCOMPARE(m_messages->seen.size(), std::size_t{1});
    QCOMPARE(m_messages->seen[0].icon, MessageIcon::Question);
    QVERIFY(m_messages->seen[0].defaultAnswer == MessageAnswer::No);
    QVERIFY(m_messages->seen[0].text.contains(QStringLiteral("blank.dat")));
    QVERIFY(!m_dialog->Running());
}

void CloneStationDialogTest::aPortNotAvailableSaysItTriesAgainUntilItOpens() {
    // The station's port is missing until the test links it to a radio, as
    // a cable plugged back in; the radio is silent, so that the station,
    // once the port opens, stays waiting for it.
    SimOptions silent = InstantReplies();
    silent.fault.kind = SimFaultKind::Silent;
    SimulatedRadio& radio = addRadio(silent);
    const QString port = m_dir.filePath(QStringLiteral("cable"));
    addPort(port);
    QTest::mouseClick(m_dialog->StartButton(), Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("port not available, trying again"),
                              kRadioTimeoutMs);
    QVERIFY(marked(0, LineMark::Retrying));
    const QTableWidgetItem* state = m_dialog->Stations()->item(0, StationTable::StateColumn);
    QVERIFY2(state->toolTip().startsWith(QStringLiteral("Could not Open")),
             qPrintable(state->toolTip()));
    QCOMPARE(cell(0, StationTable::FailedColumn), QStringLiteral("1"));
    QCOMPARE(m_dialog->LogTable()->rowCount(), 1);
    QVERIFY(!m_dialog->Stations()->NextButton(0)->isEnabled());

    QVERIFY(QFile::link(QString::fromStdString(radio.DevicePath()), port));
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(0), QStringLiteral("waiting for a radio"), kRadioTimeoutMs);
    QVERIFY(unmarked(0));
    QVERIFY(state->toolTip().isEmpty());
    // The retries were no radios: one failure, one log row.
    QCOMPARE(cell(0, StationTable::FailedColumn), QStringLiteral("1"));
    QCOMPARE(m_dialog->LogTable()->rowCount(), 1);

    QTest::mouseClick(m_dialog->StopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->Running(), kRadioTimeoutMs);
    QVERIFY(m_messages->seen.empty());
}

QTEST_MAIN(CloneStationDialogTest)
#include "clone_station_dialog_test.moc"
