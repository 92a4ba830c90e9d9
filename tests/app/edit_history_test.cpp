// Undo and redo of every kind of change to a document, with the
// unsaved-changes state following the history: settings dialogs, Product
// Information with its band, reads that complete or fail, and the history
// dropped with its document.

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

namespace {

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

class EditHistoryTest : public EditingFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

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
};

QTEST_MAIN(EditHistoryTest)
#include "edit_history_test.moc"
