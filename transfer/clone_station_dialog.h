#pragma once
// Program > Clone Station...: the active document written into one radio
// after another on several ports at once, a clone station per port. The
// window chooses the ports (from the system's port list, described as Port
// Setting describes them, or a device typed in) and the safety steps (the
// Setup menu's own settings), shows a row per station with its state, its
// radios done and failed and a Next button that releases it after a radio,
// the log of this session and the file it is appended to. Stop ends every
// station at its next cancel point; like closing, it asks first while a
// station has a radio in hand.
//
// A thin binding over station/: the stations run on threads of their own and
// their reports reach the window queued; nothing here waits for them.
// Closing the window (or quitting) while a station has a radio in hand asks
// first; No keeps everything running.

#include "link/write_safety.h"
#include "model/radio_image.h"
#include "station/clone_station.h"
#include "station/radio_report.h"
#include "transfer/clone_results_pane.h"
#include "transfer/port_choice_list.h"

#include <QDialog>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class StationTable;

// The image a session writes, and the document's name for it as its caption
// shows it ("*" when modified).
struct CloneImage {
    QString title;
    RadioImage image;
    // Some channel has a receive frequency.
    bool hasChannels = true;
};

// The image named for the operator: "fleet.dat* (SHA-256 1a2b3c4d)", the
// first 8 hex digits of the SHA-256 of the bytes written.
QString CloneImageText(const CloneImage& image);

// The clone log in the per-user data folder, as the command line keeps it.
QString DefaultCloneLogPath();

// What the window works with; the main window gives its own, tests theirs.
struct CloneStationSetup {
    // The image Start would write as it stands now (an edit in progress left
    // out); nothing when no document is open.
    std::function<std::optional<CloneImage>()> shownImage;
    // The image to write now (the channel table encoded into it); nothing,
    // with the reason in problem (empty when it was said already), when
    // there is none.
    std::function<std::optional<CloneImage>(QString& problem)> image;
    // The Setup menu's "Verify after writing" and "Read the radio before
    // writing", read and set.
    std::function<WriteSafety()> safety;
    std::function<void(const WriteSafety&)> setSafety;
    std::function<std::vector<PortChoice>()> ports = SystemPortChoices;
    QString logPath = DefaultCloneLogPath();
    // Where the radios read before writing are kept.
    QString historyFolder;
    LinkFactory makeLink;
    std::chrono::milliseconds attemptInterval{1000};
    // The program's catalogue: the states, results and summary in its words.
    const TextCatalogue* texts = &SourceTexts();
};

class CCloneStationDlg : public QDialog {
    Q_OBJECT
public:
    // The help contexts of the window and its controls.
    static constexpr int kDialogId = 208;
    static constexpr int kPortListId = 1310;
    static constexpr int kDeviceEditId = 1311;
    static constexpr int kAddDeviceId = 1312;
    static constexpr int kVerifyId = 1313;
    static constexpr int kReadFirstId = 1314;
    static constexpr int kStartId = 1315;
    static constexpr int kStopId = 1316;
    static constexpr int kStationTableId = 1317;
    static constexpr int kLogTableId = 1318;
    static constexpr int kLogPathId = 1319;
    static constexpr int kCloseId = 2;

    CCloneStationDlg(CloneStationSetup setup, QWidget* parent = nullptr);
    ~CCloneStationDlg() override;

    // True while stations run (until every one has stopped).
    bool Running() const;
    // Closing or stopping now: true when no station has a radio in hand, or
    // when the operator answers Yes to stopping them; No, the default
    // button, keeps everything running. The question speaks of a radio
    // being written only while one is.
    bool ConfirmStop();
    // The Setup menu's safety settings changed: the boxes show them when no
    // session runs.
    void ShowSafety();
    // Every station stops at its next cancel point.
    void StopStations();
    // The links of the next session's stations (tests watch them here).
    void SetLinkFactory(LinkFactory makeLink) { m_setup.makeLink = std::move(makeLink); }

    PortChoiceList* Ports() const { return m_ports; }
    QLabel* ImageLabel() const { return m_image; }
    QCheckBox* VerifyBox() const { return m_verify; }
    QCheckBox* ReadFirstBox() const { return m_readFirst; }
    QPushButton* StartButton() const { return m_start; }
    QPushButton* StopButton() const { return m_stop; }
    StationTable* Stations() const { return m_stations; }
    QTableWidget* LogTable() const { return m_logTable; }
    QLabel* LogPathLabel() const { return m_results->LogPath(); }
    QLabel* SummaryLabel() const { return m_results->Summary(); }

    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    struct Session;

    QWidget* makeSetupPart();
    QWidget* makeSessionPart();
    void refreshChoices();
    void storeSafety();
    void start();
    void onState(const QString& port, StationState state);
    void onRadio(const RadioReport& report);
    void endSession();
    void updateButtons();

    CloneStationSetup m_setup;
    std::unique_ptr<Session> m_session;
    bool m_stopAsked = false;
    QLabel* m_image;
    PortChoiceList* m_ports;
    QCheckBox* m_verify;
    QCheckBox* m_readFirst;
    QPushButton* m_start;
    QPushButton* m_stop;
    StationTable* m_stations;
    CloneResultsPane* m_results;
    QTableWidget* m_logTable;
};
