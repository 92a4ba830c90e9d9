#pragma once
// The rows of the Clone Station window, one per station: its port, its state
// in words with a mark of how it stands, its radios done and failed, and a
// Next button that releases the station once it is done with a radio and
// waits for the operator. Space on the selected row does as its Next button.
// The port's message shows as the state's tool tip while the port is not
// available.

#include "station/station_line.h"

#include <QIcon>
#include <QString>
#include <QTableWidget>
#include <map>
#include <vector>

class QPushButton;

class StationTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { PortColumn, StateColumn, DoneColumn, FailedColumn, NextColumn, ColumnCount };

    // texts: the program's catalogue, in which the states are worded.
    explicit StationTable(const TextCatalogue& texts, QWidget* parent = nullptr);

    // One row for each port, all waiting for a radio.
    void SetPorts(const std::vector<QString>& ports);

    void OnState(const QString& port, StationState state);
    void OnProgress(const QString& port, int position, int total);
    void OnRadio(const RadioReport& report);
    void OnPortFailed(const QString& port, const QString& message);

    // The station of a port; null for a port without a row.
    const StationLine* Line(const QString& port) const;
    QPushButton* NextButton(int row) const;
    int RowOf(const QString& port) const;
    // Some station has a radio in hand (reading, writing or verifying).
    bool AnyRadioInHand() const;
    // Some station is writing its radio (not reading it before or after).
    bool AnyWriting() const;
    // Every station has stopped (or there are none).
    bool AllStopped() const;
    // The style's icon beside the state for a row's mark: a tick for a good
    // radio, the critical sign for one that is not, the warning sign for a
    // port not available; none otherwise. The words beside it say the same,
    // for those who see no icon.
    QIcon MarkIcon(LineMark mark) const;

signals:
    // The operator released the station of the port.
    void nextRequested(const QString& port);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRow(const QString& port);

    const TextCatalogue& m_texts;
    std::vector<QString> m_ports;
    std::map<QString, StationLine> m_lines;
    QIcon m_goodIcon;
    QIcon m_badIcon;
    QIcon m_retryingIcon;
};
