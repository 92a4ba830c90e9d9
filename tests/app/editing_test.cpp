// Editing the channel table in the window as a user does: selections with
// the mouse and the row labels, the clipboard, Delete, the row operations
// from the keys, the Edit menu and the grid's context menu, and undo and redo
// of every kind of change, with the unsaved-changes state following them.

#include "app/demo_radio.h"
#include "exchange/channel_import.h"
#include "grid/cell_clipboard.h"
#include "grid/channel_grid.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"
#include "sim/simulated_radio.h"
#include "tests/app/app_fixture.h"
#include "tests/model/random_channels.h"
#include "texts_qt/qt_catalogue.h"
#include "transfer/process_dialog.h"
#include "ui/image_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace {

const ChannelTexts kChannel{"145.12500", "145.12500", "None", "None", "",
                            "High",      "Wide",      "Yes",  "Off"};

// A table whose listed rows hold a channel named after the row.
ChannelTable Numbered(const std::vector<int>& rows) {
    ChannelTable table;
    for (int row : rows) {
        table[static_cast<std::size_t>(row - 1)] = kChannel;
        Cell(table, row, kColName) = std::to_string(row);
    }
    return table;
}

// Writes 0x5A into the image when run, as OK in a settings dialog does.
class ChangingDialog : public ImageDialog {
public:
    using ImageDialog::ImageDialog;
    int DoModal(RadioImage& image) override {
        image[0x1263] = 0x5A;
        return Accepted;
    }
};

// Product Information's OK: a new band for the whole program and the image.
class BandDialog : public ImageDialog {
public:
    BandDialog(QWidget* parent, BandPlan& bands) : ImageDialog(parent), m_bands(bands) {}
    int DoModal(RadioImage& image) override {
        m_bands.SetLimitsMhz({144, 146, 430, 440});
        m_bands.bandCode = BandCode(144, 146, 430, 440);
        image[0x17D1] = 0x03;
        return Accepted;
    }

private:
    BandPlan& m_bands;
};

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_program.Start("");
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        QApplication::clipboard()->clear();
    }
    void cleanup() { m_program.Stop(); }

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

    void rowOperationsOnRowsChosenByTheirLabels() {
        View().SetChannels(Numbered({1, 2, 3, 5}));
        History().Record(QStringLiteral("set up"));
        // Rows 2 and 3: a click on label 2, Shift+click on label 3.
        ClickLabel(2, Qt::NoModifier);
        ClickLabel(3, Qt::ShiftModifier);
        QCOMPARE(Grid()->SelectedRows(), (std::vector<int>{2, 3}));
        QVERIFY(!View().findChild<QLineEdit*>(QStringLiteral("frequencyEdit"))->isVisible());

        QTest::keyClick(Grid(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Cell(View().Channels(), 3, kColName), std::string("2"));
        QCOMPARE(Cell(View().Channels(), 4, kColName), std::string("3"));
        QVERIFY(IsEmptyRowAt(2));
        QCOMPARE(Grid()->SelectedRows(), (std::vector<int>{3, 4}));

        QTest::keyClick(Grid(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(View().Channels(), Numbered({1, 2, 3, 5}));

        // Insert above row 2 and remove it again from the Edit menu items.
        ClickLabel(2, Qt::NoModifier);
        TriggerMenuItem(ID_EDIT_INSERT_ROW);
        QVERIFY(IsEmptyRowAt(2));
        QCOMPARE(Cell(View().Channels(), 6, kColName), std::string("5"));
        TriggerMenuItem(ID_EDIT_REMOVE_ROWS);
        QCOMPARE(View().Channels(), Numbered({1, 2, 3, 5}));

        // Three steps to undo, in order, then the table as set up.
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QVERIFY(IsEmptyRowAt(2));
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(Cell(View().Channels(), 3, kColName), std::string("2"));
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(View().Channels(), Numbered({1, 2, 3, 5}));
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{0});
    }

    void aRefusedEntryKeepsCellAndSelection() {
        // 600 MHz is outside the bands: the entry is refused with its editor
        // open, and neither a row label nor Shift+click moves the selection.
        ClickCell(1, kColRx);
        QLineEdit* edit = View().findChild<QLineEdit*>(QStringLiteral("frequencyEdit"));
        QTest::keyClicks(edit, QStringLiteral("600"));
        ClickLabel(3, Qt::NoModifier);
        const QModelIndex cell5 = Grid()->model()->index(4, 2);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          Grid()->visualRect(cell5).center());
        // Nor does a right click on either, which opens no menu then.
        Click(Grid()->viewport(), Qt::RightButton, Qt::NoModifier,
              Grid()->visualRect(cell5).center());
        ClickLabel(3, Qt::NoModifier, Qt::RightButton);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        const QString refused = QStringLiteral("Out of range, please input again.");
        QCOMPARE(m_program.Dir().MessageTexts(), QStringList(4, refused));
        QCOMPARE(Grid()->SelectedCells(), (std::vector<GridCell>{{1, kColRx}}));
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("600"));
        QCOMPARE(History().Stack().count(), 0);
    }

    void refusedRowOperationsChangeNothing_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("row");
        QTest::newRow("insert with row 128 full") << int(ID_EDIT_INSERT_ROW) << 10;
        QTest::newRow("move row 128 down") << int(ID_EDIT_MOVE_DOWN) << 128;
        QTest::newRow("move Fr up") << int(ID_EDIT_MOVE_UP) << kChannelRows;
        QTest::newRow("move row 1 up") << int(ID_EDIT_MOVE_UP) << 1;
    }
    void refusedRowOperationsChangeNothing() {
        QFETCH(int, command);
        QFETCH(int, row);
        const ChannelTable table = Numbered({1, 10, 128, 129});
        View().SetChannels(table);
        History().Record(QStringLiteral("set up"));
        const int steps = History().Stack().count();
        ClickLabel(row, Qt::NoModifier);
        Frame().OnCommand(command);
        QCOMPARE(View().Channels(), table);
        QCOMPARE(History().Stack().count(), steps);
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{1});
    }

    void contextMenuOffersTheGridCommands_data() {
        QTest::addColumn<bool>("onLabel");
        QTest::addColumn<bool>("selectedBefore");
        QTest::newRow("cell outside the selection") << false << false;
        QTest::newRow("cell inside the selection") << false << true;
        QTest::newRow("row label outside the selection") << true << false;
        QTest::newRow("row label inside the selection") << true << true;
    }

    void contextMenuOffersTheGridCommands() {
        // A right click on a cell or on a row label: the one menu of the
        // grid's commands, for the row clicked (chosen first when it was
        // not) and with no editor opened.
        QFETCH(bool, onLabel);
        QFETCH(bool, selectedBefore);
        View().SetChannels(Numbered({6, 7}));
        History().Record(QStringLiteral("set up"));
        ClickCell(6, kColName);
        if (selectedBefore) {
            ClickLabel(7, Qt::NoModifier);
        }
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        if (onLabel) {
            ClickLabel(7, Qt::NoModifier, Qt::RightButton);
        } else {
            ClickCell(7, kColName, Qt::RightButton);
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QList<int> ids;
        for (const QAction* action : menu->actions()) {
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        }
        QCOMPARE(ids, (QList<int>{ID_EDIT_CUT_CELLS, ID_EDIT_COPY_CELLS, ID_EDIT_PASTE_CELLS,
                                  ID_EDIT_DELETE_CELLS, 0, ID_EDIT_INSERT_ROW, ID_EDIT_REMOVE_ROWS,
                                  ID_EDIT_MOVE_UP, ID_EDIT_MOVE_DOWN}));
        QCOMPARE(Grid()->Row(), 7);
        QCOMPARE(Grid()->SelectedRows(), std::vector<int>{7});
        const std::size_t cells = onLabel || selectedBefore ? kChannelColumns : 1;
        QCOMPARE(Grid()->SelectedCells().size(), cells);
        for (const char* editor : {"nameEdit", "frequencyEdit"}) {
            QVERIFY(!View().findChild<QLineEdit*>(QString::fromLatin1(editor))->isVisible());
        }
        // Its items run the command on the row: Remove Row.
        menu->close();
        menu->actions().at(6)->trigger();
        QCOMPARE(View().Channels(), Numbered({6}));
        QVERIFY(m_program.Dir().Messages().empty());
    }

    void aNameAtItsLimitIsToldOnTheStatusBar() {
        View().SetChannels(Numbered({3}));
        ClickCell(3, kColName);
        QTest::keyClicks(View().findChild<QLineEdit*>(QStringLiteral("nameEdit")),
                         QStringLiteral("ABCDEFGH"));
        QCOMPARE(Cell(View().Channels(), 3, kColName), std::string("3"));
        QCOMPARE(Frame().statusBar()->currentMessage(),
                 QStringLiteral("A channel name holds at most 7 bytes (a Chinese character "
                                "counts two)"));
    }

    void modifiedFollowsTheHistorysCleanState() {
        // Saved, then a dialog's OK and a cell edit; undoing both leaves
        // nothing to save, redoing one does.
        const QString path = m_program.Dir().FilePath(QStringLiteral("a.dat"));
        Frame().SetSaveFileNameProvider([path](const QString&) { return path; });
        Frame().OnCommand(ID_FILE_SAVE);
        QVERIFY(!Document().IsModified());
        const std::uint8_t saved = Document().Image()[0x1263];
        Frame().SetEditorDialog(
            ID_OPTIONAL_FEATURES,
            [](QWidget* parent) -> ImageDialog* { return new ChangingDialog(parent); }, true);
        Frame().OnCommand(ID_OPTIONAL_FEATURES);
        QCOMPARE(Document().Image()[0x1263], 0x5A);
        QVERIFY(Document().IsModified());
        ClickCell(1, kColRx);
        QTest::keyClicks(View().findChild<QLineEdit*>(QStringLiteral("frequencyEdit")),
                         QStringLiteral("145.125"));
        ClickCell(2, kColRx); // leaving the cell commits
        QCOMPARE(View().Channels()[0], kChannel);

        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(View().Channels()[0], ChannelTexts{});
        QVERIFY(Document().IsModified());
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(Document().Image()[0x1263], saved);
        QVERIFY(!Document().IsModified());
        QVERIFY(Frame().close());
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{0});
    }

    void productInformationIsUndoneWithItsBand() {
        BandPlan& bands = Frame().Context().band;
        const BandPlan before = bands;
        const std::uint8_t model = Document().Image()[0x17D1];
        Frame().SetEditorDialog(
            ID_PRODUCT_INFORMATION,
            [&bands](QWidget* parent) -> ImageDialog* { return new BandDialog(parent, bands); },
            true);
        Frame().OnCommand(ID_PRODUCT_INFORMATION);
        QCOMPARE(bands.LimitsMhz().band1Low, 144);
        QVERIFY(Document().IsModified());
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(Document().Image()[0x17D1], model);
        QVERIFY(bands == before);
        QVERIFY(!Document().IsModified());
        Frame().OnCommand(ID_EDIT_REDO_STEP);
        QCOMPARE(bands.LimitsMhz().band2High, 440);
        QCOMPARE(Document().Image()[0x17D1], 0x03);
    }

    void aCompletedReadIsUndone() {
        CDemoRadio demo(InstantReplies());
        QVERIFY(demo.Start());
        Frame().Context().portName = demo.DevicePath();
        View().SetChannels(Numbered({9}));
        History().Record(QStringLiteral("set up"));
        const RadioImage before = Document().Image();
        QSignalSpy read(&Session(), &DocumentSession::ChannelsRead);
        Frame().OnCommand(ID_PROGRAM_READ);
        Session().ProcessDialog()->StartButton()->click();
        QVERIFY(read.wait(30000));
        QCOMPARE(Cell(View().Channels(), 1, kColRx), std::string("145.12500"));
        QVERIFY(!Document().IsModified());

        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QCOMPARE(View().Channels(), Numbered({9}));
        QVERIFY(Document().Image() == before);
        QVERIFY(Document().IsModified());
        Frame().OnCommand(ID_EDIT_REDO_STEP);
        QCOMPARE(Cell(View().Channels(), 1, kColRx), std::string("145.12500"));
        QVERIFY(!Document().IsModified());
    }

    void theGridHasTheKeysAfterARead() {
        CDemoRadio demo(InstantReplies());
        QVERIFY(demo.Start());
        Frame().Context().portName = demo.DevicePath();
        // An editor open, as the user left it before the read.
        ChannelGrid* grid = View().Grid();
        grid->setCurrentIndex(grid->model()->index(2, kColName - 1));
        QVERIFY(QApplication::focusWidget() != grid &&
                QApplication::focusWidget()->parentWidget() == grid->viewport());
        QSignalSpy ended(&Session(), &DocumentSession::TransferEnded);
        Frame().OnCommand(ID_PROGRAM_READ);
        QTRY_VERIFY(Session().ProcessDialog()->isActiveWindow());
        Session().ProcessDialog()->StartButton()->click();
        QVERIFY(ended.wait(30000));
        QVERIFY(Session().ProcessDialog()->isHidden());
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        // The arrows move the current cell at once, no click needed.
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(grid->currentIndex().row(), 3);
    }

    void aFailedReadIsAStepOfItsOwn() {
        // The radio hangs up at 0x0100: the rows before it reached the image
        // (not the grid), and that is one step to undo.
        SimOptions options = InstantReplies();
        options.fault.kind = SimFaultKind::Disconnect;
        options.fault.address = 0x0100;
        SimulatedRadio radio(options);
        radio.LoadImage(DemoRadioImage());
        QVERIFY(radio.Start());
        Frame().Context().portName = radio.DevicePath();
        const RadioImage before = Document().Image();
        QSignalSpy running(&Session(), &DocumentSession::TransferRunningChanged);
        Frame().OnCommand(ID_PROGRAM_READ);
        Session().ProcessDialog()->StartButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(running.count() == 2 && !Session().IsTransferRunning(), 30000);
        QVERIFY(Document().Image() != before);
        QCOMPARE(View().Channels(), ChannelTable());
        QVERIFY(Document().IsModified());
        QCOMPARE(History().Stack().count(), 1);
        Frame().OnCommand(ID_EDIT_UNDO_STEP);
        QVERIFY(Document().Image() == before);
        QVERIFY(!Document().IsModified());
    }

    void closingTheDocumentDropsItsHistory() {
        View().SetChannels(Numbered({3}));
        History().Record(QStringLiteral("set up"));
        QPointer<QUndoStack> stack = &History().Stack();
        QVERIFY(stack->canUndo());
        QVERIFY(m_program.App().NewDocument());
        QVERIFY(stack.isNull());
        QVERIFY(!History().Stack().canUndo());
    }

private:
    CMainFrame& Frame() const { return m_program.Frame(); }
    CProgramView& View() const { return Frame().ActiveChild()->View(); }
    DocumentSession& Session() const { return Frame().ActiveChild()->Session(); }
    CProgramDoc& Document() const { return *Frame().ActiveDocument(); }
    DocumentHistory& History() const { return Frame().ActiveChild()->History(); }
    ChannelGrid* Grid() const { return View().Grid(); }

    bool IsEmptyRowAt(int row) const {
        return View().Channels()[static_cast<std::size_t>(row - 1)] == ChannelTexts{};
    }

    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        const QModelIndex index = Grid()->model()->index(row - 1, col - 1);
        Grid()->scrollTo(index);
        Click(Grid()->viewport(), button, Qt::NoModifier, Grid()->visualRect(index).center());
    }

    // A click; the right button also asks for the context menu on the press,
    // as the window system does.
    static void Click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPoint at) {
        QTest::mousePress(widget, button, modifiers, at);
        if (button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at),
                                   modifiers);
            QApplication::sendEvent(widget, &menu);
        }
        QTest::mouseRelease(widget, button, modifiers, at);
    }

    void ClickLabel(int row, Qt::KeyboardModifiers modifiers,
                    Qt::MouseButton button = Qt::LeftButton) {
        QHeaderView* labels = Grid()->verticalHeader();
        Grid()->scrollTo(Grid()->model()->index(row - 1, 0));
        const int y = labels->sectionViewportPosition(row - 1) + labels->sectionSize(row - 1) / 2;
        Click(labels->viewport(), button, modifiers, QPoint(labels->width() / 2, y));
    }

    void TriggerMenuItem(int id) {
        for (QMenu* menu : Frame().CurrentMenus()) {
            for (QAction* action : menu->actions()) {
                if (action->data().toInt() == id) {
                    action->trigger();
                    return;
                }
            }
        }
        QFAIL("no menu item");
    }

    StartedProgram m_program;
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
