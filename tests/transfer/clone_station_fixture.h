#pragma once
// The Clone Station window over real clone stations, as its tests share it:
// simulated radios on real pseudo-terminals, each station on its own thread
// with the Qt serial backend, gates in the links that hold a station in the
// middle of a read or a write for as long as a test needs it there.

#include "sim/simulated_radio.h"
#include "station/station_line.h"
#include "tests/transfer/gated_link.h"
#include "tests/ui/message_recorder.h"
#include "transfer/clone_station_dialog.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

// Generous: a station's radio takes a moment, more under the sanitizers.
inline constexpr int kRadioTimeoutMs = 120000;

// A new document with a channel of its own.
RadioImage FleetImage();

class CloneStationFixture : public QObject {
protected:
    // Before each test: English, the window shown over gated links, with
    // no system ports, its log and history in a temporary folder.
    void setUp();
    void tearDown();

    SimulatedRadio& addRadio(const SimOptions& options = InstantReplies());
    // Types the device into the window and adds it, checked.
    void addPort(const QString& device);
    QString stateOf(int row) const;
    QString cell(int row, int column) const;
    // The state of the row bears the icon of the mark.
    bool marked(int row, LineMark mark) const;
    bool unmarked(int row) const;

    QTemporaryDir m_dir;
    WriteSafety m_safety;
    std::optional<CloneImage> m_image;
    Gate m_gate;     // block writes
    Gate m_readGate; // block reads
    std::vector<std::unique_ptr<SimulatedRadio>> m_radios;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CCloneStationDlg> m_dialog;
};
