// The row operations in the channel grid: rows chosen by their labels, a
// refused entry or row operation that changes nothing, the context menu of
// cells and row labels, and a name at its limit told on the status bar.

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

class EditRowsTest : public EditingFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

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
};

QTEST_MAIN(EditRowsTest)
#include "edit_rows_test.moc"
