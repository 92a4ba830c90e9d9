// File > Import Channels and File > Export Channels in the window: the
// summary comes before anything changes, Cancel changes nothing, OK replaces
// the channel table as one change, refused files change nothing, and an
// export imports back to the same table.

#include "model/cell_commit.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QUndoStack>

class ChannelExchangeTest : public QObject {
    Q_OBJECT

private:
    StartedProgram m_program;
    QString m_path; // the file the next import or export gets
    exchange::CsvLayout m_layout = exchange::CsvLayout::Program;
    int m_asked = 0;

    CMainFrame& Frame() { return m_program.Frame(); }
    CProgramView& View() { return Frame().ActiveChild()->View(); }
    CProgramDoc& Document() { return *Frame().ActiveDocument(); }
    const std::vector<MessageRequest>& Messages() { return m_program.Dir().Messages(); }

    void Start() {
        m_program.Start("");
        m_asked = 0;
        Frame().SetChannelListProvider([this](bool) {
            ++m_asked;
            return CMainFrame::ChannelListChoice{m_path, m_layout};
        });
    }

    // Chooses a command through its menu item.
    void Choose(int id) {
        QAction* action = Frame().CommandAction(id);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
    }

    QString WriteList(const QString& name, const QByteArray& text) {
        const QString path = m_program.Dir().FilePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            return {};
        }
        return path;
    }

    // Types texts into the grid's cells of row through the grid's commit rules.
    void Type(int row, const std::vector<std::pair<int, std::string>>& cells) {
        ChannelTable table = View().Channels();
        for (const auto& [col, text] : cells) {
            CommitCellEdit(table, Frame().Context().band, row, col, text, false);
        }
        Frame().ActiveChild()->History().Change("Type", [&] { View().SetChannels(table); });
    }

private slots:
    void cleanup() { m_program.Stop(); }

    void cancelInTheSummaryChangesNothing() {
        Start();
        Type(3, {{kColRx, "145.125"}});
        Document().SetModified(false);
        const ChannelTable before = View().Channels();
        m_path = WriteList("list.csv", "Frequency,Name,Mode\r\n146.52,CALL,FM\r\n147.0,AM1,AM\r\n"
                                       "145.5,LongRepeaterName,NFM\r\n");
        m_program.Dir().QueueAnswer(MessageAnswer::Cancel);
        Choose(ID_FILE_IMPORT_CHANNELS);
        QCOMPARE(m_asked, 1);
        QCOMPARE(Messages().size(), std::size_t{1});
        const MessageRequest& summary = Messages().back();
        QCOMPARE(summary.buttons, MessageButtons::OkCancel);
        QVERIFY2(summary.text.contains("Channels to import: 2."), qPrintable(summary.text));
        // Every skipped row and warning in the list below the summary.
        QCOMPARE(summary.lines.size(), 4);
        QCOMPARE(summary.lines.mid(0, 3),
                 (QStringList{"Rows skipped: 1", "    line 3: Mode \"AM\": this radio is FM only",
                              "Warnings: 1"}));
        QVERIFY2(summary.lines[3].startsWith("    line 4: Name"), qPrintable(summary.lines[3]));
        QVERIFY(View().Channels() == before);
        QVERIFY(!Document().IsModified());
    }

    void okReplacesTheTableAsOneChange() {
        Start();
        Type(3, {{kColRx, "145.125"}});
        Type(kChannelRows, {{kColRx, "438.5"}});
        Frame().ActiveChild()->History().MarkClean();
        const ChannelTable before = View().Channels();
        QUndoStack& steps = Frame().ActiveChild()->History().Stack();
        const int stepsBefore = steps.count();
        m_path = WriteList("list.csv", "Frequency,Name,Power\r\n146.52,CALL,1W\r\n145.5,B,5W\r\n");
        Choose(ID_FILE_IMPORT_CHANNELS);
        QCOMPARE(Messages().size(), std::size_t{1});
        QCOMPARE(steps.count(), stepsBefore + 1);
        QVERIFY(Document().IsModified());
        const ChannelTable table = View().Channels();
        QCOMPARE(table[0][kColRx - 1], std::string("146.52000"));
        QCOMPARE(table[0][kColName - 1], std::string("CALL"));
        QCOMPARE(table[0][kColPower - 1], std::string("Low"));
        QCOMPARE(table[1][kColName - 1], std::string("B"));
        QVERIFY(table[2][kColRx - 1].empty());                                   // row 3 replaced
        QCOMPARE(table[kChannelRows - 1][kColRx - 1], std::string("438.50000")); // Fr kept
        QVERIFY(Frame().StatusMessage().contains("2 channels imported"));
        // One Undo takes the whole import back, back to the saved state.
        Frame().ActiveChild()->History().Undo();
        QVERIFY(View().Channels() == before);
        QVERIFY(!Document().IsModified());
        Frame().ActiveChild()->History().Redo();
        QVERIFY(View().Channels() == table);
        QVERIFY(Document().IsModified());
    }

    void intoEmptyRowsKeepsTheChannelsThere() {
        Start();
        Type(1, {{kColRx, "145.125"}});
        Type(3, {{kColRx, "145.375"}});
        m_path = WriteList("list.csv", "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Channel "
                                       "Name,Power,W/N,Scan Add,Busy Lock\r\n"
                                       "1,146.52,,,,A,,,,\r\n1,147.52,,,,B,,,,\r\n");
        Choose(ID_FILE_IMPORT_CHANNELS_INTO_EMPTY);
        QCOMPARE(Messages().size(), std::size_t{1});
        QVERIFY2(Messages().back().text.contains("They go into the rows that hold no channel."),
                 qPrintable(Messages().back().text));
        const ChannelTable& table = View().Channels();
        QCOMPARE(table[0][kColRx - 1], std::string("145.12500"));
        QCOMPARE(table[1][kColName - 1], std::string("A"));
        QCOMPARE(table[2][kColRx - 1], std::string("145.37500"));
        QCOMPARE(table[3][kColName - 1], std::string("B"));
        QVERIFY(Document().IsModified());
    }

    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a channel list")
            << QByteArray("a,b\n1,2\n")
            << "columns this program reads. This program's layout has the columns CH, Rx Frequency";
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("only a header") << QByteArray("Location,Frequency\r\n") << "no channels";
        QTest::newRow("binary") << QByteArray("Frequency\n\0\0", 12) << "NUL byte";
        QTest::newRow("no row fits") << QByteArray("Frequency\n300\n")
                                     << "No row of the file can be imported.\nRows "
                                        "skipped: 1\n    line 2: Out of range";
    }
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        Start();
        Type(1, {{kColRx, "145.125"}});
        Document().SetModified(false);
        const ChannelTable before = View().Channels();
        m_path = WriteList("bad.csv", text);
        Choose(ID_FILE_IMPORT_CHANNELS);
        QCOMPARE(Messages().size(), std::size_t{1});
        QCOMPARE(Messages().back().buttons, MessageButtons::Ok);
        // The message with the list below it.
        const QString shown =
            (QStringList{Messages().back().text} + Messages().back().lines).join(QLatin1Char('\n'));
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QVERIFY(View().Channels() == before);
        QVERIFY(!Document().IsModified());
    }

    void missingFileAndCancelledChoice() {
        Start();
        m_path.clear(); // the file dialog cancelled
        Choose(ID_FILE_IMPORT_CHANNELS);
        Choose(ID_FILE_EXPORT_CHANNELS);
        QCOMPARE(m_asked, 2);
        QVERIFY(Messages().empty());
        m_path = m_program.Dir().FilePath("missing.csv");
        Choose(ID_FILE_IMPORT_CHANNELS);
        QCOMPARE(Messages().size(), std::size_t{1});
        QVERIFY(Messages().back().text.contains("missing.csv"));
    }

    void exportThenImportGivesTheSameTable_data() {
        QTest::addColumn<int>("layout");
        QTest::newRow("program") << static_cast<int>(exchange::CsvLayout::Program);
        QTest::newRow("generic") << static_cast<int>(exchange::CsvLayout::Generic);
    }
    void exportThenImportGivesTheSameTable() {
        QFETCH(int, layout);
        Start();
        Type(2, {{kColRx, "438.5"},
                 {kColTx, "430"},
                 {kColDecodeTone, "D754I"},
                 {kColEncodeTone, "88.5"},
                 {kColName, "中文x"},
                 {kColWidth, "Narrow"},
                 {kColBusy, "Carrier"}});
        Type(kChannelRows, {{kColRx, "145.125"}, {kColScan, "No"}});
        const ChannelTable before = View().Channels();
        m_layout = static_cast<exchange::CsvLayout>(layout);
        m_path = m_program.Dir().FilePath("out"); // ".csv" is added
        Choose(ID_FILE_EXPORT_CHANNELS);
        QVERIFY(QFile::exists(m_path + ".csv"));
        QVERIFY(Frame().StatusMessage().contains("out.csv"));
        Frame().ActiveChild()->History().Change("Clear",
                                                [this] { View().SetChannels(ChannelTable()); });
        m_path += ".csv";
        Choose(ID_FILE_IMPORT_CHANNELS);
        QVERIFY(View().Channels() == before);
    }
};

QTEST_MAIN(ChannelExchangeTest)
#include "channel_exchange_test.moc"
