// The Clone Station window over real clone stations: simulated radios on
// real pseudo-terminals, each station on its own thread with the Qt serial
// backend, the window driven through its widgets. The tests wait for states
// the window shows, never for a time; a gate in the link holds a station in
// the middle of a write for as long as a test needs it there.

#include "tests/transfer/clone_station_fixture.h"
#include "transfer/station_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class CloneStationDialogTest : public CloneStationFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void twoStationsCompleteAndShowDoneWithTheirCounts();
    void nextAndSpaceReleaseOnlyTheirOwnStation();
    void closingWhileWritingAsksAndNoKeepsItRunning();
    void stopAsksWhileARadioIsInHandAndSpeaksOfWritingOnlyWhileWriting();
    void opensOnTheDeviceAndNamesTheImageByCaptionAndShortSha();
};

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

QTEST_MAIN(CloneStationDialogTest)
#include "clone_station_dialog_test.moc"
