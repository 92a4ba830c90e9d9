// Restore points and compare in the window, in-process against a simulated
// radio on a pseudo-terminal: every completed read is kept in the radio
// history and opens again as a document; the Setup menu's check items add a
// read before the write and a read-back after it; Compare With lists the
// differences of the active document.

#include "dialogs/compare_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "grid/channel_grid.h"
#include "link/address_map.h"
#include "link/port_name.h"
#include "model/channel_codec.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/program_document.h"
#include "model/read_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "session/write_safety_settings.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/writable_paths.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// Generous: a transfer takes about a second, more under the sanitizers.
constexpr int kTransferTimeoutMs = 120000;

std::string HistoryFolder() {
    return QFile::encodeName(RadioHistoryDir()).toStdString();
}

// A radio memory with one channel, so that a read shows in the grid.
RadioMemory MemoryWithChannel(const char* name) {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    EncodeRecord({"145.50000", "145.50000", "None", "None", name, "High", "Wide", "Yes", "Off"},
                 image.data() + layout::ChannelRecord(1));
    return RadioMemoryFromImage(image);
}

} // namespace

class RestorePointsTest : public QObject {
    Q_OBJECT

private:
    StartedProgram m_program;
    std::unique_ptr<SimulatedRadio> m_radio;

    CMainFrame& Frame() { return m_program.Frame(); }
    CProgramView& View() { return Frame().ActiveChild()->View(); }
    DocumentSession& Session() { return Frame().ActiveChild()->Session(); }

    // A running simulated radio that every transfer of the window reaches.
    void StartRadio(const RadioMemory& memory, SimOptions options = InstantReplies()) {
        m_radio = std::make_unique<SimulatedRadio>(options);
        m_radio->SetMemory(memory);
        QVERIFY(m_radio->Start());
        Frame().Context().portName = m_radio->DevicePath();
    }

    // Program > Read or Write, Start, until the transfer has ended.
    void Transfer(int command) {
        Frame().OnCommand(command);
        DocumentSession& session = Frame().ActiveChild()->Session();
        QVERIFY(session.ProcessDialog()->IsOpen());
        session.ProcessDialog()->StartButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!session.IsTransferRunning(), kTransferTimeoutMs);
    }

    QStringList Messages() const { return m_program.Dir().MessageTexts(); }

    // Whether the radio has received a read request for the block at address.
    bool AskedFor(int address) const {
        const std::vector<SimRequest> requests = m_radio->Requests();
        return std::find(requests.begin(), requests.end(), SimRequest{'R', address, 8}) !=
               requests.end();
    }

private slots:
    void cleanup() {
        m_program.Stop();
        m_radio.reset();
    }

    void aCompletedReadIsKeptAndOpensAgainAsADocument() {
        m_program.Start("");
        StartRadio(MemoryWithChannel("KEPT"));
        QVERIFY(history::ListReads(HistoryFolder()).empty());
        Transfer(ID_PROGRAM_READ);
        const std::vector<history::HistoryEntry> entries = history::ListReads(HistoryFolder());
        QCOMPARE(entries.size(), std::size_t{1});
        QCOMPARE(entries[0].channels, 1);
        // Another document in the active window, then the kept read again.
        Frame().OnCommand(ID_FILE_NEW);
        QVERIFY(View().Channels()[1][kColName - 1].empty());
        CRadioHistoryDlg::Purpose asked = CRadioHistoryDlg::Purpose::Compare;
        Frame().SetHistoryChooser([&](CRadioHistoryDlg::Purpose purpose) {
            asked = purpose;
            return QFile::decodeName(entries[0].path.c_str());
        });
        Frame().OnCommand(ID_RADIO_HISTORY);
        QCOMPARE(asked, CRadioHistoryDlg::Purpose::Open);
        QCOMPARE(View().Channels()[1][kColName - 1], std::string("KEPT"));
    }

    void aFailedReadKeepsNothing() {
        m_program.Start("");
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::ShortReply;
        options.fault.address = 0x0200;
        StartRadio(MemoryWithChannel("X"), options);
        Transfer(ID_PROGRAM_READ);
        QVERIFY(history::ListReads(HistoryFolder()).empty());
    }

    void setupCheckItemsAreKeptInTheSettingsFile_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("key");
        QTest::newRow("verify") << int(ID_VERIFY_AFTER_WRITE) << "VerifyAfterWrite";
        QTest::newRow("read first") << int(ID_READ_BEFORE_WRITE) << "ReadBeforeWrite";
    }
    void setupCheckItemsAreKeptInTheSettingsFile() {
        QFETCH(int, id);
        QFETCH(QString, key);
        m_program.Start("");
        QAction* item = Frame().CommandAction(id);
        QVERIFY(item != nullptr);
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        const CProfileFile& settings = Frame().Context().Profile();
        QVERIFY(CurrentWriteSafety(settings).verify == false &&
                CurrentWriteSafety(settings).readFirst == false);
        Frame().OnCommand(id);
        QVERIFY(item->isChecked());
        QCOMPARE(settings.GetValue("Setup", key.toStdString(), ""), std::string("1"));
        Frame().OnCommand(id);
        QVERIFY(!item->isChecked());
        QCOMPARE(settings.GetValue("Setup", key.toStdString(), ""), std::string("0"));
    }

    void verifyAfterWritingNamesTheBlockTheRadioStoredWrongly() {
        m_program.Start("VerifyAfterWrite=1\r\n");
        QVERIFY(Frame().CommandAction(ID_VERIFY_AFTER_WRITE)->isChecked());
        StartRadio(MemoryWithChannel("ABC"));
        Transfer(ID_PROGRAM_READ);
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::Corrupt;
        options.fault.address = 0x0028;
        StartRadio(MemoryWithChannel("ABC"), options);
        Transfer(ID_PROGRAM_WRITE);
        QCOMPARE(m_radio->Stats().programModeRequests, 4);
        const QStringList messages = Messages();
        QVERIFY(!messages.isEmpty());
        QVERIFY2(messages.back().startsWith(QStringLiteral("Verify failed")),
                 qPrintable(messages.back()));
        QVERIFY2(messages.back().contains(QStringLiteral("0x0028 channel 2 Chnnel Name")),
                 qPrintable(messages.back()));
    }

    void verifyOfAHealthyRadioSaysNothing() {
        m_program.Start("VerifyAfterWrite=1\r\n");
        StartRadio(MemoryWithChannel("ABC"));
        Transfer(ID_PROGRAM_WRITE);
        QCOMPARE(m_radio->Stats().programModeRequests, 4);
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('\n')));
    }

    // The write completes, then its read-back cannot finish: one message says
    // so, in place of "Program Interrupt", and the write is not taken as done.
    void aReadBackThatCannotFinishSaysTheWriteCompleted_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("message");
        QTest::newRow("radio stops answering")
            << int(SimFaultKind::ShortReply) << false
            << QStringLiteral("The write completed, but the verify could not finish");
        // The radio holds its reply a second, well inside the read's deadline.
        QTest::newRow("cancelled") << int(SimFaultKind::Delay) << true
                                   << QStringLiteral("The write completed, but the verify was cancelled");
    }
    void aReadBackThatCannotFinishSaysTheWriteCompleted() {
        QFETCH(int, fault);
        QFETCH(bool, cancel);
        QFETCH(QString, message);
        m_program.Start("VerifyAfterWrite=1\r\n");
        SimOptions options = InstantReplies();
        options.fault.kind = static_cast<SimFaultKind>(fault);
        options.fault.address = 0x0FF0; // a block only a read asks for
        options.fault.delayMs = 1000;
        StartRadio(MemoryWithChannel("OLD"), options);
        TransferOutcome outcome = TransferOutcome::Completed;
        connect(&Session(), &DocumentSession::TransferEnded, this,
                [&outcome](TransferOutcome ended) { outcome = ended; });
        Frame().OnCommand(ID_PROGRAM_WRITE);
        Session().ProcessDialog()->StartButton()->click();
        if (cancel) {
            QTRY_VERIFY_WITH_TIMEOUT(AskedFor(0x0FF0), kTransferTimeoutMs);
            Session().ProcessDialog()->CancelButton()->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!Session().IsTransferRunning(), kTransferTimeoutMs);
        QCOMPARE(m_radio->Stats().closingBandWrites, 1);
        QVERIFY(outcome == (cancel ? TransferOutcome::Cancelled : TransferOutcome::Failed));
        QCOMPARE(Messages().size(), 1);
        QVERIFY2(Messages().front().startsWith(message), qPrintable(Messages().front()));
    }

    void readingTheRadioBeforeWritingKeepsWhatItHeld() {
        m_program.Start("ReadBeforeWrite=1\r\n");
        const RadioMemory old = MemoryWithChannel("OLD");
        StartRadio(old);
        Transfer(ID_PROGRAM_WRITE);
        const std::vector<history::HistoryEntry> entries = history::ListReads(HistoryFolder());
        QCOMPARE(entries.size(), std::size_t{1});
        RadioImage before;
        QVERIFY(ReadDatFile(entries[0].path, before).Ok());
        QVERIFY(RadioMemoryFromImage(before) == old);
        QVERIFY(m_radio->Memory() != old);
        QVERIFY(Messages().isEmpty());
    }

    void aReadBeforeWritingThatFailsWritesNothing() {
        m_program.Start("ReadBeforeWrite=1\r\n");
        SimOptions options = InstantReplies();
        options.password = "555";
        StartRadio(MemoryWithChannel("OLD"), options);
        Transfer(ID_PROGRAM_WRITE);
        QCOMPARE(m_radio->Stats().blocksWritten, 0);
        QVERIFY(Messages().contains(QStringLiteral("Password Error!")));
        QVERIFY(Messages().back().contains(QStringLiteral("Nothing was written")));
    }

    // Compare With on the active document: the places of the list, and its summary line.
    QStringList ComparePlaces(QString& summary) {
        QStringList places;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CCompareDlg*>(QApplication::activeModalWidget());
            if (dialog) {
                summary = dialog->Summary()->text();
                for (int row = 0; row < dialog->Table()->rowCount(); ++row) {
                    places << dialog->Table()->item(row, 0)->text();
                }
                dialog->reject();
            }
        });
        Frame().OnCommand(ID_COMPARE_WITH);
        return places;
    }

    // The kept read holds the radio's band code and flags bytes of empty
    // records that the encode rewrites; a document read from the radio, or
    // opened from the kept read, holds what the decode and encode leave.
    // Compared with the kept read, unchanged, neither lists anything; a real
    // change still shows.
    void compareWithAReadFindsNoDifferenceUntilOneIsMade() {
        m_program.Start("");
        StartRadio(MemoryWithChannel("ABC"));
        Transfer(ID_PROGRAM_READ);
        const std::string kept = history::ListReads(HistoryFolder()).front().path;
        RadioImage raw;
        QVERIFY(ReadDatFile(kept, raw).Ok());
        QVERIFY(ImageBandCode(raw) != kDecodedBandCode);
        Frame().SetHistoryChooser(
            [&kept](CRadioHistoryDlg::Purpose) { return QFile::decodeName(kept.c_str()); });
        const QString same = QStringLiteral("The document and %1 hold the same data.")
                                 .arg(QFileInfo(QFile::decodeName(kept.c_str())).fileName());
        QString summary;
        QCOMPARE(ComparePlaces(summary), QStringList{});
        QCOMPARE(summary, same);
        Frame().OnCommand(ID_RADIO_HISTORY);
        QCOMPARE(ComparePlaces(summary), QStringList{});
        QCOMPARE(summary, same);
        ChannelTable changed = View().Channels();
        changed[1][kColName - 1] = "XYZ";
        View().SetChannels(changed);
        QCOMPARE(ComparePlaces(summary), QStringList{QStringLiteral("Channel 2, Chnnel Name")});
        QCOMPARE(summary, QStringLiteral("Differences: 1"));
    }

    // A double-click on a settings field opens its group's dialog above the
    // list; one on a channel cell closes the list with that cell current.
    void doubleClickShowsTheDifferenceInTheDocument() {
        m_program.Start("");
        StartRadio(MemoryWithChannel("ABC"));
        Transfer(ID_PROGRAM_READ);
        RadioImage other;
        QVERIFY(ReadDatFile(history::ListReads(HistoryFolder()).front().path, other).Ok());
        EncodeRecord(
            {"145.50000", "145.50000", "None", "None", "XYZ", "High", "Wide", "Yes", "Off"},
            other.data() + layout::ChannelRecord(1));
        other[layout::kModelIndex] = 1;
        const QString otherPath = m_program.Dir().FilePath(QStringLiteral("other.dat"));
        QVERIFY(WriteDatFile(QFile::encodeName(otherPath).toStdString(), other).Ok());
        Frame().SetHistoryChooser([&otherPath](CRadioHistoryDlg::Purpose) { return otherPath; });
        QStringList opened;
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CCompareDlg*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            if (dialog->Table()->rowCount() != 2) {
                dialog->reject(); // the checks below fail
                return;
            }
            const auto doubleClick = [dialog](int row) {
                QTableWidget* table = dialog->Table();
                const QPoint at = table->visualItemRect(table->item(row, 0)).center();
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
            };
            QTimer::singleShot(0, this, [&opened] {
                QWidget* shown = QApplication::activeModalWidget();
                opened << QString::fromUtf8(shown->metaObject()->className());
                qobject_cast<QDialog*>(shown)->reject();
            });
            doubleClick(1); // the model index
            doubleClick(0); // the channel's name
            closed = !dialog->isVisible();
            if (!closed) {
                dialog->reject();
            }
        });
        Frame().OnCommand(ID_COMPARE_WITH);
        QCOMPARE(opened, QStringList{QStringLiteral("CProductInfoDlg")});
        QVERIFY(closed);
        QCOMPARE(View().Grid()->Row(), 2);
        QCOMPARE(View().Grid()->Col(), int(kColName));
    }

    void compareWithAnUnreadableFileSaysSo() {
        m_program.Start("");
        const QString missing = m_program.Dir().FilePath(QStringLiteral("missing.dat"));
        Frame().SetHistoryChooser([&missing](CRadioHistoryDlg::Purpose) { return missing; });
        Frame().OnCommand(ID_COMPARE_WITH);
        QCOMPARE(Messages().size(), 1);
    }
};

QTEST_MAIN(RestorePointsTest)
#include "restore_points_test.moc"
