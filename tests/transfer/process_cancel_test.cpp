// Stopping a transfer of the Process window against the simulated radio on
// a pseudo-terminal: Cancel before Start opens no port, Cancel during a
// transfer, and the question the close box and Escape ask before a write
// stops part-way.

#include "link/link_messages.h"
#include "link_qt/port_probe.h"
#include "tests/texts/test_catalogues.h"
#include "tests/transfer/process_fixture.h"
#include "tests/ui/message_recorder.h"
#include "transfer/process_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class ProcessCancelTest : public ProcessFixture {
    Q_OBJECT

private slots:
    void initTestCase() { setUpStore(); }
    void init() { setUpSession(); }
    void cleanup() { tearDown(); }

    void cancelBeforeStartOpensNoPort();
    void cancelDuringTransfer();
    void closeBoxAndEscapeAskBeforeStoppingAWrite_data();
    void closeBoxAndEscapeAskBeforeStoppingAWrite();
};

void ProcessCancelTest::cancelBeforeStartOpensNoPort() {
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

void ProcessCancelTest::cancelDuringTransfer() {
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

void ProcessCancelTest::closeBoxAndEscapeAskBeforeStoppingAWrite_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<bool>("asks");
    QTest::newRow("write, Escape") << true << "Escape" << true;
    QTest::newRow("write, close box") << true << "close box" << true;
    QTest::newRow("write, Cancel button") << true << "Cancel" << false;
    QTest::newRow("read, Escape") << false << "Escape" << false;
    QTest::newRow("read, close box") << false << "close box" << false;
}

void ProcessCancelTest::closeBoxAndEscapeAskBeforeStoppingAWrite() {
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

QTEST_MAIN(ProcessCancelTest)
#include "process_cancel_test.moc"
