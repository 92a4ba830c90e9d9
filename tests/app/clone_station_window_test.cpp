// Program > Clone Station in the running program: the window opens on the
// active document with the Setup menu's safety steps, and quitting while a
// station writes a radio (a simulated one on a pseudo-terminal, held in the
// middle of its write) asks first; No keeps the program and the station
// running.

#include "link_qt/qt_serial_link.h"
#include "model/program_document.h"
#include "session/write_safety_settings.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"
#include "tests/transfer/gated_link.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/station_table.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Generous: a radio takes a moment, more under the sanitizers.
constexpr int kRadioTimeoutMs = 120000;

} // namespace

class CloneStationWindowTest : public QObject {
    Q_OBJECT

    StartedProgram m_program;

    CMainFrame& Frame() const { return m_program.Frame(); }
    CCloneStationDlg* Open() {
        Frame().OnCommand(ID_CLONE_STATION);
        return Frame().CloneStationWindow();
    }
    QString StateOf(int row) const {
        const QTableWidgetItem* item =
            Frame().CloneStationWindow()->Stations()->item(row, StationTable::StateColumn);
        return item ? item->text() : QString();
    }

private slots:
    void cleanup() { m_program.Stop(); }

    void opensOnTheActiveDocumentWithTheSetupMenusSteps() {
        m_program.Start("");
        QVERIFY(Frame().ActiveChild());
        SetSafetySetting(Frame().Context().Profile(), SafetySetting::VerifyAfterWrite, true);
        SetSafetySetting(Frame().Context().Profile(), SafetySetting::ReadBeforeWrite, false);
        CCloneStationDlg* window = Open();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->VerifyBox()->isChecked());
        QVERIFY(!window->ReadFirstBox()->isChecked());
        const QString title = Frame().ActiveChild()->ShownTitle();
        QVERIFY2(window->ImageLabel()->text().contains(title), qPrintable(title));
        QVERIFY(window->LogPathLabel()->text().contains(QStringLiteral("clone-log.csv")));

        // The window's box is the Setup menu's item.
        window->ReadFirstBox()->click();
        QVERIFY(IsSafetySettingOn(Frame().Context().Profile(), SafetySetting::ReadBeforeWrite));
        QVERIFY(Frame().CommandAction(ID_READ_BEFORE_WRITE)->isChecked());
        // And the other way while the window is open and idle.
        Frame().OnCommand(ID_VERIFY_AFTER_WRITE);
        QVERIFY(!window->VerifyBox()->isChecked());
        Frame().OnCommand(ID_READ_BEFORE_WRITE);
        QVERIFY(!window->ReadFirstBox()->isChecked());
        // A second request shows the same window.
        window->close();
        QCOMPARE(Open(), window);
    }

    void quittingWhileAStationWritesAsksAndNoKeepsItRunning() {
        m_program.Start("");
        SimulatedRadio radio(InstantReplies());
        QVERIFY(radio.Start());
        Gate gate;
        CCloneStationDlg* window = Open();
        window->SetLinkFactory([&gate] {
            return std::make_unique<GatedLink>(std::make_unique<QtSerialLink>(), gate);
        });
        window->Ports()->DeviceEdit()->setText(QString::fromStdString(radio.DevicePath()));
        window->Ports()->AddButton()->click();
        gate.Close();
        // A new document has no channels: Start asks first.
        m_program.Dir().QueueAnswer(MessageAnswer::Yes);
        window->StartButton()->click();
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{1});
        QTRY_VERIFY_WITH_TIMEOUT(StateOf(0).startsWith(QStringLiteral("writing")), kRadioTimeoutMs);

        m_program.Dir().QueueAnswer(MessageAnswer::No);
        QVERIFY(!Frame().close());
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{2});
        QCOMPARE(m_program.Dir().Messages()[1].icon, MessageIcon::Question);
        QVERIFY(Frame().isVisible());
        QVERIFY(window->isVisible());
        QVERIFY(window->Running());

        gate.Open();
        QTRY_COMPARE_WITH_TIMEOUT(StateOf(0), QStringLiteral("done"), kRadioTimeoutMs);
        QCOMPARE(radio.Stats().closingBandWrites, 1);
        QVERIFY(radio.Violations().empty());

        // No radio in hand: quitting asks nothing and stops the station.
        QVERIFY(Frame().close());
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{2});
        QVERIFY(!window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window->Running(), kRadioTimeoutMs);
    }
};

QTEST_MAIN(CloneStationWindowTest)
#include "clone_station_window_test.moc"
