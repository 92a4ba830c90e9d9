// The Squelch Tuning dialog driven as a user drives it, on the offscreen
// platform: its lists, OK and Cancel, and its Read and Write against the
// simulated radio over a pseudo-terminal, a radio that answers short or not
// at all, and the dialog closed during a transfer.

#include "dialogs/squelch_tuning_dialog.h"
#include "link/port_name.h"
#include "settings/program_context.h"
#include "sim/simulated_radio.h"
#include "tests/dialogs/signalling_test_support.h"
#include "tests/ui/message_recorder.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The simulated radio with this memory, answering on a pseudo-terminal that
// the context's portName names; null when no pseudo-terminal could be made.
std::unique_ptr<SimulatedRadio> StartRadio(ProgramContext& context, const RadioMemory& memory,
                                           SimOptions options = InstantReplies()) {
    auto radio = std::make_unique<SimulatedRadio>(options);
    radio->SetMemory(memory);
    std::string error;
    if (!radio->Start(&error)) {
        qWarning("no simulated radio: %s", error.c_str());
        return nullptr;
    }
    context.portName = radio->DevicePath();
    return radio;
}

// Clicks Read or Write of Squelch Tuning and waits until its transfer has
// ended; false when it did not end.
bool RunSquelchButton(CSquelchTuningDlg& dialog, QPushButton* button) {
    QSignalSpy ended(&dialog, &CSquelchTuningDlg::TransferEnded);
    QTest::mouseClick(button, Qt::LeftButton);
    return ended.wait(60000);
}

} // namespace

class SquelchTuningDialogTest : public QObject {
    Q_OBJECT

private slots:
    void squelchListsAndOk();
    void squelchCancelKeepsNothingButReads();
    void squelchReadAndWriteAgainstTheRadio();
    void squelchShortReplyKeepsTheLevels();
    void squelchSilentRadioLeavesTheDialogResponsive();
    void squelchDestroyedDuringTransfer();
};

void SquelchTuningDialogTest::squelchListsAndOk() {
    ProgramContext context;
    RadioImage image = NewImage();
    image[0x17EF] = 119;
    image[0x17F0] = 0xFF;
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QComboBox* vWide = dialog.LevelList(0);
        QCOMPARE(vWide->count(), 110);
        QCOMPARE(vWide->itemText(0), QStringLiteral("-55"));
        QCOMPARE(vWide->itemText(109), QStringLiteral("54"));
        QCOMPARE(vWide->currentText(), QStringLiteral("-23"));
        QCOMPARE(dialog.LevelList(1)->currentIndex(), -1);
        QCOMPARE(dialog.LevelList(2)->currentText(), QStringLiteral("-30"));
        vWide->setCurrentIndex(0);
        dialog.LevelList(3)->setCurrentIndex(109);
        ClickOk(dialog);
    });
    QCOMPARE(ChangedOffsets(before, image), Range(0x17EE, 4));
    QCOMPARE(image[0x17EE], 9);
    QCOMPARE(image[0x17EF], 39); // no selection: the default
    QCOMPARE(image[0x17F0], 34);
    QCOMPARE(image[0x17F1], 118);
}

void SquelchTuningDialogTest::squelchCancelKeepsNothingButReads() {
    ProgramContext context;
    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        dialog.LevelList(0)->setCurrentIndex(3);
        ClickCancel(dialog);
    });
    QVERIFY(image == before);
}

void SquelchTuningDialogTest::squelchReadAndWriteAgainstTheRadio() {
    ProgramContext context;
    RadioMemory memory = DefaultRadioMemory();
    memory[0x0FF6] = 9;
    memory[0x0FF7] = 118;
    memory[0x0FF8] = 64;
    memory[0x0FF9] = 0xFF;
    const auto radio = StartRadio(context, memory);
    QVERIFY(radio);
    MessageRecorder messages;

    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        QCOMPARE(dialog.LevelList(0)->currentText(), QStringLiteral("-55"));
        QCOMPARE(dialog.LevelList(1)->currentText(), QStringLiteral("54"));
        QCOMPARE(dialog.LevelList(2)->currentText(), QStringLiteral("0"));
        QCOMPARE(dialog.LevelList(3)->currentText(), QStringLiteral("-34"));
        ClickCancel(dialog);
    });
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(messages.seen[0].text, QStringLiteral("Read Successfully"));
    // Cancel keeps what was read.
    QCOMPARE(ChangedOffsets(before, image), Range(0x17EE, 4));
    QCOMPARE(image[0x17EE], 9);
    QCOMPARE(image[0x17F1], 0xFF);

    radio->ResetProtocolState();
    RunWith(dialog, image, [&] {
        dialog.LevelList(2)->setCurrentText(QStringLiteral("-1"));
        QVERIFY(RunSquelchButton(dialog, dialog.WriteButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 2);
    QCOMPARE(messages.seen[1].text, QStringLiteral("Write Successfully"));
    // Write stored the lists first: U narrow's 0xFF showed its default.
    const RadioMemory written = radio->Memory();
    QCOMPARE(written[0x0FF6], 9);
    QCOMPARE(written[0x0FF7], 118);
    QCOMPARE(written[0x0FF8], 63);
    QCOMPARE(written[0x0FF9], 30);
    QCOMPARE(image[0x17F0], 63);
    const std::vector<std::uint8_t> received = radio->ReceivedBytes();
    const std::vector<std::uint8_t> tail{0x57, 0x0F, 0xF6, 0x04, 9, 118, 63, 30};
    QVERIFY(received.size() >= tail.size());
    QVERIFY(std::equal(tail.begin(), tail.end(), received.end() - 8));
    QVERIFY(radio->Violations().empty());
}

void SquelchTuningDialogTest::squelchShortReplyKeepsTheLevels() {
    ProgramContext context;
    SimOptions options = InstantReplies();
    options.fault.kind = SimFaultKind::ShortReply;
    options.fault.address = 0x0FF6;
    options.fault.shortLength = 6;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);
    MessageRecorder messages;

    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    RunWith(dialog, image, [&] {
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(messages.seen[0].text,
             QStringLiteral("Program Interrupt, Please reset the radio and try again"));
    QVERIFY(image == before);

    // A port that does not open: the message, nothing stored.
    context.portName = "/dev/no-such-port";
    RunWith(dialog, image, [&] {
        dialog.LevelList(0)->setCurrentIndex(0);
        QVERIFY(RunSquelchButton(dialog, dialog.WriteButton()));
        dialog.reject();
    });
    QCOMPARE(int(messages.seen.size()), 2);
    QVERIFY(messages.seen[1].text.startsWith(QStringLiteral("Could not Open the Port")));
    QVERIFY(image == before);
}

void SquelchTuningDialogTest::squelchSilentRadioLeavesTheDialogResponsive() {
    ProgramContext context;
    // A radio that never answers: the 15 attempts before the prompt run
    // while the dialog keeps handling its events, with its controls disabled
    // and a busy cursor, and refusing to close (there is no cancel).
    SimOptions options;
    options.fault.kind = SimFaultKind::Silent;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);

    struct Seen {
        int ticks = 0;
        int paints = 0;
        bool visible = false;
        bool controlsEnabled = true;
        Qt::CursorShape cursor = Qt::ArrowCursor;
    };
    Seen now;
    std::vector<Seen> atPrompt;
    std::vector<MessageRequest> prompts;
    RadioImage image = NewImage();
    const RadioImage before = image;
    CSquelchTuningDlg dialog(context);
    MessageService::SetHandler([&](const MessageRequest& request) {
        prompts.push_back(request);
        Seen seen = now;
        seen.visible = dialog.isVisible();
        seen.controlsEnabled =
            dialog.ReadButton()->isEnabled() || dialog.WriteButton()->isEnabled() ||
            Control<QPushButton>(&dialog, 1)->isEnabled() ||
            Control<QPushButton>(&dialog, 2)->isEnabled() || dialog.LevelList(0)->isEnabled();
        seen.cursor = dialog.cursor().shape();
        atPrompt.push_back(seen);
        return MessageAnswer::Cancel;
    });
    const auto restore = qScopeGuard([] { MessageService::SetHandler({}); });
    struct PaintCounter : QObject {
        int* paints;
        explicit PaintCounter(int* counter) : paints(counter) {}
        bool eventFilter(QObject*, QEvent* event) override {
            *paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } paintCounter(&now.paints);

    RunWith(dialog, image, [&] {
        dialog.installEventFilter(&paintCounter);
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, &dialog, [&] {
            if (++now.ticks == 1) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            dialog.update();
        });
        ticker.start();
        QVERIFY(RunSquelchButton(dialog, dialog.ReadButton()));
        ticker.stop();
        dialog.removeEventFilter(&paintCounter);
        QVERIFY(!dialog.IsBusy());
        QVERIFY(dialog.ReadButton()->isEnabled());
        QVERIFY(dialog.LevelList(0)->isEnabled());
        QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(dialog.isVisible());
        // Closing works again once the transfer has ended.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });

    QCOMPARE(int(prompts.size()), 1);
    QCOMPARE(prompts[0].text,
             QStringLiteral(
                 "Communication Error, Please check all the connections and the radio power"));
    QVERIFY(prompts[0].buttons == MessageButtons::RetryCancel);
    QVERIFY(atPrompt[0].ticks > 0);
    QVERIFY(atPrompt[0].paints > 0);
    QVERIFY(atPrompt[0].visible);
    QVERIFY(!atPrompt[0].controlsEnabled);
    QCOMPARE(atPrompt[0].cursor, Qt::BusyCursor);
    QCOMPARE(radio->Stats().programModeRequests, 15);
    QVERIFY(image == before);
}

void SquelchTuningDialogTest::squelchDestroyedDuringTransfer() {
    ProgramContext context;
    // The dialog goes while its transfer runs (its window closed): the
    // worker is released and joined, no prompt follows, and the image keeps
    // what it had.
    SimOptions options;
    options.fault.kind = SimFaultKind::Silent;
    const auto radio = StartRadio(context, DefaultRadioMemory(), options);
    QVERIFY(radio);
    MessageRecorder messages;
    messages.Answer(MessageAnswer::Retry);

    RadioImage image = NewImage();
    const RadioImage before = image;
    auto dialog = std::make_unique<CSquelchTuningDlg>(context);
    QSignalSpy ended(dialog.get(), &CSquelchTuningDlg::TransferEnded);
    dialog->OnInitDialog(image);
    dialog->show();
    QTest::mouseClick(dialog->ReadButton(), Qt::LeftButton);
    // Retry answered: the transfer goes on with its attempts.
    QTRY_COMPARE_WITH_TIMEOUT(int(messages.seen.size()), 1, 60000);
    QVERIFY(dialog->IsBusy());
    dialog.reset();
    QCoreApplication::processEvents();
    QCOMPARE(int(messages.seen.size()), 1);
    QCOMPARE(ended.count(), 0);
    QVERIFY(image == before);
}

QTEST_MAIN(SquelchTuningDialogTest)
#include "squelch_tuning_dialog_test.moc"
