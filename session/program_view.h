#pragma once
// The channel window's view: the grid of the document's channel table with
// its in-place editors and the edit commands on it. The document's session
// (session/document_session.h) runs the transfers and keeps the history.
//
// The grid is the working copy of the channel table: edits change the grid
// only; EncodeChannels moves it into the image (before a save and before
// every transfer) and DecodeChannels fills it from the image (at set-up and
// after a completed read).

#include "grid/grid_layout.h"
#include "model/channel_table.h"
#include "model/radio_image.h"
#include "session/channel_working_copy.h"

#include <QWidget>
#include <functional>
#include <memory>

class CellEditors;
class ChannelGrid;
class ChannelGridModel;
enum class CommitTrigger;

// Control id of the grid (its help context when it has the focus).
inline constexpr int IDC_CHANNEL_GRID = 1022;
// Help contexts of the frequency edit and the tone list per column.
inline constexpr int kHelpRxFrequency = 2127;
inline constexpr int kHelpTxFrequency = 2128;
inline constexpr int kHelpDecodeTone = 2132;
inline constexpr int kHelpEncodeTone = 2133;

struct ProgramContext;

class CProgramView : public QWidget, public ChannelWorkingCopy {
    Q_OBJECT
public:
    // The view edits the channel table of image with the band plan of
    // context (the program's, its icon from the program directory); both
    // must outlive it.
    CProgramView(RadioImage& image, ProgramContext& context, QWidget* parent = nullptr);
    ~CProgramView() override;

    // One-time set-up: grid, headers, widths, editors, screen scaling, icon,
    // then DecodeChannels.
    void OnInitialUpdate();

    // Loads the editor of the current cell and lays it over the cell.
    void BeginCellEdit();
    // The working copy of the channel table: the commit of the current
    // cell's in-place edit (when its editor is shown) runs every entry check.
    bool CommitCellEdit() override;
    void EncodeChannels() override;
    void DecodeChannels() override;
    const ChannelTable& Channels() const override;
    void SetChannels(const ChannelTable& channels) override;
    int ChannelCount() const override;

    // Keys that belong to a command of the window (Ctrl+C, Ctrl+Z ...): the
    // frequency edit leaves them to the command, which commits the edit
    // first. Unset, the edit keeps every key it takes.
    void SetCommandKeys(std::function<bool(QKeyCombination)> isCommandKey) {
        m_isCommandKey = std::move(isCommandKey);
    }

    ChannelGrid* Grid() const { return m_grid; }
    CellEditors& Editors() const { return *m_editors; }
    // Screen width the layout was last scaled for.
    int ScreenWidth() const { return m_screenWidth; }

public slots:
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool leaveCell();
    void enterCell();
    void onMouseDown();
    // A character typed on the grid: the current cell's editor opens, alone
    // selected, and takes the key as the first of its text.
    void typeIntoCell(const QKeyEvent& key);
    void hideEditorsOnScroll();
    bool commit(CommitTrigger trigger);
    bool filterFrequencyKey(QKeyEvent* event);
    bool isCellEditor(const QObject* object) const;
    bool filterEditorKey(const QKeyEvent& event);
    // Hides the editor without committing: the cell keeps its text.
    void cancelCellEdit();
    // Hides every editor without committing; an editor that had its
    // window's focus hands it to the grid, also while another window (the
    // Process window) is active, so that the keys reach the grid once this
    // window is active again.
    void hideEditors();
    static bool frequencyEditSwallows(const QKeyEvent& event);
    int helpContext() const;
    void scaleLayout(double scale);
    // Shows the column widths, cut in proportion when the grid is too narrow
    // for them, but never below the room their texts need.
    void applyColumnWidths();
    void onSelectionChanged();
    bool closeEditorForCommand();
    void replaceChannels(const ChannelTable& channels, const QString& step);
    void copySelection();
    void emptySelection(const QString& step);
    void moveRows(int delta, const QString& step);
    void showRefusal(const char* text);

    RadioImage& m_image;
    ProgramContext& m_context;
    ChannelGridModel* m_model;
    ChannelGrid* m_grid;
    std::unique_ptr<CellEditors> m_editors;
    // The widths the screen scaling gives the label and data columns.
    ColumnWidths m_columnWidths{};
    // The least widths that show the columns' headers and values whole.
    ColumnWidths m_columnLeast{};
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    bool m_firstSetUp = true;
    std::function<bool(QKeyCombination)> m_isCommandKey;
};
