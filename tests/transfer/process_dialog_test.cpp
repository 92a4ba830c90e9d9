// The transfer window end to end: Read and Write of a document session
// (over its channel view) through the real serial backend on a
// pseudo-terminal, against the simulated radio; Start, Cancel before and during a transfer, the prompts
// and the failure messages.

#include "grid/channel_grid.h"
#include "link/link_messages.h"
#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "model/language.h"
#include "model/string_table.h"
#include "tests/transfer/process_fixture.h"
#include "tests/ui/message_recorder.h"
#include "tests/texts/test_catalogues.h"
#include "transfer/process_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList texts(const ChannelTexts& row) {
    QStringList list;
    for (const std::string& text : row) {
        list << QString::fromStdString(text);
    }
    return list;
}

} // namespace

class ProcessDialogTest : public ProcessFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readEndToEnd();
    void writeEndToEndCommitsPendingEdit();
    void cancelBeforeStartOpensNoPort();
    void cancelDuringTransfer();
    void failuresEndWithTheirMessage_data();
    void failuresEndWithTheirMessage();
    void communicationErrorPrompt();
    void writeStoppedPartWaySaysSo_data();
    void writeStoppedPartWaySaysSo();
    void noSecondTransferWhileRunning();
    void directionChangesWhileWaiting_data();
    void directionChangesWhileWaiting();
    void startIsTheDefaultAtEveryOpening();
    void closeBoxAndEscapeAskBeforeStoppingAWrite_data();
    void closeBoxAndEscapeAskBeforeStoppingAWrite();
    void sessionClosedDuringTransfer();
};

void ProcessDialogTest::initTestCase() {
    setUpStore();
}

void ProcessDialogTest::init() {
    setUpSession();
}

void ProcessDialogTest::cleanup() {
    tearDown();
}

void ProcessDialogTest::readEndToEnd() {
    startRadio();
    MessageRecorder messages;
    QSignalSpy read(m_session.get(), &DocumentSession::ChannelsRead);
    QSignalSpy running(m_session.get(), &DocumentSession::TransferRunningChanged);
    m_session->OnProgramRead();
    QCOMPARE(dialog()->windowTitle(), QString("Read Data"));
    QCOMPARE(dialog()->StatusLabel()->text(), QString("Not start yet"));
    QCOMPARE(dialog()->ProgressBar()->minimum(), 0);
    QCOMPARE(dialog()->ProgressBar()->maximum(), 191);
    QCOMPARE(dialog()->ProgressBar()->value(), 0);
    QVERIFY(!m_session->IsTransferRunning());
    pressStart();
    waitUntilEnded();

    QVERIFY(messages.seen.empty());
    QCOMPARE(read.count(), 1);
    QCOMPARE(running.count(), 2);
    QCOMPARE(dialog()->ProgressBar()->value(), 191);
    QVERIFY2(QRegularExpression("^Read in \\d+\\.\\d s$").match(m_resultLine).hasMatch(),
             qPrintable(m_resultLine));
    const ChannelTable expected = RadioChannels();
    QCOMPARE(texts(m_view->Channels()[0]), texts(expected[0]));
    QCOMPARE(texts(m_view->Channels()[127]), texts(expected[127]));
    QCOMPARE(texts(m_view->Channels()[1]), texts(expected[1]));
    QVERIFY(m_radio->Violations().empty());
    QCOMPARE(m_radio->Stats().entries, 2);
    QCOMPARE(m_radio->Stats().blocksWritten, 0);
    // The port is free again.
    QVERIFY(ProbePort(m_context.portName));
}

void ProcessDialogTest::writeEndToEndCommitsPendingEdit() {
    startRadio();
    MessageRecorder messages;
    // An edit still open in the grid reaches the radio.
    const QModelIndex cell = m_view->Grid()->model()->index(2, 0);
    QTest::mouseClick(m_view->Grid()->viewport(), Qt::LeftButton, {},
                      m_view->Grid()->visualRect(cell).center());
    auto* edit = m_view->findChild<QLineEdit*>("frequencyEdit");
    QVERIFY(edit->isVisible());
    QTest::keyClicks(edit, "438.00625");
    m_session->OnProgramWrite();
    QCOMPARE(m_view->Channels()[2][0], std::string("438.00625"));
    QCOMPARE(dialog()->windowTitle(), QString("Write Data"));
    pressStart();
    waitUntilEnded();

    QVERIFY(messages.seen.empty());
    QCOMPARE(dialog()->ProgressBar()->value(), 189);
    QVERIFY(m_radio->Violations().empty());
    const SimStats stats = m_radio->Stats();
    QCOMPARE(stats.blocksWritten, 508);
    QCOMPARE(stats.closingBandWrites, 1);
    const RadioImage radio = m_radio->MemoryAsImage();
    for (std::size_t offset = 0; offset < 130 * 24; ++offset) {
        QCOMPARE(int(radio[offset]), int(image()[offset]));
    }
    // Record 2 holds 438.00625 MHz as 25 06 80 43.
    QCOMPARE(int(radio[48]), 0x25);
    QCOMPARE(int(radio[51]), 0x43);
}

void ProcessDialogTest::cancelBeforeStartOpensNoPort() {
    startRadio();
    MessageRecorder messages;
    m_session->OnProgramRead();
    QVERIFY(dialog()->isVisible());
    QTest::mouseClick(dialog()->CancelButton(), Qt::LeftButton);
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!m_session->IsTransferRunning());
    QCoreApplication::processEvents();
    QVERIFY(m_radio->ReceivedBytes().empty());
    QVERIFY(messages.seen.empty());
    // The same object opens again, fresh, for the next command; Esc cancels too.
    m_session->OnProgramWrite();
    QVERIFY(dialog()->isVisible());
    QVERIFY(dialog()->StartButton()->isEnabled());
    QCOMPARE(dialog()->StatusLabel()->text(), QString("Not start yet"));
    QTest::keyClick(dialog(), Qt::Key_Escape);
    QVERIFY(!dialog()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(m_radio->ReceivedBytes().empty());
}

void ProcessDialogTest::cancelDuringTransfer() {
    SimOptions options = InstantReplies();
    options.wireTime = true;
    startRadio(options);
    MessageRecorder messages;
    QSignalSpy read(m_session.get(), &DocumentSession::ChannelsRead);
    m_session->OnProgramRead();
    pressStart();
    QTRY_VERIFY_WITH_TIMEOUT(dialog()->ProgressBar()->value() >= 3, kTransferTimeoutMs);
    QTest::mouseClick(dialog()->CancelButton(), Qt::LeftButton);
    // The window stays until the transfer has stopped.
    QVERIFY(dialog()->isVisible());
    waitUntilEnded();

    QVERIFY(messages.seen.empty());
    QCOMPARE(m_resultLine, QString("Read cancelled"));
    QCOMPARE(read.count(), 0);
    QVERIFY(dialog()->ProgressBar()->value() < 191);
    QVERIFY(m_radio->Stats().blocksRead < 512);
    QVERIFY(ProbePort(m_context.portName));
    // Rows received before the stop are in the image; the grid still shows
    // what it showed before.
    const RadioImage radio = m_radio->MemoryAsImage();
    for (std::size_t offset = 0; offset < 24; ++offset) {
        QCOMPARE(int(image()[offset]), int(radio[offset]));
    }
    QCOMPARE(m_view->Channels()[0][0], std::string());
}

void ProcessDialogTest::failuresEndWithTheirMessage_data() {
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

void ProcessDialogTest::failuresEndWithTheirMessage() {
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

void ProcessDialogTest::writeStoppedPartWaySaysSo_data() {
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
void ProcessDialogTest::writeStoppedPartWaySaysSo() {
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
    g_bChinese = 0;

    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, message);
    QVERIFY(messages.seen[0].buttons == MessageButtons::Ok);
    // A fault is an error; the note after a cancel a caution.
    QVERIFY(messages.seen[0].icon == (cancel ? MessageIcon::Exclamation : MessageIcon::Stop));
    QVERIFY(m_radio->Stats().blocksWritten > 0);
    QCOMPARE(m_radio->Stats().closingBandWrites, 0);
}

void ProcessDialogTest::communicationErrorPrompt() {
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

void ProcessDialogTest::noSecondTransferWhileRunning() {
    MessageRecorder messages;
    startSlowRead();
    m_session->OnProgramWrite();
    m_session->OnProgramRead();
    QCOMPARE(dialog()->windowTitle(), QString("Read Data"));
    QVERIFY(!dialog()->StartButton()->isEnabled());
    QVERIFY(m_session->IsTransferRunning());
    QTest::mouseClick(dialog()->CancelButton(), Qt::LeftButton);
    waitUntilEnded();
    QVERIFY(messages.seen.empty());
    QCOMPARE(m_radio->Stats().programModeRequests, 2);
    QCOMPARE(m_radio->Stats().blocksWritten, 0);
}

void ProcessDialogTest::directionChangesWhileWaiting_data() {
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("commands");
    // The commands after the first as Ctrl+R and Ctrl+W in the open window.
    QTest::addColumn<bool>("keysInWindow");
    QTest::addColumn<QString>("title");
    QTest::newRow("read then write") << false << "RW" << false << "Write Data";
    QTest::newRow("write then read") << false << "WR" << false << "Read Data";
    QTest::newRow("read, write, read") << false << "RWR" << false << "Read Data";
    QTest::newRow("write twice") << false << "WW" << false << "Write Data";
    QTest::newRow("Chinese read then write") << true << "RW" << false << "写数据";
    QTest::newRow("Chinese write then read") << true << "WR" << false << "读数据";
    QTest::newRow("read, Ctrl+W in the window") << false << "RW" << true << "Write Data";
    QTest::newRow("read, Ctrl+W, Ctrl+R in the window") << false << "RWR" << true << "Read Data";
}

void ProcessDialogTest::directionChangesWhileWaiting() {
    QFETCH(bool, chinese);
    QFETCH(QString, commands);
    QFETCH(bool, keysInWindow);
    QFETCH(QString, title);
    if (chinese) {
        useChinese();
    }
    startRadio();
    MessageRecorder messages;
    for (const QChar command : commands) {
        if (keysInWindow && dialog()->IsOpen()) {
            QVERIFY(QTest::qWaitForWindowActive(dialog()));
            QTest::keyClick(dialog()->windowHandle(), command == 'R' ? Qt::Key_R : Qt::Key_W,
                            Qt::ControlModifier);
        } else if (command == 'R') {
            m_session->OnProgramRead();
        } else {
            m_session->OnProgramWrite();
        }
    }
    // The open window's title names the direction the coming Start runs,
    // before Start and while the transfer runs.
    QCOMPARE(dialog()->windowTitle(), title);
    QCOMPARE(dialog()->StatusLabel()->text(),
             chinese ? QString::fromUtf8("尚未开始") : QString("Not start yet"));
    pressStart();
    QCOMPARE(dialog()->windowTitle(), title);
    waitUntilEnded();
    QVERIFY(messages.seen.empty());
    const bool wrote = commands.endsWith('W');
    QCOMPARE(m_radio->Stats().blocksWritten, wrote ? 508 : 0);
    // A write reads only the two blocks of the band check.
    QCOMPARE(m_radio->Stats().blocksRead, wrote ? 2 : 512 + 3);
}

void ProcessDialogTest::startIsTheDefaultAtEveryOpening() {
    startRadio();
    MessageRecorder messages;
    // The first transfer leaves the focus on Cancel when Start goes disabled;
    // Enter at the next opening starts all the same.
    for (int opening = 1; opening <= 2; ++opening) {
        m_session->OnProgramRead();
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        QCOMPARE(dialog()->focusWidget(), dialog()->StartButton());
        QVERIFY(dialog()->StartButton()->isDefault());
        QTest::keyClick(dialog()->windowHandle(), Qt::Key_Return);
        QVERIFY(m_session->IsTransferRunning());
        waitUntilEnded();
    }
    QVERIFY(messages.seen.empty());
    QCOMPARE(m_radio->Stats().blocksRead, 2 * (512 + 3));
}

void ProcessDialogTest::closeBoxAndEscapeAskBeforeStoppingAWrite_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<bool>("asks");
    QTest::newRow("write, Escape") << true << "Escape" << true;
    QTest::newRow("write, close box") << true << "close box" << true;
    QTest::newRow("write, Cancel button") << true << "Cancel" << false;
    QTest::newRow("read, Escape") << false << "Escape" << false;
    QTest::newRow("read, close box") << false << "close box" << false;
}

void ProcessDialogTest::closeBoxAndEscapeAskBeforeStoppingAWrite() {
    QFETCH(bool, write);
    QFETCH(QString, stop);
    QFETCH(bool, asks);
    SimOptions options = InstantReplies();
    options.wireTime = true;
    startRadio(options);
    MessageRecorder messages;
    write ? m_session->OnProgramWrite() : m_session->OnProgramRead();
    pressStart();
    QTRY_VERIFY_WITH_TIMEOUT(dialog()->ProgressBar()->value() >= 1, kTransferTimeoutMs);
    const auto askToStop = [this, &stop] {
        if (stop == "Escape") {
            QTest::keyClick(dialog(), Qt::Key_Escape);
        } else if (stop == "close box") {
            dialog()->close();
        } else {
            QTest::mouseClick(dialog()->CancelButton(), Qt::LeftButton);
        }
    };
    if (asks) {
        // Answered Cancel: the write goes on.
        messages.Answer(MessageAnswer::Cancel);
        askToStop();
        QCOMPARE(messages.seen.size(), std::size_t{1});
        QCOMPARE(messages.seen[0].text,
                 QString("Stop writing? The radio will then hold part of the new data and must "
                         "be written again before use."));
        QVERIFY(messages.seen[0].buttons == MessageButtons::OkCancel);
        QVERIFY(messages.seen[0].icon == MessageIcon::Question);
        QVERIFY(!dialog()->Control()->CancelFlag().load());
        QVERIFY(dialog()->isVisible());
        messages.seen.clear();
    }
    // Answered OK where it asks: the transfer stops.
    askToStop();
    waitUntilEnded();
    QCOMPARE(messages.seen.size(), std::size_t{asks ? 2u : write ? 1u : 0u});
    if (write) {
        QCOMPARE(messages.seen.back().text,
                 QString::fromStdString(LinkMessageText(kMsgRadioPartlyWritten, SourceTexts())));
        QVERIFY(m_radio->Stats().blocksWritten < 508);
    } else {
        QVERIFY(m_radio->Stats().blocksRead < 512);
    }
}

void ProcessDialogTest::sessionClosedDuringTransfer() {
    MessageRecorder messages;
    startSlowRead();
    // The transfer is stopped and its thread joined before the session goes.
    m_session.reset();
    m_view.reset();
    QVERIFY(ProbePort(m_context.portName));
    QVERIFY(m_radio->Stats().blocksRead < 512);
    QVERIFY(messages.seen.empty());
}

QTEST_MAIN(ProcessDialogTest)
#include "process_dialog_test.moc"
