// The keys in the channel grid's in-place editors: Enter and Escape, typing
// after Escape, the arrows in a text edit, and the lists that change only
// when opened and picked.

#include "grid/channel_grid_model.h"
#include "tests/grid/grid_view_fixture.h"
#include "tests/ui/message_recorder.h"

#include <QSignalSpy>
#include <QtTest>

class GridEditorKeysTest : public GridViewFixture {
    Q_OBJECT

private slots:
    void init() { setUpView(); }
    void cleanup() { tearDown(); }

    void enterCommitsAndEscapeCancels_data();
    void enterCommitsAndEscapeCancels();
    void typingAfterEscapeStaysInTheCell_data();
    void typingAfterEscapeStaysInTheCell();
    void textEditArrowsMoveUntilTyped_data();
    void textEditArrowsMoveUntilTyped();
    void movingKeysLeaveAListAsItWas_data();
    void movingKeysLeaveAListAsItWas();
    void listChangesWhenOpenedAndPicked_data();
    void listChangesWhenOpenedAndPicked();
};

void GridEditorKeysTest::enterCommitsAndEscapeCancels_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("editorName");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cellAfter");
    QTest::newRow("name, Enter") << 5 << "nameEdit" << "BASE" << int(Qt::Key_Return) << "BASE";
    QTest::newRow("name, keypad Enter") << 5 << "nameEdit" << "B2" << int(Qt::Key_Enter) << "B2";
    QTest::newRow("name, Escape") << 5 << "nameEdit" << "BASE" << int(Qt::Key_Escape) << "";
    QTest::newRow("power, Enter") << 6 << "powerList" << "Low" << int(Qt::Key_Return) << "Low";
    QTest::newRow("power, Escape") << 6 << "powerList" << "Low" << int(Qt::Key_Escape) << "High";
    QTest::newRow("scan, Enter") << 8 << "scanList" << "No" << int(Qt::Key_Return) << "No";
    QTest::newRow("scan, Escape") << 8 << "scanList" << "No" << int(Qt::Key_Escape) << "Yes";
    QTest::newRow("tone, Enter") << 3 << "toneList" << "88.5" << int(Qt::Key_Return) << "88.5";
    QTest::newRow("busy, Escape") << 9 << "busyList" << "Carrier" << int(Qt::Key_Escape) << "Off";
    QTest::newRow("Rx, Escape") << 1 << "frequencyEdit" << "146.4" << int(Qt::Key_Escape)
                                << "145.12500";
    QTest::newRow("Tx, Escape") << 2 << "frequencyEdit" << "146.4" << int(Qt::Key_Escape)
                                << "145.12500";
    QTest::newRow("Tx, Enter") << 2 << "frequencyEdit" << "146.4" << int(Qt::Key_Return)
                               << "146.40000";
}

void GridEditorKeysTest::enterCommitsAndEscapeCancels() {
    QFETCH(int, col);
    QFETCH(QString, editorName);
    QFETCH(QString, entry);
    QFETCH(int, key);
    QFETCH(QString, cellAfter);
    addChannel(1, "145.12500");
    addChannel(2, "145.12500");
    // Into the cell from the one above, as the keyboard goes.
    click(1, col);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(grid()->Row(), 2);
    auto* editor = m_view->findChild<QWidget*>(editorName);
    QVERIFY(editor && editor->isVisible());
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(entry));
        QCOMPARE(combo->currentText(), entry);
    } else {
        QTest::keyClicks(editor, entry);
    }
    QTest::keyClick(editor, Qt::Key(key));
    // The editor goes, the current cell stays, and the cell holds the entry
    // (Enter) or what it held before (Escape).
    QVERIFY(editor->isHidden());
    QCOMPARE(grid()->Row(), 2);
    QCOMPARE(grid()->Col(), col);
    QCOMPARE(cell(2, col), cellAfter);
    QVERIFY(grid()->hasFocus());
    // A further Escape and a move away commit nothing after all.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(grid()->Row(), 1);
    QCOMPARE(cell(2, col), cellAfter);
}

void GridEditorKeysTest::typingAfterEscapeStaysInTheCell_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("editorName");
    // Typed before Escape, then after it (the first key on the grid itself).
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cellAfter");
    // Row 2 holds 442.10000 and the name "4B": a search for "4" would land
    // there.
    QTest::newRow("Rx of an empty channel") << 1 << "frequencyEdit" << "14" << "445.125"
                                            << "445.12500";
    QTest::newRow("name") << 5 << "nameEdit" << "XY" << "4C" << "4C";
}

void GridEditorKeysTest::typingAfterEscapeStaysInTheCell() {
    QFETCH(int, col);
    QFETCH(QString, editorName);
    QFETCH(QString, dropped);
    QFETCH(QString, typed);
    QFETCH(QString, cellAfter);
    ChannelTable channels;
    for (int row = 1; row <= 5; ++row) {
        channels[static_cast<std::size_t>(row - 1)] = {
            "44" + std::to_string(row) + ".10000", "145.12500", "None", "None",
            std::to_string(row) + "B", "High", "Wide", "Yes", "Off"};
    }
    if (col != kColRx) {
        channels[5] = channels[0];
    }
    m_view->SetChannels(channels);
    MessageRecorder messages;
    click(6, col);
    auto* editor = m_view->findChild<QLineEdit*>(editorName);
    QVERIFY(editor->isVisible());
    QTest::keyClicks(editor, dropped);
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(grid()->hasFocus());
    // Typing on the grid begins a new edit of the same cell, the first key
    // included.
    QTest::keyClicks(grid(), typed.left(1));
    QCOMPARE(grid()->Row(), 6);
    QCOMPARE(grid()->Col(), col);
    QVERIFY(editor->isVisible() && editor->hasFocus());
    QCOMPARE(editor->text(), typed.left(1));
    QTest::keyClicks(editor, typed.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(cell(6, col), cellAfter);
    for (int row = 1; row <= 5; ++row) {
        QVERIFY(m_view->Channels()[static_cast<std::size_t>(row - 1)] ==
                channels[static_cast<std::size_t>(row - 1)]);
    }
    QVERIFY(messages.seen.empty());
}

void GridEditorKeysTest::textEditArrowsMoveUntilTyped_data() {
    QTest::addColumn<int>("col");
    // How the user came into the text: 0 not at all (arrived), 1 typed,
    // 2 clicked into it.
    QTest::addColumn<int>("entered");
    QTest::addColumn<int>("key");
    // The current cell after the key; the same cell keeps its edit open.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("colAfter");
    QTest::newRow("Tx arrived, Left") << 2 << 0 << int(Qt::Key_Left) << 2 << 1;
    QTest::newRow("Tx arrived, Right") << 2 << 0 << int(Qt::Key_Right) << 2 << 3;
    QTest::newRow("Tx arrived, Home") << 2 << 0 << int(Qt::Key_Home) << 2 << 1;
    QTest::newRow("Tx arrived, End") << 2 << 0 << int(Qt::Key_End) << 2 << 9;
    QTest::newRow("name arrived, Left") << 5 << 0 << int(Qt::Key_Left) << 2 << 4;
    QTest::newRow("name arrived, Right") << 5 << 0 << int(Qt::Key_Right) << 2 << 6;
    QTest::newRow("Tx typed, Left") << 2 << 1 << int(Qt::Key_Left) << 2 << 2;
    QTest::newRow("Tx clicked, Right") << 2 << 2 << int(Qt::Key_Right) << 2 << 2;
    QTest::newRow("name typed, Home") << 5 << 1 << int(Qt::Key_Home) << 2 << 5;
    QTest::newRow("name clicked, Left") << 5 << 2 << int(Qt::Key_Left) << 2 << 5;
    QTest::newRow("name typed, Down") << 5 << 1 << int(Qt::Key_Down) << 3 << 5;
    QTest::newRow("Tx typed, Tab") << 2 << 1 << int(Qt::Key_Tab) << 2 << 3;
    QTest::newRow("Tx clicked, Page Up") << 2 << 2 << int(Qt::Key_PageUp) << 1 << 2;
}

void GridEditorKeysTest::textEditArrowsMoveUntilTyped() {
    QFETCH(int, col);
    QFETCH(int, entered);
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(int, colAfter);
    for (int channel = 1; channel <= 3; ++channel) {
        addChannel(channel, "145.12500");
    }
    static_cast<ChannelGridModel*>(grid()->model())->SetCell(2, kColName, "NAME");
    MessageRecorder messages;
    // Into row 2 from the row above: the edit opens on arriving.
    click(1, col);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(edit != nullptr && edit->isVisible());
    const QString typed = col == kColTx ? "146.5" : "AB";
    if (entered == 1) {
        QTest::keyClicks(edit, typed);
    } else if (entered == 2) {
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    }
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(grid()->Row(), row);
    QCOMPARE(grid()->Col(), colAfter);
    QVERIFY(messages.seen.empty());
    if (row == 2 && colAfter == col) {
        // The key moved in the text: the edit stays open with its text.
        QVERIFY(edit->isVisible() && edit->hasFocus());
        QCOMPARE(edit->text(), text);
        QVERIFY(edit->cursorPosition() != cursor);
        return;
    }
    // Moved on: what was typed is committed, what was not stays as it was.
    QCOMPARE(cell(2, col), entered == 1 ? (col == kColTx ? "146.50000" : typed)
                                        : QString(col == kColTx ? "145.12500" : "NAME"));
}

void GridEditorKeysTest::movingKeysLeaveAListAsItWas_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    // The current cell after the key (row 0: a page further down).
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 3 << 4;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 1 << 4;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 2 << 3;
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << 2 << 5;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << 2 << 5;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 2 << 3;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 2 << 1;
    QTest::newRow("End") << int(Qt::Key_End) << 0 << 2 << 9;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << 0 << 4;
}

void GridEditorKeysTest::movingKeysLeaveAListAsItWas() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, row);
    QFETCH(int, col);
    for (int channel = 1; channel <= 3; ++channel) {
        addChannel(channel, "145.12500");
    }
    QSignalSpy edited(m_view.get(), &CProgramView::ChannelsEdited);
    // Into the tone list from the grid: its editor opens on entering.
    click(2, 5);
    QTest::keyClick(nameEdit(), Qt::Key_Escape);
    QTest::keyClick(grid(), Qt::Key_Left);
    QComboBox* tone = list("toneList");
    QVERIFY(tone->isVisible() && tone->hasFocus());
    QTest::keyClick(tone, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // The key moved to another cell and changed nothing.
    QCOMPARE(grid()->Col(), col);
    if (row == 0) {
        QVERIFY(grid()->Row() > 3);
    } else {
        QCOMPARE(grid()->Row(), row);
    }
    QCOMPARE(cell(2, 4), QString("None"));
    QCOMPARE(edited.count(), 0);
    // The cell entered has its editor, holding the cell's own value.
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr && editor->parentWidget() == grid()->viewport());
    QCOMPARE(editor->geometry(), grid()->visualRect(grid()->currentIndex()));
    click(6, 6);
    QCOMPARE(edited.count(), 0);
}

void GridEditorKeysTest::listChangesWhenOpenedAndPicked_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F4") << int(Qt::Key_F4) << 0;
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << 0;
}

void GridEditorKeysTest::listChangesWhenOpenedAndPicked() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    addChannel(1, "145.12500");
    click(1, 4);
    QComboBox* tone = list("toneList");
    QTest::keyClick(tone, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(tone->view()->isVisible());
    // Inside the open list the arrows choose; Enter picks and closes it.
    QTest::keyClick(tone->view(), Qt::Key_Down);
    QTest::keyClick(tone->view(), Qt::Key_Return);
    QVERIFY(!tone->view()->isVisible());
    QCOMPARE(tone->currentText(), QString("67.0"));
    // With the list closed Down moves on, and the cell keeps the choice.
    QTest::keyClick(tone, Qt::Key_Down);
    QCOMPARE(grid()->Row(), 2);
    QCOMPARE(cell(1, 4), QString("67.0"));
}

QTEST_MAIN(GridEditorKeysTest)
#include "grid_editor_keys_test.moc"
