// The transfer window end to end: Read and Write of a document session
// (over its channel view) through the real serial backend on a
// pseudo-terminal, against the simulated radio; the window at each opening,
// its direction while it waits, one transfer at a time, and the session
// closed during a transfer.

#include "grid/channel_grid.h"
#include "link_qt/port_probe.h"
#include "tests/texts/test_catalogues.h"
#include "tests/transfer/process_fixture.h"
#include "tests/ui/message_recorder.h"
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
    void initTestCase() { setUpStore(); }
    void init() { setUpSession(); }
    void cleanup() { tearDown(); }

    void readEndToEnd();
    void writeEndToEndCommitsPendingEdit();
    void noSecondTransferWhileRunning();
    void directionChangesWhileWaiting_data();
    void directionChangesWhileWaiting();
    void startIsTheDefaultAtEveryOpening();
    void sessionClosedDuringTransfer();
};

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

    // Waiting to read into a document with changes not saved, the window
    // says that the read replaces them; waiting to write, it does not.
    QVERIFY(!m_session->Document().IsModified());
    m_session->OnProgramRead();
    QCOMPARE(dialog()->PhaseLabel()->text(), QString());
    m_session->OnProgramWrite();
    m_session->Document().SetModified(true);
    m_session->OnProgramRead();
    QVERIFY2(dialog()->PhaseLabel()->text().startsWith("Reading replaces the changes not yet saved"),
             qPrintable(dialog()->PhaseLabel()->text()));
    m_session->OnProgramWrite();
    QCOMPARE(dialog()->PhaseLabel()->text(), QString());
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
