// The channel grid's in-place editors as they begin and end: the lists'
// choice, the edit dropped by a decode, a scroll or another window, the
// settings that need frequencies, the name edit's byte limit, and the help
// asked for from each editor.

#include "grid/channel_grid_model.h"
#include "tests/grid/grid_view_fixture.h"
#include "tests/ui/message_recorder.h"
#include "ui/help_service.h"

#include <QScrollBar>
#include <QWindow>
#include <QtTest>

class GridCellEditorsTest : public GridViewFixture {
    Q_OBJECT

private slots:
    void init() { setUpView(); }
    void cleanup() { tearDown(); }

    void decodeDropsEditInProgress();
    void settingsNeedFrequencies();
    void listSelectsCellTextOnBegin();
    void scrollingDropsOpenList();
    void openListClosesWhenAnotherWindowTakesFocus();
    void nameEditLimitedToSevenBytes();
    void helpContextsOfFocusedControl();
};

void GridCellEditorsTest::decodeDropsEditInProgress() {
    addChannel(12, "145.12500");
    // The image holds the channel with high power, as a read would bring it.
    m_view->EncodeChannels();
    click(12, 6);
    QComboBox* power = list("powerList");
    power->setCurrentIndex(power->findText("Low"));
    m_view->DecodeChannels();
    QVERIFY(power->isHidden());
    click(12, 7);
    QCOMPARE(cell(12, 6), QString("High"));
}

void GridCellEditorsTest::settingsNeedFrequencies() {
    MessageRecorder messages;
    // "Carrier" on a row without frequencies leaves the cell empty.
    click(6, 9);
    QComboBox* busy = list("busyList");
    QVERIFY(busy->isVisible());
    busy->setCurrentIndex(busy->findText("Carrier"));
    click(6, 8);
    QCOMPARE(cell(6, 9), QString());
    // With a channel the choice is stored.
    addChannel(7, "438.00625");
    click(7, 9);
    busy->setCurrentIndex(busy->findText("Carrier"));
    click(7, 8);
    QCOMPARE(cell(7, 9), QString("Carrier"));
    QVERIFY(messages.seen.empty());
}

void GridCellEditorsTest::listSelectsCellTextOnBegin() {
    addChannel(8, "145.12500");
    struct Case {
        int col;
        const char* list;
        const char* cellText;
        const char* selected;
    };
    const Case cases[] = {
        {6, "powerList", "High", "High"},     {6, "powerList", "low", "Low"},
        {7, "widthList", "Narrow", "Narrow"}, {8, "scanList", "n", "No"},
        {9, "busyList", "QT/DQT", "QT/DQT"},  {9, "busyList", "", "Off"},
        {3, "toneList", "D023N", "D023N"},    {4, "toneList", "254.1", "254.1"},
        {4, "toneList", "Nothing", "None"},   {6, "powerList", "Medium", "Low"},
    };
    for (const Case& c : cases) {
        // Written straight into the grid as a decode would leave it.
        click(1, 1);
        static_cast<ChannelGridModel*>(grid()->model())->SetCell(8, c.col, c.cellText);
        click(8, c.col);
        QComboBox* box = list(c.list);
        QVERIFY(box->isVisible());
        QCOMPARE(box->currentText(), QString::fromUtf8(c.selected));
        QCOMPARE(box->geometry(), grid()->visualRect(grid()->currentIndex()));
    }
    QCOMPARE(list("toneList")->count(), 261);
    QCOMPARE(list("busyList")->count(), 3);
}

void GridCellEditorsTest::openListClosesWhenAnotherWindowTakesFocus() {
    addChannel(1, "145.12500");
    click(1, 8);
    QComboBox* scan = list("scanList");
    QVERIFY(scan->isVisible());
    scan->showPopup();
    QTRY_VERIFY(scan->view()->isVisible());
    // The focus goes to a window of its own (as a Save As dialog or another
    // program takes it), told as the platform tells it.
    QWindow other;
    emit qGuiApp->focusWindowChanged(&other);
    QVERIFY(!scan->view()->isVisible());
    QCOMPARE(scan->currentText(), QString("Yes"));
    QCOMPARE(cell(1, 8), QString("Yes"));
    // The popup and the grid's own window taking the focus close nothing.
    scan->showPopup();
    QTRY_VERIFY(scan->view()->isVisible());
    emit qGuiApp->focusWindowChanged(scan->view()->window()->windowHandle());
    emit qGuiApp->focusWindowChanged(m_view->windowHandle());
    QVERIFY(scan->view()->isVisible());
    // Losing the focus to nothing (another program) closes it too.
    emit qGuiApp->focusWindowChanged(nullptr);
    QVERIFY(!scan->view()->isVisible());
}

void GridCellEditorsTest::scrollingDropsOpenList() {
    addChannel(1, "145.12500");
    click(1, 6);
    QComboBox* power = list("powerList");
    QVERIFY(power->isVisible());
    power->showPopup();
    power->setCurrentIndex(power->findText("Low"));
    grid()->verticalScrollBar()->setValue(10);
    QVERIFY(power->isHidden());
    QVERIFY(!power->view()->isVisible());
    // The edit is gone: leaving the cell commits nothing.
    grid()->verticalScrollBar()->setValue(0);
    click(2, 2);
    QCOMPARE(cell(1, 6), QString("High"));
}

void GridCellEditorsTest::nameEditLimitedToSevenBytes() {
    addChannel(10, "145.12500");
    click(10, 5);
    QLineEdit* edit = nameEdit();
    QVERIFY(edit->isVisible());
    // Typed as an input method delivers it: one key event per character.
    for (const QChar c : QString::fromUtf8("信道名字")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    QCOMPARE(edit->text(), QString::fromUtf8("信道名"));
    StatusTips tips(m_view.get());
    QTest::keyClicks(edit, "AB");
    QCOMPARE(edit->text(), QString::fromUtf8("信道名A"));
    // The refused key is told on the status bar, not lost in silence.
    QCOMPARE(tips.seen,
             QStringList{"A channel name holds at most 7 bytes (a Chinese character counts two)"});
    click(10, 6);
    QCOMPARE(cell(10, 5), QString::fromUtf8("信道名A"));
    // Typing into a named cell replaces the name, as in the frequency edit.
    click(10, 5);
    QTest::keyClicks(edit, "BASE");
    QCOMPARE(edit->text(), QString("BASE"));
}

void GridCellEditorsTest::helpContextsOfFocusedControl() {
    std::vector<int> contexts;
    HelpService::SetHandler([&contexts](HelpCommand command, int data, const std::string&) {
        QVERIFY(command == HelpCommand::HelpContext);
        contexts.push_back(data);
    });
    addChannel(11, "145.12500");
    const std::pair<int, int> cells[] = {{1, 2127}, {2, 2128}, {3, 2132}, {4, 2133},
                                         {5, 1126}, {6, 1129}, {9, 1130}};
    for (const auto& [col, context] : cells) {
        click(11, col);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && focus != grid());
        QTest::keyClick(focus, Qt::Key_F1);
        QCOMPARE(contexts.back(), context);
    }
    // With no editor the grid itself has the focus.
    grid()->verticalScrollBar()->setValue(3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(contexts.back(), IDC_CHANNEL_GRID);
    QCOMPARE(contexts.size(), std::size_t{8});
}

QTEST_MAIN(GridCellEditorsTest)
#include "grid_cell_editors_test.moc"
