#pragma once
// The lower pane of the Clone Station window: what a session has come to.
// The summary of the radios done and failed per port (after the stations
// stopped; a line per port, so it scrolls within a few lines rather than
// squeezing the stations' rows), a note when the log or the history could
// not be written, the log of this session (a row per radio) and the file the
// log is appended to.

#include <QWidget>

class QLabel;
class QScrollArea;
class QTableWidget;

class CloneResultsPane : public QWidget {
    Q_OBJECT
public:
    enum LogColumn {
        TimeColumn,
        PortColumn,
        RadioColumn,
        ResultColumn,
        SecondsColumn,
        MessageColumn,
        LogColumnCount
    };

    CloneResultsPane(const QString& logPath, QWidget* parent = nullptr);

    // Shows the summary, or the note (none when empty).
    void SetSummary(const QString& text);
    void SetNote(const QString& text);

    QLabel* Summary() const { return m_summary; }
    QTableWidget* LogTable() const { return m_logTable; }
    QLabel* LogPath() const { return m_logPath; }

private:
    QScrollArea* m_summaryArea;
    QLabel* m_summary;
    QLabel* m_note;
    QTableWidget* m_logTable;
    QLabel* m_logPath;
};
