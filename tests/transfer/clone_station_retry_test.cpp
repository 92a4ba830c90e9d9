// A station's row while its port is not available, on the Clone Station
// window over a real pseudo-terminal: the retry shows, and clears once the
// port opens. The test waits for what the row shows, never for a time.

#include "tests/transfer/clone_station_fixture.h"
#include "transfer/station_table.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class CloneStationRetryTest : public CloneStationFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void aPortNotAvailableSaysItTriesAgainUntilItOpens();
};

void CloneStationRetryTest::aPortNotAvailableSaysItTriesAgainUntilItOpens() {
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

QTEST_MAIN(CloneStationRetryTest)
#include "clone_station_retry_test.moc"
