#pragma once
// The channel grid's editing rules, free of any toolkit: which editor a column
// uses, what a list selects when an edit begins, the defaults of a new channel,
// and what committing an edit does to the table. The grid window and the
// command line both run these rules.

#include "model/band.h"
#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <string>
#include <string_view>
#include <vector>

enum class CellEditor {
    Frequency, // columns 1, 2: edit, at most 9 characters, digits and "." only
    ToneList,  // columns 3, 4
    Name,      // column 5: edit, at most 7 GBK bytes
    PowerList, // column 6
    WidthList, // column 7
    ScanList,  // column 8
    BusyList,  // column 9
};

inline constexpr int kFrequencyEditMaxChars = 9;
inline constexpr int kNameEditMaxBytes = 7;

// Editor of grid column col (1..9).
CellEditor EditorOfColumn(int col);
bool IsListEditor(CellEditor editor);
// Items of a list editor in Chinese (bChinese, the language flag) or English;
// empty for the two edits.
std::vector<std::string> EditorListItems(CellEditor editor, bool bChinese);
// Index of the item a list selects when an edit of a cell holding text begins:
// the first item that begins with text, case ignored; else 0.
int ListSelectionForText(const std::vector<std::string>& items, std::string_view text);

// True for the characters the frequency edit lets through (digits and ".").
bool FrequencyEditAcceptsChar(char c);

// Why an edit (Frequency or Name) takes no more text: its length limit; an
// empty source for the lists.
TextId EditorLengthLimit(CellEditor editor);

// What the editor of column col holds after the user typed or chose text.
// For the edits the text must fit (allowed characters, length limit); for the
// lists it must be one of the items (case ignored; either language), and the
// editor holds the item in the language shown (bChinese).
struct EditorInput {
    bool ok = false;
    std::string text; // the editor's text when ok
    TextId reason;    // why not, when not ok
};
EditorInput EditorInputFor(int col, std::string_view typed, bool bChinese);

// "%3.5f" of the atof value of a frequency text.
std::string NormalizeFrequencyText(std::string_view text);

// A new channel's row: Rx and Tx freq, no tone, no tone, no name, high power,
// wide, scan add on, busy lock off (words in Chinese when bChinese, else English).
ChannelTexts NewChannelDefaults(const std::string& freq, bool bChinese);

enum class CommitTrigger {
    LeaveCell, // the grid leaves the cell
    Enter,     // Enter in the frequency edit
};

enum class CellMessageIcon { None, Stop, Exclamation };

enum class CommitEffect {
    None,       // the table is unchanged
    CellSet,    // the cell got the committed text
    NewChannel, // a new channel: columns 1..9 set from the defaults
    RowCleared, // columns 1..9 of the row emptied
};

struct CommitResult {
    CommitEffect effect = CommitEffect::None;
    int messageId = 0; // string-table id of the message to show, 0 for none
    int captionId = 0; // caption id of that message
    CellMessageIcon icon = CellMessageIcon::None;
    bool editorVisible = false; // the editor stays visible (else hide it)
    bool clearEditText = false; // the edit's text is to be cleared
    // True when the entry was refused with a message.
    bool Refused() const { return messageId != 0; }
};

// Commits editorText into cell (row 1..129, col 1..9) of table; frequencies
// are checked against the limits of bands, and a new channel's words are in
// Chinese when bChinese. Call it only while the editor of that column is
// visible; rows and columns out of range change nothing.
CommitResult CommitCellEdit(ChannelTable& table, const BandPlan& bands, int row, int col,
                            std::string_view editorText, bool bChinese,
                            CommitTrigger trigger = CommitTrigger::LeaveCell);
