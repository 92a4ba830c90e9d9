// Frequencies typed into the channel grid: a new channel from an empty row,
// the checks of the receive and transmit frequencies and their messages,
// emptying a channel, and the keys the frequency edit takes.

#include "model/string_table.h"
#include "tests/grid/grid_view_fixture.h"
#include "tests/ui/message_recorder.h"

#include <QSignalSpy>
#include <QtTest>

class GridFrequencyEntryTest : public GridViewFixture {
    Q_OBJECT

private slots:
    void init() { setUpView(); }
    void cleanup() { tearDown(); }

    void newChannelFromEmptyRow();
    void offStepFrequencyLeftOrEnter_data();
    void offStepFrequencyLeftOrEnter();
    void receiveFrequencyChecks_data();
    void receiveFrequencyChecks();
    void transmitFrequencyRules_data();
    void transmitFrequencyRules();
    void emptyingReceiveFrequencyDeletesChannel();
    void frequencyEditKeyFilter();
    void frequencyEditReplacesItsTextWhenTyping();
};

void GridFrequencyEntryTest::newChannelFromEmptyRow() {
    MessageRecorder messages;
    QSignalSpy edited(m_view.get(), &CProgramView::ChannelsEdited);
    typeFrequency(1, 1, "145.125");
    click(1, 3);
    QCOMPARE(rowTexts(1), kNewChannel145);
    QVERIFY(messages.seen.empty());
    QCOMPARE(edited.count(), 1);
    // The next cell's editor took over: the tone list over row 1, column 3.
    QVERIFY(frequencyEdit()->isHidden());
    QVERIFY(list("toneList")->isVisible());
    QCOMPARE(list("toneList")->currentText(), QString("None"));
}

void GridFrequencyEntryTest::offStepFrequencyLeftOrEnter_data() {
    QTest::addColumn<bool>("enter");
    QTest::newRow("left") << false;
    QTest::newRow("enter") << true;
}

void GridFrequencyEntryTest::offStepFrequencyLeftOrEnter() {
    QFETCH(bool, enter);
    addChannel(2, "145.12500");
    const QStringList before = rowTexts(2);
    MessageRecorder messages;
    typeFrequency(2, 1, "145.0031");
    if (enter) {
        QTest::keyClick(frequencyEdit(), Qt::Key_Return);
    } else {
        click(2, 4);
    }
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, QString(StringTableText(IDS_ERROR_STEP_VALUE)));
    QCOMPARE(messages.seen[0].caption, QString("Caution"));
    QVERIFY(messages.seen[0].icon == MessageIcon::Exclamation);
    // A typo never costs the channel: the row stays as it was.
    QCOMPARE(rowTexts(2), before);
    if (enter) {
        // The edit is cleared and stays open.
        QVERIFY(frequencyEdit()->isVisible());
        QCOMPARE(frequencyEdit()->text(), QString());
    } else {
        // The edit is dropped and the grid moves on.
        QVERIFY(frequencyEdit()->isHidden());
        QCOMPARE(grid()->Col(), 4);
    }
}

void GridFrequencyEntryTest::receiveFrequencyChecks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("messageId");
    QTest::addColumn<bool>("stopIcon");
    QTest::addColumn<QString>("stored");
    QTest::newRow("6.25 kHz step") << "137.00625" << 0 << false << "137.00625";
    QTest::newRow("off both steps") << "137.0025" << int(IDS_ERROR_STEP_VALUE) << false << "";
    QTest::newRow("600 MHz outside the bands")
        << "600.00000" << int(IDS_OUT_OF_RANGE) << false << "";
    QTest::newRow("520 MHz band end") << "520" << 0 << false << "520.00000";
    QTest::newRow("520.00625 beyond band end")
        << "520.00625" << int(IDS_OUT_OF_RANGE) << false << "";
    QTest::newRow("below 67 MHz") << "66.995" << int(IDS_ERROR_DATA_FORMAT) << true << "";
    QTest::newRow("above 600 MHz") << "600.005" << int(IDS_ERROR_DATA_FORMAT) << true << "";
    QTest::newRow("no number") << "." << int(IDS_ERROR_DATA_FORMAT) << true << "";
}

void GridFrequencyEntryTest::receiveFrequencyChecks() {
    QFETCH(QString, typed);
    QFETCH(int, messageId);
    QFETCH(bool, stopIcon);
    QFETCH(QString, stored);
    MessageRecorder messages;
    typeFrequency(3, 1, typed);
    click(3, 5);
    QCOMPARE(cell(3, 1), stored);
    if (messageId == 0) {
        QVERIFY(messages.seen.empty());
        QCOMPARE(grid()->Col(), 5);
        return;
    }
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, QString(StringTableText(messageId)));
    QCOMPARE(messages.seen[0].caption, QString("Caution"));
    QVERIFY(messages.seen[0].icon == (stopIcon ? MessageIcon::Stop : MessageIcon::Exclamation));
    if (messageId != IDS_ERROR_STEP_VALUE) {
        // Refused entries keep the edit open with the user's text, and the
        // grid stays on the cell so that the text can be corrected.
        QVERIFY(frequencyEdit()->isVisible());
        QCOMPARE(frequencyEdit()->text(), typed);
        QCOMPARE(grid()->Row(), 3);
        QCOMPARE(grid()->Col(), 1);
        // Enter on the same text clears the edit instead.
        QTest::keyClick(frequencyEdit(), Qt::Key_Enter);
        QCOMPARE(messages.seen.size(), std::size_t{2});
        QVERIFY(frequencyEdit()->isVisible());
        QCOMPARE(frequencyEdit()->text(), QString());
    }
}

void GridFrequencyEntryTest::transmitFrequencyRules_data() {
    QTest::addColumn<bool>("withChannel");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    // The message of a refused entry, 0 for none.
    QTest::addColumn<int>("message");
    QTest::newRow("in band 2") << true << "480" << "480.00000" << 0;
    QTest::newRow("outside the bands") << true << "300" << "145.12500" << int(IDS_OUT_OF_RANGE);
    QTest::newRow("off step is kept") << true << "145.0031" << "145.00310" << 0;
    QTest::newRow("no number") << true << "." << "145.12500" << int(IDS_OUT_OF_RANGE);
    QTest::newRow("row without Rx, in a band")
        << false << "150" << "" << int(IDS_RX_FREQUENCY_FIRST);
    QTest::newRow("row without Rx, outside the bands")
        << false << "300" << "" << int(IDS_OUT_OF_RANGE);
}

void GridFrequencyEntryTest::transmitFrequencyRules() {
    QFETCH(bool, withChannel);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, message);
    if (withChannel) {
        addChannel(4, "145.12500");
    }
    MessageRecorder messages;
    const QStringList before = rowTexts(4);
    typeFrequency(4, 2, typed);
    click(4, 3);
    QCOMPARE(cell(4, 2), stored);
    QCOMPARE(grid()->Col(), 3);
    if (message == 0) {
        QVERIFY(messages.seen.empty());
        return;
    }
    // The message, never silence; the cell keeps its value and nothing else
    // changes.
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, QString(StringTableText(message)));
    QVERIFY(messages.seen[0].icon == MessageIcon::Exclamation);
    QCOMPARE(rowTexts(4), before);
    QVERIFY(frequencyEdit()->isHidden());
}

void GridFrequencyEntryTest::emptyingReceiveFrequencyDeletesChannel() {
    addChannel(5, "145.12500");
    typeFrequency(5, 1, "");
    QTest::keyClick(frequencyEdit(), Qt::Key_Backspace);
    click(5, 2);
    QCOMPARE(rowTexts(5), kEmptyRow);
    m_view->EncodeChannels();
    const std::size_t record = 4 * 24;
    for (std::size_t b : {0, 3, 4, 7, 8, 11, 16, 23}) {
        QCOMPARE(int(m_image[record + b]), 0xFF);
    }
    QCOMPARE(int(m_image[record + 13]) & 0xFE, 0x04);
}

void GridFrequencyEntryTest::frequencyEditReplacesItsTextWhenTyping() {
    addChannel(2, "145.12500");
    click(2, 2); // the transmit frequency, filled from the receive one
    QCOMPARE(frequencyEdit()->text(), QString("145.12500"));
    QTest::keyClicks(frequencyEdit(), "146.5");
    QCOMPARE(frequencyEdit()->text(), QString("146.5"));
}

void GridFrequencyEntryTest::frequencyEditKeyFilter() {
    click(9, 1);
    QLineEdit* edit = frequencyEdit();
    QTest::keyClicks(edit, "1a4!5 ,.x-2");
    QCOMPARE(edit->text(), QString("145.2"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_5, Qt::ShiftModifier);
    QCOMPARE(edit->text(), QString("1457."));
    edit->clear();
    StatusTips tips(m_view.get());
    QTest::keyClicks(edit, "1234567890");
    QCOMPARE(edit->text(), QString("123456789"));
    QCOMPARE(tips.seen, QStringList{"A frequency holds at most 9 characters"});
}

QTEST_MAIN(GridFrequencyEntryTest)
#include "grid_frequency_entry_test.moc"
