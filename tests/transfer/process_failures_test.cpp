// Transfers of the Process window that fail against the simulated radio on
// a pseudo-terminal: each failure ends with its message, a write stopped
// part-way says so, and the communication error prompt.

#include "link/link_messages.h"
#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "model/string_table.h"
#include "tests/texts/test_catalogues.h"
#include "tests/transfer/process_fixture.h"
#include "tests/ui/message_recorder.h"
#include "transfer/process_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class ProcessFailuresTest : public ProcessFixture {
    Q_OBJECT

private slots:
    void initTestCase() { setUpStore(); }
    void init() { setUpSession(); }
    void cleanup() { tearDown(); }

    void failuresEndWithTheirMessage_data();
    void failuresEndWithTheirMessage();
    void communicationErrorPrompt();
    void writeStoppedPartWaySaysSo_data();
    void writeStoppedPartWaySaysSo();
};

void ProcessFailuresTest::failuresEndWithTheirMessage_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("openablePort");
    QTest::addColumn<int>("bandType");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("shortReplyAt");
    QTest::addColumn<QString>("message");
    const QString programInterrupt = StringTableText(IDS_PROGRAM_INTERRUPT);
    // The reason the system gives follows on a line of its own.
    QTest::newRow("port cannot be opened")
        << false << false << 3 << "" << -1
        << QString(StringTableText(IDS_COULD_NOT_OPEN_PORT)) + "\nReason: no such device (" +
               m_store.filePath("no-such-port") + ").";
    QTest::newRow("band type 5") << false << true << 5 << "" << -1 << "Band type error";
    QTest::newRow("band type 1 on a write") << true << true << 1 << "" << -1 << "Band type error";
    QTest::newRow("password differs") << false << true << 3 << "12345" << -1 << "Password Error!";
    QTest::newRow("11-byte reply") << false << true << 3 << "" << 0x0100 << programInterrupt;
}

void ProcessFailuresTest::failuresEndWithTheirMessage() {
    QFETCH(bool, write);
    QFETCH(bool, openablePort);
    QFETCH(int, bandType);
    QFETCH(QString, password);
    QFETCH(int, shortReplyAt);
    QFETCH(QString, message);
    SimOptions options = InstantReplies();
    options.bandType = static_cast<std::uint8_t>(bandType);
    if (!password.isEmpty()) {
        options.password = password.toStdString();
    }
    if (shortReplyAt >= 0) {
        options.fault.kind = SimFaultKind::ShortReply;
        options.fault.address = shortReplyAt;
        options.fault.shortLength = 11;
    }
    startRadio(options);
    if (!openablePort) {
        m_context.portName = m_store.filePath("no-such-port").toStdString();
    }
    MessageRecorder messages;
    QSignalSpy read(m_session.get(), &DocumentSession::ChannelsRead);
    write ? m_session->OnProgramWrite() : m_session->OnProgramRead();
    pressStart();
    waitUntilEnded();

    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, message);
    QVERIFY(messages.seen[0].buttons == MessageButtons::Ok);
    QVERIFY(messages.seen[0].icon == MessageIcon::Stop);
    QCOMPARE(read.count(), 0);
    QCOMPARE(m_radio->Stats().blocksWritten, 0);
    QVERIFY(ProbePort(m_radio->DevicePath()));
}

void ProcessFailuresTest::writeStoppedPartWaySaysSo_data() {
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");
    const QString partly =
        "The radio now holds part of the new data and must be written again before use.";
    // Two sentences: the first one closed before the second begins.
    QTest::newRow("no ACK mid-write")
        << false << false << QString(StringTableText(IDS_PROGRAM_INTERRUPT)) + ". " + partly;
    QTest::newRow("cancel mid-write") << true << false << partly;
    QTest::newRow("cancel mid-write, Chinese")
        << true << true << QString::fromUtf8("对讲机中现在只有部分新数据，使用前必须重新写入。");
}

// Once data blocks went out, the radio holds a mixture of old and new data:
// a failed write says so after its message, a cancelled one on its own.
void ProcessFailuresTest::writeStoppedPartWaySaysSo() {
    QFETCH(bool, cancel);
    QFETCH(bool, chinese);
    QFETCH(QString, message);
    if (chinese) {
        useChinese();
    }
    SimOptions options = InstantReplies();
    if (cancel) {
        options.wireTime = true;
    } else {
        options.fault.kind = SimFaultKind::NoAck;
        options.fault.address = 0x0800;
    }
    startRadio(options);
    MessageRecorder messages;
    m_session->OnProgramWrite();
    pressStart();
    if (cancel) {
        QTRY_VERIFY_WITH_TIMEOUT(dialog()->ProgressBar()->value() >= 3, kTransferTimeoutMs);
        QTest::mouseClick(dialog()->CancelButton(), Qt::LeftButton);
    }
    waitUntilEnded();

    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, message);
    QVERIFY(messages.seen[0].buttons == MessageButtons::Ok);
    // A fault is an error; the note after a cancel a caution.
    QVERIFY(messages.seen[0].icon == (cancel ? MessageIcon::Exclamation : MessageIcon::Stop));
    QVERIFY(m_radio->Stats().blocksWritten > 0);
    QCOMPARE(m_radio->Stats().closingBandWrites, 0);
}

void ProcessFailuresTest::communicationErrorPrompt() {
    // A radio that never answers: after 15 attempts the prompt; Retry starts
    // 15 more, Cancel ends the transfer with the port closed.
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::Silent;
    startRadio(options);
    MessageRecorder messages;
    messages.Answer(MessageAnswer::Retry);
    messages.Answer(MessageAnswer::Cancel);
    QSignalSpy read(m_session.get(), &DocumentSession::ChannelsRead);
    m_session->OnProgramRead();
    pressStart();
    waitUntilEnded();

    QCOMPARE(messages.seen.size(), std::size_t{2});
    for (const MessageRequest& prompt : messages.seen) {
        QCOMPARE(prompt.text, QString(StringTableText(IDS_COMMUNICATION_ERROR)));
        QVERIFY(prompt.buttons == MessageButtons::RetryCancel);
        QVERIFY(prompt.icon == MessageIcon::Stop);
    }
    QCOMPARE(read.count(), 0);
    QCOMPARE(m_radio->Stats().programModeRequests, 30);
    QVERIFY(ProbePort(m_context.portName));
}

QTEST_MAIN(ProcessFailuresTest)
#include "process_failures_test.moc"
