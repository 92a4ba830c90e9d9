// The clipboard in the channel grid as a user uses it: Copy and Paste of
// whole tables, a spreadsheet's cells with the refused ones told together,
// and the keys of the frequency edit reaching the edit commands.

#include "app/demo_radio.h"
#include "exchange/channel_import.h"
#include "grid/cell_clipboard.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "settings/program_context.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "sim/simulated_radio.h"
#include "tests/app/editing_fixture.h"
#include "tests/model/random_channels.h"
#include "texts_qt/qt_catalogue.h"
#include "transfer/process_dialog.h"
#include "ui/image_dialog.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

class EditClipboardTest : public EditingFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

    void copyAndPasteRoundTripOfRandomTables() {
        for (unsigned seed = 1; seed <= 5; ++seed) {
            const ChannelTable source = RandomChannelTable(seed);
            // Start from a document that holds the table.
            View().SetChannels(source);
            History().Record(QStringLiteral("set up"));
            QTest::keyClick(Grid(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(Grid()->SelectedCells().size(), std::size_t{kChannelRows * kChannelColumns});
            QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
            const QMimeData* copied = QApplication::clipboard()->mimeData();
            QVERIFY(copied && copied->hasText() && copied->hasFormat(kCsvMimeType));
            // Both forms hold the table: the tab-separated text alone (as a
            // spreadsheet offers it) and the comma-separated form.
            CellBlock expected;
            for (const ChannelTexts& row : source) {
                expected.emplace_back(row.begin(), row.end());
            }
            QVERIFY(CellBlockFromMimeData(*copied, SourceTexts()).block == expected);
            QMimeData plain;
            plain.setText(copied->text());
            QVERIFY(CellBlockFromMimeData(plain, SourceTexts()).block == expected);
            QCOMPARE(copied->text().count(QLatin1Char('\t')), kChannelRows * (kChannelColumns - 1));
            // The comma-separated form is the program's CSV layout, which an
            // import reads back into the same table.
            const ProgramContext& context = Frame().Context();
            const exchange::ChannelImport imported = exchange::ReadChannelCsv(
                copied->data(kCsvMimeType).toStdString(), context.band, context.Texts());
            QVERIFY(imported.ok);
            QVERIFY(exchange::PlaceChannels(ChannelTable(), imported, exchange::Placement::Replace,
                                            context.Texts())
                        .table == source);

            // Delete empties every row; one undo step brings them back.
            QTest::keyClick(Grid(), Qt::Key_Delete);
            QCOMPARE(View().Channels(), ChannelTable());
            Frame().OnCommand(ID_EDIT_UNDO_STEP);
            QCOMPARE(View().Channels(), source);
            Frame().OnCommand(ID_EDIT_REDO_STEP);
            QCOMPARE(View().Channels(), ChannelTable());

            // Pasting from row 1 gives the table back, as one step.
            ClickCell(1, kColRx);
            QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(View().Channels(), source);
            QCOMPARE(m_program.Dir().Messages().size(), std::size_t{0});
            Frame().OnCommand(ID_EDIT_UNDO_STEP);
            QCOMPARE(View().Channels(), ChannelTable());
        }
    }

    void pasteFromASpreadsheetReportsRefusedCellsTogether() {
        View().SetChannels(Numbered({2}));
        History().Record(QStringLiteral("set up"));
        // Spreadsheet text: tab-separated and padded, with a frequency off
        // the step and letters in a frequency.
        QApplication::clipboard()->setText(
            QStringLiteral("146.5 \t147\n145.0031\t145.0031\n438.5\tabc\n"));
        ClickCell(1, kColRx);
        Frame().OnCommand(ID_EDIT_PASTE_CELLS);
        // Row 1 becomes a channel; row 2 keeps its receive frequency and
        // takes the transmit frequency (never refused); row 3 becomes a
        // channel and refuses the letters.
        QCOMPARE(Cell(View().Channels(), 1, kColRx), std::string("146.50000"));
        QCOMPARE(Cell(View().Channels(), 1, kColTx), std::string("147.00000"));
        QCOMPARE(Cell(View().Channels(), 2, kColRx), std::string("145.12500"));
        QCOMPARE(Cell(View().Channels(), 2, kColTx), std::string("145.00310"));
        QCOMPARE(Cell(View().Channels(), 3, kColRx), std::string("438.50000"));
        QCOMPARE(Cell(View().Channels(), 3, kColTx), std::string("438.50000"));
        const std::vector<MessageRequest>& messages = m_program.Dir().Messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text,
                 QStringLiteral("Pasted cells refused: 2. They keep what they held."));
        QCOMPARE(messages[0].lines,
                 (QStringList{"Row 2: Rx Frequency: Error data Value, please input according the "
                              "step value(6.25K/5k).",
                              "Row 3: Tx Frequency: a frequency holds only digits and \".\""}));
        // The whole paste is one undo step.
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(View().Channels(), Numbered({2}));

        // A long paste lists every row, each once with all its reasons.
        QString rows;
        for (int row = 1; row <= 20; ++row) {
            rows += QStringLiteral("x\ty\n");
        }
        QApplication::clipboard()->setText(rows);
        ClickCell(1, kColRx);
        Frame().OnCommand(ID_EDIT_PASTE_CELLS);
        QCOMPARE(messages.size(), std::size_t{2});
        const QStringList lines = messages[1].lines;
        QCOMPARE(lines.size(), 20);
        for (int row = 1; row <= 20; ++row) {
            QVERIFY2(lines[row - 1].startsWith(QStringLiteral("Row %1: Rx Frequency: ").arg(row)),
                     qPrintable(lines[row - 1]));
        }
    }

    void keysOfTheFrequencyEditReachTheEditCommands() {
        // Typing into a cell, then Ctrl+Z: the entry is committed as a step
        // and undone; Ctrl+Y brings it back.
        ClickCell(4, kColRx);
        QLineEdit* edit = View().findChild<QLineEdit*>(QStringLiteral("frequencyEdit"));
        QVERIFY(edit && edit->isVisible() && edit->hasFocus());
        QTest::keyClicks(edit, QStringLiteral("145.125"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(View().Channels()[3], ChannelTexts{});
        QVERIFY(!Document().IsModified());
        QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(View().Channels()[3], kChannel);
        QVERIFY(Document().IsModified());
        QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(View().Channels()[3], kChannel); // nothing left to redo

        // Ctrl+C in the frequency edit copies the cell with its committed
        // entry; letters still do not reach the edit.
        ClickCell(5, kColRx);
        QTest::keyClicks(edit, QStringLiteral("438.5x"));
        QCOMPARE(edit->text(), QStringLiteral("438.5"));
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("438.50000\r\n"));
        QCOMPARE(Cell(View().Channels(), 5, kColRx), std::string("438.50000"));
    }
};

QTEST_MAIN(EditClipboardTest)
#include "edit_clipboard_test.moc"
