// The wire log of the window's transfers, run in-process against the demo
// radio on a pseudo-terminal: the file named on the command line or in
// [Setup] "WireLog" records every byte of a Program > Read and of a Squelch
// Tuning read, one transfer after the other.

#include "app/demo_radio.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "session/document_session.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Generous: a read takes about a second, more under the sanitizers.
constexpr int kTransferTimeoutMs = 120000;

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The bytes as the wire log writes them: " 57 00 00 08".
QString Hex(const std::uint8_t* data, std::size_t size) {
    QString text;
    for (std::size_t i = 0; i < size; ++i) {
        text += QStringLiteral(" %1").arg(data[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

} // namespace

class WireLogTest : public QObject {
    Q_OBJECT

private slots:
    void windowTransfersWriteTheWireLog_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("unused");
        QTest::newRow("command line") << "cli.log"
                                      << ""
                                      << "cli.log"
                                      << "";
        QTest::newRow("settings file, beside the program") << ""
                                                           << "ini.log"
                                                           << "ini.log"
                                                           << "";
        QTest::newRow("the command line wins") << "cli.log"
                                               << "ini.log"
                                               << "cli.log"
                                               << "ini.log";
    }

    void windowTransfersWriteTheWireLog() {
        QFETCH(QString, commandLine);
        QFETCH(QString, setting);
        QFETCH(QString, logged);
        QFETCH(QString, unused);
        ProgramDirFixture dir;
        CDemoRadio demo(InstantReplies());
        CProgramApp app;
        StartupOptions options;
        if (!commandLine.isEmpty()) {
            options.wireLog = dir.FilePath(commandLine);
        }
        QVERIFY(
            Start(app, dir, options, demo,
                  setting.isEmpty() ? std::string() : "WireLog=" + setting.toStdString() + "\r\n"));
        const QString device = QString::fromStdString(app.DemoRadioDevice());
        QVERIFY(!device.isEmpty());
        QVERIFY(app.MainFrame()->StatusMessage().contains(device));

        ReadChannels(app);
        ReadSquelchLevels(app);
        app.ExitInstance();
        if (QTest::currentTestFailed()) {
            return;
        }

        const QString log = ReadText(dir.FilePath(logged));
        QCOMPARE(log.count(QStringLiteral(" open ") + device + QStringLiteral(" ok\n")), 2);
        QCOMPARE(log.count(QStringLiteral(" close\n")), 2);
        // The program-mode request byte by byte, and the radio's ACK.
        QVERIFY(log.contains(QStringLiteral(" > 02\n")));
        QVERIFY(log.contains(QStringLiteral(" < 06\n")));
        // The first block: its request and the radio's reply with the bytes
        // of the demo radio's first channel.
        const RadioImage radio = DemoRadioImage();
        QVERIFY(log.contains(QStringLiteral(" > 52 00 00 08\n")));
        QVERIFY(log.contains(QStringLiteral(" < 57 00 00 08") + Hex(radio.data(), 8) +
                             QLatin1Char('\n')));
        // The squelch read and its four levels.
        QVERIFY(log.contains(QStringLiteral(" > 52 0F F6 04\n")));
        QVERIFY(log.contains(QStringLiteral(" < 57 0F F6 04") + Hex(radio.data() + 0x17EE, 4) +
                             QLatin1Char('\n')));
        if (!unused.isEmpty()) {
            QVERIFY(!QFile::exists(dir.FilePath(unused)));
        }
    }

    void unwritableWireLogIsReportedAndTransfersStillRun() {
        ProgramDirFixture dir;
        CDemoRadio demo(InstantReplies());
        CProgramApp app;
        StartupOptions options;
        options.wireLog = dir.FilePath(QStringLiteral("no-such-folder/wire.log"));
        QVERIFY(Start(app, dir, options, demo, {}));
        QCOMPARE(app.MainFrame()->StatusMessage(),
                 QStringLiteral("The wire log %1 cannot be written: transfers are not logged.")
                     .arg(options.wireLog));
        ReadChannels(app);
        app.ExitInstance();
    }

private:
    // Starts the program with the demo radio and the given [Setup] lines.
    static bool Start(CProgramApp& app, const ProgramDirFixture& dir, StartupOptions options,
                      CDemoRadio& demo, const std::string& setupLines) {
        options.demoRadio = [&demo](const BandCodeBytes& bandCode) {
            return demo.Start(bandCode) ? demo.DevicePath() : std::string();
        };
        return StartProgram(app, dir, setupLines, options);
    }

    // Program > Read, Start, until the channels are in the grid.
    static void ReadChannels(CProgramApp& app) {
        DocumentSession& session = app.MainFrame()->ActiveChild()->Session();
        QSignalSpy read(&session, &DocumentSession::ChannelsRead);
        app.MainFrame()->OnCommand(ID_PROGRAM_READ);
        QVERIFY(session.ProcessDialog()->IsOpen());
        session.ProcessDialog()->StartButton()->click();
        QVERIFY(read.wait(kTransferTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(!session.IsTransferRunning(), kTransferTimeoutMs);
    }

    // Squelch Tuning, Read, Cancel.
    static void ReadSquelchLevels(CProgramApp& app) {
        bool clicked = false;
        QTimer::singleShot(0, &app, [&clicked] {
            auto* dialog = qobject_cast<CSquelchTuningDlg*>(QApplication::activeModalWidget());
            if (dialog) {
                QSignalSpy ended(dialog, &CSquelchTuningDlg::TransferEnded);
                dialog->ReadButton()->click();
                clicked = ended.wait(kTransferTimeoutMs);
                dialog->reject();
            }
        });
        app.MainFrame()->OnCommand(ID_SQUELCH_TUNING);
        QVERIFY(clicked);
    }
};

QTEST_MAIN(WireLogTest)
#include "wire_log_test.moc"
