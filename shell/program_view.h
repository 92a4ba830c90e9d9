#pragma once
// The channel window's view: the grid of the document's channel table with
// its in-place editors, and the Read, Write and Com Setup commands with the
// transfer window.
//
// The grid is the working copy of the channel table: edits change the grid
// only; EncodeChannels moves it into the image (before a save and before
// every transfer) and DecodeChannels fills it from the image (at set-up and
// after a completed read).

#include "grid/grid_layout.h"
#include "link/transfer_result.h"
#include "link/write_safety.h"
#include "model/channel_table.h"
#include "model/radio_image.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class CellEditors;
class ChannelGrid;
class ChannelGridModel;
class CProcessDlg;
class TransferRunner;
enum class CommitTrigger;

// Control id of the grid (its help context when it has the focus).
inline constexpr int IDC_CHANNEL_GRID = 1022;
// Help contexts of the frequency edit and the tone list per column.
inline constexpr int kHelpRxFrequency = 2127;
inline constexpr int kHelpTxFrequency = 2128;
inline constexpr int kHelpDecodeTone = 2132;
inline constexpr int kHelpEncodeTone = 2133;

class CProgramView : public QWidget {
    Q_OBJECT
public:
    // The view edits the channel table of image, which must outlive it.
    // Construction loads the stored port choice into g_portName.
    explicit CProgramView(RadioImage& image, QWidget* parent = nullptr);
    // Stops a running transfer (it is cancelled) before the view goes.
    ~CProgramView() override;

    // One-time set-up: grid, headers, widths, editors, screen scaling, icon,
    // then DecodeChannels.
    void OnInitialUpdate();

    // Loads the editor of the current cell and lays it over the cell.
    void BeginCellEdit();
    // Commits the in-place edit of the current cell (when its editor is
    // shown) with every entry check. False when the entry was refused and
    // the editor stays open with the user's text.
    bool CommitCellEdit();

    // The grid into the image (band code first).
    void EncodeChannels();
    // The image into the grid (band limits refreshed).
    void DecodeChannels();

    // The grid's texts (row 1..129 is index 0..128).
    const ChannelTable& Channels() const;
    // Replaces the grid's texts (undo and redo); an edit in progress is
    // dropped.
    void SetChannels(const ChannelTable& channels);
    // How many rows of the grid hold a channel (a receive frequency).
    int ChannelCount() const;

    // True while a transfer with the radio runs: no second transfer may
    // start and the document must stay open.
    bool IsTransferRunning() const;
    // The file the view's transfers append their wire log to (empty: none).
    void SetWireLog(std::string path);

    ChannelGrid* Grid() const { return m_grid; }
    CellEditors& Editors() const { return *m_editors; }
    CProcessDlg* ProcessDialog() const { return m_pProcessDlg; }
    // Screen width the layout was last scaled for.
    int ScreenWidth() const { return m_screenWidth; }

public slots:
    // Program > Read (32773): opens the transfer window for a read.
    void OnProgramRead();
    // Program > Write (32774): commits the cell edit, opens the window for a write.
    void OnProgramWrite();
    // Setup > Com Setup (32777): the Port Setting dialog.
    void OnSetupCom();
    // The screen is now screenWidth pixels wide: above 800 pixels the layout
    // scales by the ratio to the stored width.
    void OnDisplayChange(int screenWidth);

    // Edit commands on the grid's selection. Each first commits the edit in
    // progress (a refused entry stops it), then changes the grid as one step
    // (ChannelsChanged) or, refused, shows why and changes nothing.
    // Copy: the selected cells to the clipboard.
    void OnEditCopy();
    // Cut: copy, then empty the selected cells as Delete does.
    void OnEditCut();
    // Paste: the clipboard's cells from the selection's top left cell on,
    // each through the commit rules; the refused ones in one message after.
    void OnEditPaste();
    // Delete: empties the selected cells (an emptied receive frequency
    // deletes its channel, so selected rows become empty rows).
    void OnEditDelete();
    // Row operations on the rows of the selection (Insert: above the
    // current row).
    void OnInsertRow();
    void OnRemoveRows();
    void OnMoveRowsUp();
    void OnMoveRowsDown();

signals:
    // An edit changed the grid (the document now differs from its file).
    void ChannelsEdited();
    // An edit command changed the grid; step names it for the undo history.
    void ChannelsChanged(const QString& step);
    // A read from the radio completed and the grid shows the new image.
    void ChannelsRead();
    void TransferRunningChanged(bool running);
    // A transfer of the Process window ended: how, with the number of
    // channels the grid holds afterwards and the time it took.
    void TransferEnded(TransferDirection direction, TransferOutcome outcome, int channels,
                       qint64 elapsedMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool leaveCell();
    void enterCell();
    void onMouseDown();
    void hideEditorsOnScroll();
    bool commit(CommitTrigger trigger);
    bool filterFrequencyKey(QKeyEvent* event);
    bool isCellEditor(const QObject* object) const;
    bool filterEditorKey(const QKeyEvent& event);
    // Hides the editor without committing: the cell keeps its text.
    void cancelCellEdit();
    static bool frequencyEditSwallows(const QKeyEvent& event);
    int helpContext() const;
    void keepCaption();
    void scaleLayout(double scale);
    // Shows the column widths, cut in proportion when the grid is too narrow
    // for them.
    void applyColumnWidths();
    void openProcessDialog(bool writeMode);
    void onRadioTransfer();
    void onTransferFinished(const TransferResult& result);
    void onSelectionChanged();
    bool closeEditorForCommand();
    void replaceChannels(const ChannelTable& channels, const QString& step);
    void copySelection();
    void emptySelection(const QString& step);
    void moveRows(int delta, const QString& step);
    void showRefusal(const char* text);
    void reportWriteSafety();
    // Keeps an image read from the radio in the radio history; a file error
    // is shown.
    void keepInHistory(const RadioImage& image);

    RadioImage& m_image;
    ChannelGridModel* m_model;
    ChannelGrid* m_grid;
    std::unique_ptr<CellEditors> m_editors;
    // The widths the screen scaling gives the label and data columns.
    ColumnWidths m_columnWidths{};
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    bool m_firstSetUp = true;
    CProcessDlg* m_pProcessDlg;
    bool m_bWriteMode = false;
    std::unique_ptr<TransferRunner> m_runner;
    TransferDirection m_runningDirection = TransferDirection::Read;
    QElapsedTimer m_transferClock;
    // The safety steps of the running write and, once it ended, their result.
    WriteSafety m_writeSafety;
    std::shared_ptr<SafeWriteResult> m_safeWrite;
};
