// The channel grid driven as a user drives it: clicks on cells, typing into
// the in-place editors, Enter, scrolling and the wheel, on the offscreen
// platform with real widgets.

#include "grid/channel_grid.h"
#include "grid/channel_grid_model.h"
#include "grid/grid_layout.h"
#include "model/language.h"
#include "model/program_document.h"
#include "model/string_table.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "tests/texts/test_catalogues.h"
#include "tests/ui/current_cell_check.h"
#include "tests/ui/message_recorder.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"
#include "ui/help_service.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include <memory>
#include <numeric>

namespace {

// The status-bar notes the editors send up to their window.
class StatusTips : public QObject {
public:
    explicit StatusTips(QWidget* window) { window->installEventFilter(this); }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::StatusTip) {
            seen << static_cast<QStatusTipEvent*>(event)->tip();
        }
        return false;
    }
};

const QStringList kEmptyRow{"", "", "", "", "", "", "", "", ""};
const QStringList kNewChannel145{"145.12500", "145.12500", "None", "None", "",
                                 "High",      "Wide",      "Yes",  "Off"};

} // namespace

class GridViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headersLabelsAndLook();
    void currentCellDrawnAsEveryGrid_data();
    void currentCellDrawnAsEveryGrid();
    void newChannelFromEmptyRow();
    void offStepFrequencyLeftOrEnter_data();
    void offStepFrequencyLeftOrEnter();
    void receiveFrequencyChecks_data();
    void receiveFrequencyChecks();
    void transmitFrequencyRules_data();
    void transmitFrequencyRules();
    void emptyingReceiveFrequencyDeletesChannel();
    void decodeDropsEditInProgress();
    void settingsNeedFrequencies();
    void listSelectsCellTextOnBegin();
    void scrollingDropsOpenList();
    void openListClosesWhenAnotherWindowTakesFocus();
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
    void frequencyEditKeyFilter();
    void frequencyEditReplacesItsTextWhenTyping();
    void nameEditLimitedToSevenBytes();
    void helpContextsOfFocusedControl();
    void wheelPagesGrid();
    void screenScaling_data();
    void screenScaling();
    void displayChangeScalesWidths();
    void columnsFitTheGrid_data();
    void columnsFitTheGrid();
    void gridShowsEveryColumn_data();
    void gridShowsEveryColumn();
    void rowHeightFollowsTheFont_data();
    void rowHeightFollowsTheFont();
    void chineseTexts();
    void chineseMessagesAndWindows();

private:
    void makeView();
    ChannelGrid* grid() const { return m_view->Grid(); }
    QLineEdit* frequencyEdit() const { return m_view->findChild<QLineEdit*>("frequencyEdit"); }
    QLineEdit* nameEdit() const { return m_view->findChild<QLineEdit*>("nameEdit"); }
    QComboBox* list(const char* name) const { return m_view->findChild<QComboBox*>(name); }
    void click(int row, int col);
    void typeFrequency(int row, int col, const QString& text);
    void addChannel(int row, const QString& rx);
    QStringList rowTexts(int row) const;
    QString cell(int row, int col) const { return rowTexts(row).at(col - 1); }

    // A new view in Chinese: the catalogue is the context's until cleanup.
    void makeChineseView();

    std::unique_ptr<QtCatalogue> m_chinese;
    ProgramContext m_context;
    RadioImage m_image;
    std::unique_ptr<CProgramView> m_view;
};

void GridViewTest::init() {
    g_bChinese = 0;
    makeView();
}

void GridViewTest::cleanup() {
    m_view.reset();
    m_context.SetTexts(SourceTexts());
    m_chinese.reset();
    g_bChinese = 0;
    HelpService::SetHandler({});
}

void GridViewTest::makeView() {
    m_view.reset();
    FillNewDocumentImage(m_image, kDefaultBandCode);
    m_view = std::make_unique<CProgramView>(m_image, m_context);
    m_view->resize(1095, 650);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    m_view->OnInitialUpdate();
}

void GridViewTest::makeChineseView() {
    m_chinese = InstallChinese();
    m_context.SetTexts(*m_chinese);
    g_bChinese = 1;
    makeView();
}

void GridViewTest::click(int row, int col) {
    const QModelIndex index = grid()->model()->index(row - 1, col - 1);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
}

void GridViewTest::typeFrequency(int row, int col, const QString& text) {
    click(row, col);
    QVERIFY(frequencyEdit()->isVisible());
    frequencyEdit()->selectAll();
    QTest::keyClicks(frequencyEdit(), text);
}

void GridViewTest::addChannel(int row, const QString& rx) {
    typeFrequency(row, 1, rx);
    click(row, 3);
    QCOMPARE(cell(row, 1), rx);
}

QStringList GridViewTest::rowTexts(int row) const {
    QStringList texts;
    for (const std::string& text : m_view->Channels()[static_cast<std::size_t>(row - 1)]) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

void GridViewTest::headersLabelsAndLook() {
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->rowCount(), 129);
    QCOMPARE(model->columnCount(), 9);
    const QStringList headers{"Rx Frequency", "Tx Frequency", "QT/DQT Dec",
                              "QT/DQT Enc",   "Chnnel Name",  "Power",
                              " W/N ",        "Scan Add",     "Busy Lock"};
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(model->headerData(col, Qt::Horizontal).toString(), headers.at(col));
    }
    QCOMPARE(grid()->CornerText(), QString("CH"));
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QString("1"));
    QCOMPARE(model->headerData(127, Qt::Vertical).toString(), QString("128"));
    QCOMPARE(model->headerData(128, Qt::Vertical).toString(), QString("Fr"));
    const QColor fixed(0, 51, 240);
    QCOMPARE(model->headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
             fixed);
    QCOMPARE(model->headerData(128, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(),
             fixed);
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(model->data(model->index(7, col), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }
    // Names in a fixed-pitch face; the other columns in the grid's own font.
    QVERIFY(QFontInfo(model->data(model->index(100, 4), Qt::FontRole).value<QFont>()).fixedPitch());
    QVERIFY(!model->data(model->index(100, 3), Qt::FontRole).isValid());
    // Set-up leaves the name cell of row 1 current, with no editor shown.
    QCOMPARE(grid()->Row(), 1);
    QCOMPARE(grid()->Col(), 5);
    QVERIFY(nameEdit()->isHidden());
    QCOMPARE(rowTexts(1), kEmptyRow);
}

void GridViewTest::currentCellDrawnAsEveryGrid_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("col");
    // Selected rows (none: the current cell alone), the current column.
    QTest::newRow("one cell") << QList<int>{} << 5;
    QTest::newRow("two rows chosen by their labels") << QList<int>{7, 8} << 2;
}

void GridViewTest::currentCellDrawnAsEveryGrid() {
    QFETCH(QList<int>, rows);
    QFETCH(int, col);
    grid()->SetCurrentQuietly(7, col);
    if (!rows.isEmpty()) {
        grid()->SelectRowsQuietly(std::vector<int>(rows.begin(), rows.end()));
    }
    QVERIFY(!frequencyEdit()->isVisible() && !nameEdit()->isVisible());
    QCOMPARE(grid()->Row(), 7);
    // The neighbour below: selected with the rows, plain otherwise; framed
    // in neither case.
    const QModelIndex below = grid()->model()->index(7, col - 1);
    QCOMPARE(grid()->selectionModel()->isSelected(below), !rows.isEmpty());
    const QString fault = CurrentCellLookFault(grid(), below);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void GridViewTest::newChannelFromEmptyRow() {
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

void GridViewTest::offStepFrequencyLeftOrEnter_data() {
    QTest::addColumn<bool>("enter");
    QTest::newRow("left") << false;
    QTest::newRow("enter") << true;
}

void GridViewTest::offStepFrequencyLeftOrEnter() {
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

void GridViewTest::receiveFrequencyChecks_data() {
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

void GridViewTest::receiveFrequencyChecks() {
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

void GridViewTest::transmitFrequencyRules_data() {
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

void GridViewTest::transmitFrequencyRules() {
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

void GridViewTest::emptyingReceiveFrequencyDeletesChannel() {
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

void GridViewTest::decodeDropsEditInProgress() {
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

void GridViewTest::settingsNeedFrequencies() {
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

void GridViewTest::listSelectsCellTextOnBegin() {
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

void GridViewTest::openListClosesWhenAnotherWindowTakesFocus() {
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

void GridViewTest::enterCommitsAndEscapeCancels_data() {
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

void GridViewTest::enterCommitsAndEscapeCancels() {
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

void GridViewTest::typingAfterEscapeStaysInTheCell_data() {
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

void GridViewTest::typingAfterEscapeStaysInTheCell() {
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

void GridViewTest::textEditArrowsMoveUntilTyped_data() {
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

void GridViewTest::textEditArrowsMoveUntilTyped() {
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

void GridViewTest::movingKeysLeaveAListAsItWas_data() {
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

void GridViewTest::movingKeysLeaveAListAsItWas() {
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

void GridViewTest::listChangesWhenOpenedAndPicked_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F4") << int(Qt::Key_F4) << 0;
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << 0;
}

void GridViewTest::listChangesWhenOpenedAndPicked() {
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

void GridViewTest::scrollingDropsOpenList() {
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

void GridViewTest::frequencyEditReplacesItsTextWhenTyping() {
    addChannel(2, "145.12500");
    click(2, 2); // the transmit frequency, filled from the receive one
    QCOMPARE(frequencyEdit()->text(), QString("145.12500"));
    QTest::keyClicks(frequencyEdit(), "146.5");
    QCOMPARE(frequencyEdit()->text(), QString("146.5"));
}

void GridViewTest::frequencyEditKeyFilter() {
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

void GridViewTest::nameEditLimitedToSevenBytes() {
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

void GridViewTest::helpContextsOfFocusedControl() {
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

void GridViewTest::wheelPagesGrid() {
    QScrollBar* bar = grid()->verticalScrollBar();
    const int page = bar->pageStep();
    QVERIFY(page > 1);
    auto wheel = [this](int delta) {
        const QPointF at = grid()->viewport()->rect().center();
        QWheelEvent event(at, grid()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &event);
    };
    wheel(-120);
    QCOMPARE(bar->value(), page);
    wheel(-120);
    QCOMPARE(bar->value(), 2 * page);
    wheel(120);
    QCOMPARE(bar->value(), page);
}

void GridViewTest::screenScaling_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("scaled");
    QTest::newRow("800 is never scaled") << 800 << 1.0 << 116 << 116;
    QTest::newRow("801") << 801 << 801.0 / 1024 << 1000 << 782;
    QTest::newRow("1024") << 1024 << 1.0 << 121 << 121;
    QTest::newRow("1280 truncates") << 1280 << 1.25 << 115 << 143;
    QTest::newRow("1920") << 1920 << 1.875 << 55 << 103;
}

void GridViewTest::screenScaling() {
    QFETCH(int, screenWidth);
    QFETCH(double, scale);
    QFETCH(int, length);
    QFETCH(int, scaled);
    QCOMPARE(SetupScale(screenWidth), scale);
    QCOMPARE(ScaleLength(length, SetupScale(screenWidth)), scaled);
}

void GridViewTest::displayChangeScalesWidths() {
    QCOMPARE(m_view->ScreenWidth(), 800);
    auto widths = [this] {
        QList<int> w{grid()->verticalHeader()->width()};
        for (int col = 0; col < 9; ++col) {
            w << grid()->columnWidth(col);
        }
        return w;
    };
    QCOMPARE(widths(), (QList<int>{55, 116, 116, 121, 121, 118, 77, 94, 88, 115}));
    m_view->OnDisplayChange(800);
    QCOMPARE(m_view->ScreenWidth(), 800);
    m_view->OnDisplayChange(1280);
    QCOMPARE(widths(), (QList<int>{88, 185, 185, 193, 193, 188, 123, 150, 140, 184}));
    m_view->OnDisplayChange(1024);
    QCOMPARE(m_view->ScreenWidth(), 1024);
    QCOMPARE(widths(), (QList<int>{70, 148, 148, 154, 154, 150, 98, 120, 112, 147}));
}

void GridViewTest::columnsFitTheGrid_data() {
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("least");
    QTest::addColumn<QList<int>>("shown");
    const QList<int> design{55, 116, 116, 121, 121, 118, 77, 94, 88, 115};
    const QList<int> none(10, 0);
    const QList<int> texts{30, 100, 100, 60, 60, 60, 50, 50, 50, 60};
    const QList<int> wideRx{0, 150, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("room to spare: as given") << 2000 << none << design;
    QTest::newRow("exactly the sum: as given") << 1021 << none << design;
    QTest::newRow("one pixel short: all cut")
        << 1020 << none << QList<int>{54, 115, 115, 120, 120, 117, 76, 93, 87, 114};
    QTest::newRow("half") << 510 << none << QList<int>{27, 57, 57, 60, 60, 58, 38, 46, 43, 57};
    QTest::newRow("no width yet: as given") << 0 << none << design;
    QTest::newRow("negative: as given") << -20 << none << design;
    QTest::newRow("a text wider than its column widens it")
        << 2000 << wideRx << QList<int>{55, 150, 116, 121, 121, 118, 77, 94, 88, 115};
    QTest::newRow("the widened column is cut no further than its text")
        << 1021 << wideRx << QList<int>{52, 150, 111, 116, 116, 113, 74, 90, 84, 110};
    QTest::newRow("cut above the texts only")
        << 820 << texts << QList<int>{42, 107, 107, 90, 90, 88, 63, 71, 68, 87};
    QTest::newRow("texts wider than the grid: texts whole") << 500 << texts << texts;
}

void GridViewTest::columnsFitTheGrid() {
    QFETCH(int, available);
    QFETCH(QList<int>, least);
    QFETCH(QList<int>, shown);
    const ColumnWidths design{55, 116, 116, 121, 121, 118, 77, 94, 88, 115};
    ColumnWidths leastWidths{};
    std::copy(least.begin(), least.end(), leastWidths.begin());
    const ColumnWidths fitted = FitColumnWidths(design, leastWidths, available);
    const QList<int> got(fitted.begin(), fitted.end());
    QCOMPARE(got, shown);
    const int leastSum = std::accumulate(least.begin(), least.end(), 0);
    if (available > leastSum) {
        QVERIFY(std::accumulate(fitted.begin(), fitted.end(), 0) <= available ||
                std::accumulate(design.begin(), design.end(), 0) <= available);
    }
    for (std::size_t col = 0; col < fitted.size(); ++col) {
        QVERIFY(fitted[col] >= leastWidths[col]);
    }
}

void GridViewTest::gridShowsEveryColumn_data() {
    QTest::addColumn<int>("viewWidth");
    // False: the headers need more room than the view has.
    QTest::addColumn<bool>("allInSight");
    QTest::newRow("wider than the columns") << 1500 << true;
    QTest::newRow("as designed") << 1095 << true;
    QTest::newRow("narrower") << 900 << true;
    QTest::newRow("much narrower: scrolls rather than cut") << 640 << false;
}

void GridViewTest::gridShowsEveryColumn() {
    QFETCH(int, viewWidth);
    QFETCH(bool, allInSight);
    m_view->resize(viewWidth, 500);
    QApplication::processEvents();
    for (int col = 0; col < 9; ++col) {
        QVERIFY2(grid()->columnWidth(col) >= grid()->horizontalHeader()->sectionSizeHint(col),
                 qPrintable(grid()->model()->headerData(col, Qt::Horizontal).toString()));
    }
    if (!allInSight) {
        QVERIFY(grid()->horizontalScrollBar()->maximum() > 0);
        return;
    }
    QCOMPARE(grid()->horizontalScrollBar()->maximum(), 0);
    const int right = grid()->columnViewportPosition(8) + grid()->columnWidth(8);
    QVERIFY(right <= grid()->viewport()->width());
    // Room to spare leaves the widths as the screen scaling gave them.
    if (viewWidth >= 1095) {
        QCOMPARE(grid()->columnWidth(0), 116);
        QCOMPARE(grid()->verticalHeader()->width(), 55);
    } else {
        QVERIFY(grid()->columnWidth(0) < 116);
    }
}

void GridViewTest::rowHeightFollowsTheFont_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("small") << 7;
    QTest::newRow("usual") << 10;
    QTest::newRow("large") << 20;
}

void GridViewTest::rowHeightFollowsTheFont() {
    QFETCH(int, pointSize);
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    makeView();
    const int textHeight = QFontMetrics(font).height();
    const int rowHeight = grid()->rowHeight(0);
    QVERIFY2(rowHeight >= textHeight && rowHeight <= textHeight + 12,
             qPrintable(QStringLiteral("row %1 for text %2").arg(rowHeight).arg(textHeight)));
    // The names are in a fixed-pitch face as large as the other columns.
    const QFont name = grid()->model()->index(0, 4).data(Qt::FontRole).value<QFont>();
    QVERIFY(QFontInfo(name).fixedPitch());
    QCOMPARE(QFontInfo(name).pointSize(), QFontInfo(font).pointSize());
}

void GridViewTest::chineseTexts() {
    makeChineseView();
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("接收频率"));
    QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QString::fromUtf8("宽/窄"));
    QCOMPARE(grid()->CornerText(), QString::fromUtf8("信道"));
    QCOMPARE(list("powerList")->itemText(0), QString::fromUtf8("低"));
    QCOMPARE(list("busyList")->itemText(1), QString::fromUtf8("载波"));
    QCOMPARE(list("toneList")->itemText(0), QString::fromUtf8("无"));
    addChannel(1, "145.12500");
    QCOMPARE(rowTexts(1),
             QStringList({"145.12500", "145.12500", "无", "无", "", "高", "宽", "是", "关"}));
}

void GridViewTest::chineseMessagesAndWindows() {
    makeChineseView();
    MessageRecorder messages;
    typeFrequency(1, 1, "50");
    click(1, 2);
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, QString::fromUtf8("数据格式错误，请重新输入。"));
    QCOMPARE(messages.seen[0].caption, QString::fromUtf8("注意"));
    // The Process window, as a session over this view opens it.
    DocumentSession session(std::make_unique<CProgramDoc>(), *m_view, *m_view, m_context);
    session.OnProgramWrite();
    CProcessDlg* process = session.ProcessDialog();
    QCOMPARE(process->windowTitle(), QString::fromUtf8("写数据"));
    QCOMPARE(process->StatusLabel()->text(), QString::fromUtf8("尚未开始"));
    QCOMPARE(process->StartButton()->text(), QString::fromUtf8("开始"));
    process->reject();
    QCOMPARE(m_view->windowTitle(), QString::fromUtf8("信道信息"));
    CPortSettingDlg ports(m_context, nullptr,
                          PortAccess{[](const std::string&) { return false; },
                                     [] { return std::map<int, PortDetails>(); }});
    QCOMPARE(ports.windowTitle(), QString::fromUtf8("端口设置"));
}

QTEST_MAIN(GridViewTest)
#include "grid_view_test.moc"
