// The window program's command line: the files named open in order, start-up
// ends when none of them can be read, and the demo radio answers while no
// port is set up.

#include "app/demo_radio.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/program_document.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/profile_file.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/edit_menu_texts.h"
#include "tests/app/startup_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <fstream>

class StartupCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void commandLineOpensTheNamedFile() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        RadioImage image;
        FillNewDocumentImage(image, kDefaultBandCode);
        image[0x1261] = 0x07;
        const QString path = dir.FilePath(QStringLiteral("saved.dat"));
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));

        StartupOptions options = TestOptions(dir);
        options.arguments = {QLatin1Char('"') + path + QLatin1Char('"')};
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        const CProgramDoc& doc = app.MainFrame()->ActiveChild()->Document();
        QCOMPARE(QString::fromStdString(doc.Path()), path);
        QCOMPARE(doc.Image()[0x1261], 0x07);
        QCOMPARE(app.MainFrame()->Children().size(), std::size_t{1});
        app.ExitInstance();
    }

    void demoRadioAnswersWhenNoPortIsSetUp() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        StartupOptions options = TestOptions(dir);
        CDemoRadio demo;
        options.demoRadio = [&demo](const BandCodeBytes& bandCode) {
            return demo.Start(bandCode) ? demo.DevicePath() : std::string();
        };
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        QVERIFY(!app.DemoRadioDevice().empty());
        const QString device = QString::fromStdString(app.DemoRadioDevice());
        QVERIFY(device.startsWith(QStringLiteral("/dev/")));
        QCOMPARE(QString::fromStdString(app.Context().portName), device);
        QVERIFY(app.MainFrame()->StatusMessage().contains(device));

        // A new document window keeps the port on the simulated radio, and
        // Program > Read brings its channels into the grid.
        QVERIFY(app.NewDocument());
        QCOMPARE(QString::fromStdString(app.Context().portName), device);
        CProgramView& view = app.MainFrame()->ActiveChild()->View();
        DocumentSession& session = app.MainFrame()->ActiveChild()->Session();
        QSignalSpy read(&session, &DocumentSession::ChannelsRead);
        QSignalSpy running(&session, &DocumentSession::TransferRunningChanged);
        app.MainFrame()->OnCommand(ID_PROGRAM_READ);
        QVERIFY(session.ProcessDialog()->IsOpen());
        session.ProcessDialog()->StartButton()->click();
        QVERIFY(running.wait(30000));
        // The radio and the transfer need nothing of the window's thread:
        // held up here (as an open menu holds it), the whole read still
        // crosses the line; two band blocks, the password block, 512 data.
        QDeadlineTimer deadline(60000);
        while (demo.Stats().blocksRead < 515 && !deadline.hasExpired()) {
            QThread::msleep(5);
        }
        QCOMPARE(demo.Stats().blocksRead, 515);
        QVERIFY(read.wait(30000));
        QCOMPARE(Cell(view.Channels(), 1, kColRx), std::string("145.12500"));
        QCOMPARE(Cell(view.Channels(), 2, kColName), std::string("RPT1"));
        QVERIFY(!app.MainFrame()->ActiveDocument()->IsModified());
        QCOMPARE(dir.Messages().size(), std::size_t{1}); // New's question only
        // The window has gone; the status bar tells of the read instead of
        // the demo hint.
        QVERIFY(!session.ProcessDialog()->isVisible());
        const QRegularExpression readNotice(
            QStringLiteral("^Read in \\d+\\.\\d s; channels in use: 6\\.$"));
        QVERIFY2(readNotice.match(app.MainFrame()->StatusMessage()).hasMatch(),
                 qPrintable(app.MainFrame()->StatusMessage()));

        // A write says so too, with the channels it sent.
        QSignalSpy ended(&session, &DocumentSession::TransferEnded);
        app.MainFrame()->OnCommand(ID_PROGRAM_WRITE);
        session.ProcessDialog()->StartButton()->click();
        QVERIFY(ended.wait(60000));
        const QRegularExpression writeNotice(
            QStringLiteral("^Written in \\d+\\.\\d s; channels in use: 6\\.$"));
        QVERIFY2(writeNotice.match(app.MainFrame()->StatusMessage()).hasMatch(),
                 qPrintable(app.MainFrame()->StatusMessage()));
        QCOMPARE(demo.Stats().blocksWritten, 508);
        app.ExitInstance();
    }

    void noDemoRadioWhenAPortIsStored() {
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        UserStore::WritePortNumber("TestProgram", 2);
        StartupOptions options = TestOptions(dir);
        bool started = false;
        options.demoRadio = [&started](const BandCodeBytes&) {
            started = true;
            return std::string("/dev/null");
        };
        CProgramApp app;
        QVERIFY(app.InitInstance(options));
        QVERIFY(!started);
        QVERIFY(app.DemoRadioDevice().empty());
        QCOMPARE(app.Context().portName, std::string("COM2"));
        app.ExitInstance();
    }

    void commandLineFilesOpenInOrder_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("started");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("inFront");
        QTest::newRow("one file that cannot be read ends start-up")
            << QStringList{"short.dat"} << false << 1 << QString();
        QTest::newRow("one unreadable of two is told, the other opens")
            << QStringList{"short.dat", "a.dat"} << true << 1 << "a.dat";
        QTest::newRow("two files: both open, the last in front")
            << QStringList{"a.dat", "b.dat"} << true << 0 << "b.dat";
    }

    void commandLineFilesOpenInOrder() {
        QFETCH(QStringList, files);
        QFETCH(bool, started);
        QFETCH(int, messages);
        QFETCH(QString, inFront);
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(""));
        dir.CopyTranslations();
        std::ofstream(dir.FilePath(QStringLiteral("short.dat")).toStdString(), std::ios::binary)
            << "too short";
        WriteDat(dir, QStringLiteral("a.dat"), 0x10);
        WriteDat(dir, QStringLiteral("b.dat"), 0x20);
        StartupOptions options = TestOptions(dir);
        for (const QString& file : files) {
            options.arguments.append(dir.FilePath(file));
        }
        CProgramApp app;
        QCOMPARE(app.InitInstance(options), started);
        QCOMPARE(dir.Messages().size(), std::size_t(messages));
        if (started) {
            const std::size_t opened = std::size_t(files.size() - messages);
            QCOMPARE(app.MainFrame()->Children().size(), opened);
            QCOMPARE(QString::fromStdString(app.MainFrame()->ActiveDocument()->Path()),
                     dir.FilePath(inFront));
            app.ExitInstance();
        }
    }
};

QTEST_MAIN(StartupCommandLineTest)
#include "startup_command_line_test.moc"
