// A transfer of several steps in the Process window (a write with the read
// of the radio before it and the read-back to verify it after it, switched
// on in the Setup menu), against the simulated radio on a pseudo-terminal:
// the window names each step as it begins, its bar runs once over the whole
// job, the window closes at the end and the result line for the status bar
// says what was done, and Escape or the close box while the radio is only
// being read stops that read without asking about a write.

#include "link/write_safety.h"
#include "session/write_safety_settings.h"
#include "settings/profile_file.h"
#include "tests/texts/test_catalogues.h"
#include "tests/transfer/process_fixture.h"
#include "tests/ui/message_recorder.h"
#include "transfer/process_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

class ProcessStepsTest : public ProcessFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        setUpStore();
        // The Setup menu's choices live in the settings file.
        QFile ini(m_store.filePath("Program.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.close();
        QVERIFY(m_context.Profile().Load(m_store.filePath("Program.ini").toStdString(), false, true,
                                         false));
    }
    void init() { setUpSession(); }
    void cleanup() {
        SetSafetySetting(m_context.Profile(), SafetySetting::ReadBeforeWrite, false);
        SetSafetySetting(m_context.Profile(), SafetySetting::VerifyAfterWrite, false);
        tearDown();
    }

    void stepsInOrderOnOneBar_data();
    void stepsInOrderOnOneBar();
    void closingWhileReadingFirstCancelsWithoutAsking_data();
    void closingWhileReadingFirstCancelsWithoutAsking();
};

void ProcessStepsTest::stepsInOrderOnOneBar_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("readFirst");
    QTest::addColumn<bool>("verify");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("phases");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("result");
    const QStringList allThree = {"Step 1 of 3: reading the radio before writing",
                                  "Step 2 of 3: writing the radio",
                                  "Step 3 of 3: reading the radio back to verify"};
    QTest::newRow("read") << false << true << true << false << QStringList{"Reading the radio"}
                          << 191 << "^Read in \\d+\\.\\d s$";
    QTest::newRow("write alone") << true << false << false << false
                                 << QStringList{"Writing the radio"} << 189
                                 << "^Written in \\d+\\.\\d s$";
    QTest::newRow("read first, write, verify")
        << true << true << true << false << allThree << 191 + 189 + 191
        << "^Written and verified in \\d+\\.\\d s$";
    QTest::newRow("read first, write, verify, Chinese")
        << true << true << true << true
        << QStringList{QString::fromUtf8("第 1 步，共 3 步：写入前读取对讲机"),
                       QString::fromUtf8("第 2 步，共 3 步：写入对讲机"),
                       QString::fromUtf8("第 3 步，共 3 步：读回对讲机以校验")}
        << 191 + 189 + 191 << QString::fromUtf8("^写入并校验完成，用时 \\d+\\.\\d 秒$");
    QTest::newRow("read first, write")
        << true << true << false << false
        << QStringList{"Step 1 of 2: reading the radio before writing",
                       "Step 2 of 2: writing the radio"}
        << 191 + 189 << "^Written in \\d+\\.\\d s$";
}

// Every row of every step moves the one bar on by one, from the first row of
// the first step to the last of the last; the line above it names the step.
void ProcessStepsTest::stepsInOrderOnOneBar() {
    QFETCH(bool, write);
    QFETCH(bool, readFirst);
    QFETCH(bool, verify);
    QFETCH(bool, chinese);
    QFETCH(QStringList, phases);
    QFETCH(int, rows);
    QFETCH(QString, result);
    SetSafetySetting(m_context.Profile(), SafetySetting::ReadBeforeWrite, readFirst);
    SetSafetySetting(m_context.Profile(), SafetySetting::VerifyAfterWrite, verify);
    if (chinese) {
        useChinese();
    }
    startRadio();
    MessageRecorder messages;
    write ? m_session->OnProgramWrite() : m_session->OnProgramRead();

    QList<int> values;
    // The bar's range as each value is shown: the whole job from the start.
    QList<int> ranges;
    QStringList named;
    connect(dialog()->ProgressBar(), &QProgressBar::valueChanged, this, [&](int value) {
        values << value;
        ranges << dialog()->ProgressBar()->maximum();
        const QString phase = dialog()->PhaseLabel()->text();
        if (!phase.isEmpty() && (named.isEmpty() || named.last() != phase)) {
            named << phase;
        }
    });
    pressStart();
    waitUntilEnded();

    QVERIFY(messages.seen.empty());
    QCOMPARE(named, phases);
    QList<int> expected;
    for (int row = 1; row <= rows; ++row) {
        expected << row;
    }
    QCOMPARE(values, expected);
    QCOMPARE(ranges, QList<int>(rows, rows));
    // The result line names the whole job, not its last step.
    QVERIFY2(QRegularExpression(result).match(m_resultLine).hasMatch(), qPrintable(m_resultLine));
    QCOMPARE(m_radio->Stats().blocksWritten, write ? 508 : 0);
}

void ProcessStepsTest::closingWhileReadingFirstCancelsWithoutAsking_data() {
    QTest::addColumn<QString>("stop");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close box";
}

// Nothing has been written while the radio is read first: closing the window
// stops that read as a read's Cancel does, with no question about a half
// written radio, and the job ends cancelled, not as a fault of the read.
void ProcessStepsTest::closingWhileReadingFirstCancelsWithoutAsking() {
    QFETCH(QString, stop);
    SetSafetySetting(m_context.Profile(), SafetySetting::ReadBeforeWrite, true);
    SetSafetySetting(m_context.Profile(), SafetySetting::VerifyAfterWrite, true);
    SimOptions options = InstantReplies();
    options.wireTime = true;
    startRadio(options);
    MessageRecorder messages;
    QSignalSpy ended(m_session.get(), &DocumentSession::TransferEnded);
    m_session->OnProgramWrite();
    pressStart();
    QTRY_VERIFY_WITH_TIMEOUT(dialog()->ProgressBar()->value() >= 1, kTransferTimeoutMs);
    QCOMPARE(dialog()->PhaseLabel()->text(),
             QString("Step 1 of 3: reading the radio before writing"));
    if (stop == "Escape") {
        QTest::keyClick(dialog(), Qt::Key_Escape);
    } else {
        dialog()->close();
    }
    QVERIFY(dialog()->Control()->CancelFlag().load());
    waitUntilEnded();

    QVERIFY(messages.seen.empty());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended[0][0].value<TransferOutcome>(), TransferOutcome::Cancelled);
    QCOMPARE(m_resultLine, QString("Cancelled before writing: nothing was written"));
    QCOMPARE(m_radio->Stats().blocksWritten, 0);
    QVERIFY(m_radio->Stats().blocksRead < 512);
}

QTEST_MAIN(ProcessStepsTest)
#include "process_steps_test.moc"
