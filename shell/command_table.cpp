#include "shell/command_table.h"

#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

// Groups of the pop-up menus: items of one group stand together.
constexpr int kFileDocument = 0; // New, Open, Close, Save, Save As
constexpr int kFileExchange = 1; // Import Channels (into Empty Rows), Export Channels
constexpr int kFileHistory = 2;  // Radio History, Compare With
constexpr int kFilePrint = 3;    // Print, Print Preview, Export PDF, Print Setup
constexpr int kFileExit = 4;
constexpr int kEditGroups = 0;   // Product and Channel Information
constexpr int kEditFeatures = 1; // Optional Features
constexpr int kEditSignalling = 2;
constexpr int kEditHistory = 3;   // Undo, Redo
constexpr int kEditClipboard = 4; // Cut, Copy, Paste, Delete
constexpr int kEditRows = 5;      // Insert Row, Remove Row, Move Up, Move Down
constexpr int kViewBars = 0;      // Toolbar, Status Bar
constexpr int kViewControlBar = 1;
constexpr int kWindowArrange = 0; // Cascade, Tile
constexpr int kWindowCycle = 1;   // Next, Previous
constexpr int kHelpTopics = 0;
constexpr int kHelpAbout = 1;
constexpr int kOnlyGroup = 0;
constexpr int kSetupWriteSafety = 1; // Verify after writing, Read the radio before writing

// The table. Menu 128 (no document): File (New, Open, | Print Setup, | Exit),
// View (Toolbar, Status Bar), Help (About). Menu 129 (a document): File (New,
// Open, Close, Save, Save As, | Import Channels, Import Channels into Empty
// Rows, Export Channels, | Radio History, Compare With, | Print, Print Preview,
// Export PDF, Print Setup, | Exit),
// Edit (Product Information, Channel Information, | Optional Features, |
// the signalling editors, | Undo, Redo, | Cut, Copy, Paste, Delete, | Insert
// Row, Remove Row, Move Up, Move Down), Program (Read, Write, Clone Station), Setup (Com Setup,
// Language, | Verify after writing, Read the radio before writing), View
// (Toolbar, Status Bar, | Control Bar), Window (Cascade, Tile, | Next, Previous,
// | the documents), Help (Help Topics, | About). Recent files precede Exit.
// Toolbar 128: New, Open, Save, | Read, | Write, | Print, About.
const std::vector<Command>& Rows() {
    static const std::vector<Command> rows{
        // File
        Command(ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&New"), &CProgramApp::OnFileNew)
            .InMenus(Popup::File, kFileDocument)
            .OnToolbar(0, QStyle::SP_FileIcon, QT_TRANSLATE_NOOP("CMainFrame", "New"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Create a new document"))
            .Keys(Qt::CTRL | Qt::Key_N)
            .NotDuringTransfer()
            .Help("main-window.html#file"),
        Command(ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "&Open..."), &CProgramApp::OnFileOpen)
            .InMenus(Popup::File, kFileDocument)
            .OnToolbar(1, QStyle::SP_DialogOpenButton, QT_TRANSLATE_NOOP("CMainFrame", "Open"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Open an existing document"))
            .Keys(Qt::CTRL | Qt::Key_O)
            .NotDuringTransfer()
            .Help("main-window.html#file"),
        Command(ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CMainFrame", "&Close"),
                &CMainFrame::HideActiveChild)
            .InDocumentMenu(Popup::File, kFileDocument)
            .NotDuringTransfer()
            .Help("main-window.html#file"),
        Command(ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "&Save"), &CMainFrame::OnFileSave)
            .InDocumentMenu(Popup::File, kFileDocument)
            .OnToolbar(2, QStyle::SP_DialogSaveButton, QT_TRANSLATE_NOOP("CMainFrame", "Save"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Save the active document"))
            .Keys(Qt::CTRL | Qt::Key_S)
            .NotDuringTransfer()
            .Help("main-window.html#file"),
        Command(ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "Save &As..."),
                &CMainFrame::OnFileSaveAs)
            .InDocumentMenu(Popup::File, kFileDocument)
            .NotDuringTransfer()
            .Help("main-window.html#file"),
        Command(ID_FILE_IMPORT_CHANNELS, QT_TRANSLATE_NOOP("CMainFrame", "&Import Channels..."),
                &CMainFrame::OnImportChannels)
            .InDocumentMenu(Popup::File, kFileExchange)
            .NotDuringTransfer()
            .Help("channel-lists.html#import"),
        Command(ID_FILE_IMPORT_CHANNELS_INTO_EMPTY,
                QT_TRANSLATE_NOOP("CMainFrame", "Import Channels into E&mpty Rows..."),
                &CMainFrame::OnImportChannelsIntoEmpty)
            .InDocumentMenu(Popup::File, kFileExchange)
            .NotDuringTransfer()
            .Help("channel-lists.html#into-empty"),
        Command(ID_FILE_EXPORT_CHANNELS, QT_TRANSLATE_NOOP("CMainFrame", "E&xport Channels..."),
                &CMainFrame::OnExportChannels)
            .InDocumentMenu(Popup::File, kFileExchange)
            .NotDuringTransfer()
            .Help("channel-lists.html#export"),
        Command(ID_RADIO_HISTORY, QT_TRANSLATE_NOOP("CMainFrame", "Radio &History..."),
                &CMainFrame::OnRadioHistory)
            .InDocumentMenu(Popup::File, kFileHistory)
            .NotDuringTransfer()
            .Help("restore-points.html#radio-history"),
        Command(ID_COMPARE_WITH, QT_TRANSLATE_NOOP("CMainFrame", "Compare &With..."),
                &CMainFrame::OnCompareWith)
            .InDocumentMenu(Popup::File, kFileHistory)
            .NotDuringTransfer()
            .Help("restore-points.html#compare-with"),
        Command(ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "&Print..."),
                &CProgramApp::OnFilePrint)
            .InDocumentMenu(Popup::File, kFilePrint)
            .OnToolbar(8, QStyle::SP_FileDialogDetailedView,
                       QT_TRANSLATE_NOOP("CMainFrame", "Print"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Print the active document"))
            .Keys(Qt::CTRL | Qt::Key_P)
            .NotDuringTransfer()
            .Help("printing.html"),
        Command(ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "Print Preview"),
                &CProgramApp::OnFilePrintPreview)
            .InDocumentMenu(Popup::File, kFilePrint)
            .NotDuringTransfer()
            .Help("printing.html"),
        Command(ID_FILE_EXPORT_PDF, QT_TRANSLATE_NOOP("CMainFrame", "Export PDF..."),
                &CProgramApp::OnFileExportPdf)
            .InDocumentMenu(Popup::File, kFilePrint)
            .NotDuringTransfer()
            .Help("printing.html#export-pdf"),
        Command(ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "Print Setup..."),
                &CProgramApp::OnFilePrintSetup)
            .InMenus(Popup::File, kFilePrint)
            .TextWithoutDocument(QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."))
            .NotDuringTransfer()
            .Help("printing.html"),
        Command(ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "&Exit"), &CMainFrame::OnAppExit)
            .InMenus(Popup::File, kFileExit)
            .TextWithoutDocument(QT_TRANSLATE_NOOP("CMainFrame", "E&xit"))
            .NotDuringTransfer()
            .Help("main-window.html#file"),

        // Edit, and the navigation tree
        Command(ID_PRODUCT_INFORMATION, QT_TRANSLATE_NOOP("CMainFrame", "Product Information"),
                Editor<CProductInfoDlg>(DialogLife::Kept))
            .InDocumentMenu(Popup::Edit, kEditGroups)
            .TreeItem()
            .NotDuringTransfer()
            .Help("product-information.html"),
        Command(ID_CHANNEL_INFORMATION, QT_TRANSLATE_NOOP("CMainFrame", "Channel Information"),
                &CMainFrame::ShowActiveFrame)
            .InDocumentMenu(Popup::Edit, kEditGroups)
            .TreeItem()
            .Help("channel-grid.html"),
        Command(ID_OPTIONAL_FEATURES, QT_TRANSLATE_NOOP("CMainFrame", "Optional Features"),
                Editor<COptionalFeaturesDlg>(DialogLife::Kept))
            .InDocumentMenu(Popup::Edit, kEditFeatures)
            .TreeItem()
            .NotDuringTransfer()
            .Help("optional-features.html"),
        Command(ID_DTMF, QT_TRANSLATE_NOOP("CMainFrame", "DTMF"),
                Editor<CDtmfDlg>(DialogLife::Kept))
            .InDocumentMenu(Popup::Edit, kEditSignalling)
            .TreeItem()
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowSignalling)
            .Help("dtmf.html"),
        Command(ID_TWO_TONE, QT_TRANSLATE_NOOP("CMainFrame", "2-Tone"),
                Editor<CTwoToneDlg>(DialogLife::Kept))
            .InDocumentMenu(Popup::Edit, kEditSignalling)
            .TreeItem()
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowSignalling)
            .Help("two-tone.html"),
        Command(ID_MSK, QT_TRANSLATE_NOOP("CMainFrame", "MSK"), Editor<CMskDlg>(DialogLife::Kept))
            .InDocumentMenu(Popup::Edit, kEditSignalling)
            .TreeItem()
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowSignalling)
            .Help("msk.html"),
        Command(ID_KEY_ASSIGNMENT, QT_TRANSLATE_NOOP("CMainFrame", "Key Assignment"),
                Editor<CKeyAssignDlg>(DialogLife::Anew))
            .InDocumentMenu(Popup::Edit, kEditSignalling)
            .TreeItem()
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowSignalling)
            .Help("key-assignment.html"),
        Command(ID_SQUELCH_TUNING, QT_TRANSLATE_NOOP("CMainFrame", "Squelch Tuning"),
                Editor<CSquelchTuningDlg>(DialogLife::Anew))
            .InDocumentMenu(Popup::Edit, kEditSignalling)
            .TreeItem()
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowSignalling)
            .Help("squelch-tuning.html"),

        // Edit: the channel table. These change the document, so no transfer
        // may run; Copy only reads it.
        Command(ID_EDIT_UNDO_STEP, QT_TRANSLATE_NOOP("CMainFrame", "&Undo"),
                &CMainFrame::OnEditUndo)
            .InDocumentMenu(Popup::Edit, kEditHistory)
            .Keys(Qt::CTRL | Qt::Key_Z, {Qt::ALT | Qt::Key_Backspace})
            .NotDuringTransfer()
            .Help("editing.html#undo"),
        Command(ID_EDIT_REDO_STEP, QT_TRANSLATE_NOOP("CMainFrame", "&Redo"),
                &CMainFrame::OnEditRedo)
            .InDocumentMenu(Popup::Edit, kEditHistory)
            .Keys(Qt::CTRL | Qt::Key_Y, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z})
            .NotDuringTransfer()
            .Help("editing.html#redo"),
        Command(ID_EDIT_CUT_CELLS, QT_TRANSLATE_NOOP("CMainFrame", "Cu&t"),
                &CProgramView::OnEditCut)
            .InDocumentMenu(Popup::Edit, kEditClipboard)
            .Keys(Qt::CTRL | Qt::Key_X, {Qt::SHIFT | Qt::Key_Delete})
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#cut"),
        Command(ID_EDIT_COPY_CELLS, QT_TRANSLATE_NOOP("CMainFrame", "&Copy"),
                &CProgramView::OnEditCopy)
            .InDocumentMenu(Popup::Edit, kEditClipboard)
            .Keys(Qt::CTRL | Qt::Key_C, {Qt::CTRL | Qt::Key_Insert})
            .InGridMenu()
            .Help("editing.html#copy"),
        Command(ID_EDIT_PASTE_CELLS, QT_TRANSLATE_NOOP("CMainFrame", "&Paste"),
                &CProgramView::OnEditPaste)
            .InDocumentMenu(Popup::Edit, kEditClipboard)
            .Keys(Qt::CTRL | Qt::Key_V, {Qt::SHIFT | Qt::Key_Insert})
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#paste"),
        Command(ID_EDIT_DELETE_CELLS, QT_TRANSLATE_NOOP("CMainFrame", "&Delete"),
                &CProgramView::OnEditDelete)
            .InDocumentMenu(Popup::Edit, kEditClipboard)
            .Keys(Qt::Key_Delete)
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#delete"),
        Command(ID_EDIT_INSERT_ROW, QT_TRANSLATE_NOOP("CMainFrame", "&Insert Row"),
                &CProgramView::OnInsertRow)
            .InDocumentMenu(Popup::Edit, kEditRows)
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#insert-row"),
        Command(ID_EDIT_REMOVE_ROWS, QT_TRANSLATE_NOOP("CMainFrame", "Re&move Row"),
                &CProgramView::OnRemoveRows)
            .InDocumentMenu(Popup::Edit, kEditRows)
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#remove-row"),
        Command(ID_EDIT_MOVE_UP, QT_TRANSLATE_NOOP("CMainFrame", "Mov&e Up"),
                &CProgramView::OnMoveRowsUp)
            .InDocumentMenu(Popup::Edit, kEditRows)
            .Keys(Qt::CTRL | Qt::Key_Up)
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#move-up"),
        Command(ID_EDIT_MOVE_DOWN, QT_TRANSLATE_NOOP("CMainFrame", "Move Do&wn"),
                &CProgramView::OnMoveRowsDown)
            .InDocumentMenu(Popup::Edit, kEditRows)
            .Keys(Qt::CTRL | Qt::Key_Down)
            .InGridMenu()
            .NotDuringTransfer()
            .Help("editing.html#move-down"),

        // Program
        Command(ID_PROGRAM_READ, QT_TRANSLATE_NOOP("CMainFrame", "&Read"),
                &DocumentSession::OnProgramRead)
            .InDocumentMenu(Popup::Program, kOnlyGroup)
            .OnToolbar(4, QStyle::SP_ArrowDown, QT_TRANSLATE_NOOP("CMainFrame", "Read"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Read Data From Radio"))
            .Keys(Qt::CTRL | Qt::Key_R)
            .KeyAfter("    ")
            .NotDuringTransfer()
            .Help("process.html#read"),
        Command(ID_PROGRAM_WRITE, QT_TRANSLATE_NOOP("CMainFrame", "&Write"),
                &DocumentSession::OnProgramWrite)
            .InDocumentMenu(Popup::Program, kOnlyGroup)
            .OnToolbar(6, QStyle::SP_ArrowUp, QT_TRANSLATE_NOOP("CMainFrame", "Write"),
                       QT_TRANSLATE_NOOP("CMainFrame", "Write Data To Radio"))
            .Keys(Qt::CTRL | Qt::Key_W)
            .KeyAfter("   ")
            .NotDuringTransfer()
            .Help("process.html#write"),
        Command(ID_CLONE_STATION, QT_TRANSLATE_NOOP("CMainFrame", "Clone &Station..."),
                &CMainFrame::OnCloneStation)
            .InDocumentMenu(Popup::Program, kOnlyGroup)
            .Help("clone-station.html"),

        // Setup
        Command(ID_COM_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "Com Setup"),
                &DocumentSession::OnSetupCom)
            .InDocumentMenu(Popup::Setup, kOnlyGroup)
            .NotDuringTransfer()
            .Help("port-setting.html"),
        Command(ID_LANGUAGE, QT_TRANSLATE_NOOP("CMainFrame", "Language"), &CProgramApp::OnLanguage)
            .InDocumentMenu(Popup::Setup, kOnlyGroup)
            .NotDuringTransfer()
            .Offered(OfferedBy::ShowLang)
            .Help("language.html"),
        Command(ID_VERIFY_AFTER_WRITE, QT_TRANSLATE_NOOP("CMainFrame", "Verify after writing"),
                SafetySetting::VerifyAfterWrite)
            .InDocumentMenu(Popup::Setup, kSetupWriteSafety)
            .NotDuringTransfer()
            .Help("restore-points.html#verify-after-writing"),
        Command(ID_READ_BEFORE_WRITE,
                QT_TRANSLATE_NOOP("CMainFrame", "Read the radio before writing"),
                SafetySetting::ReadBeforeWrite)
            .InDocumentMenu(Popup::Setup, kSetupWriteSafety)
            .NotDuringTransfer()
            .Help("restore-points.html#read-before-writing"),

        // View
        Command(ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"), Panel::ToolBar)
            .InMenus(Popup::View, kViewBars)
            .Help("main-window.html#view"),
        Command(ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"),
                Panel::StatusBar)
            .InMenus(Popup::View, kViewBars)
            .Help("main-window.html#view"),
        Command(ID_CONTROL_BAR, QT_TRANSLATE_NOOP("CMainFrame", "Control &Bar"),
                Panel::NavigationBar)
            .InDocumentMenu(Popup::View, kViewControlBar)
            .Keys(Qt::CTRL | Qt::Key_B)
            .KeyAfter("   ")
            .Help("main-window.html#navigation"),

        // Window; the list of the documents follows (main_frame_children.cpp)
        Command(ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("CMainFrame", "&Cascade"),
                &CMainFrame::OnWindowCascade)
            .InDocumentMenu(Popup::Window, kWindowArrange)
            .Help("main-window.html#window"),
        Command(ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("CMainFrame", "&Tile"),
                &CMainFrame::OnWindowTile)
            .InDocumentMenu(Popup::Window, kWindowArrange)
            .Help("main-window.html#window"),
        Command(ID_NEXT_PANE, QT_TRANSLATE_NOOP("CMainFrame", "Ne&xt"),
                &CMainFrame::OnWindowNext)
            .InDocumentMenu(Popup::Window, kWindowCycle)
            .Keys(Qt::Key_F6, {Qt::CTRL | Qt::Key_F6})
            .Help("main-window.html#window"),
        Command(ID_PREV_PANE, QT_TRANSLATE_NOOP("CMainFrame", "Pre&vious"),
                &CMainFrame::OnWindowPrevious)
            .InDocumentMenu(Popup::Window, kWindowCycle)
            .Keys(Qt::SHIFT | Qt::Key_F6, {Qt::CTRL | Qt::SHIFT | Qt::Key_F6})
            .Help("main-window.html#window"),

        // Help
        Command(ID_HELP_TOPICS, QT_TRANSLATE_NOOP("CMainFrame", "&Help Topics"),
                &CMainFrame::OnHelpTopics)
            .InDocumentMenu(Popup::Help, kHelpTopics)
            .Help("main-window.html#help"),
        Command(ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About ..."),
                &CProgramApp::OnAppAbout)
            .InMenus(Popup::Help, kHelpAbout)
            .OnToolbar(
                9, QStyle::SP_MessageBoxInformation, QT_TRANSLATE_NOOP("CMainFrame", "About"),
                QT_TRANSLATE_NOOP("CMainFrame", "Display program information, version number and "
                                                "copyright"))
            .NotDuringTransfer()
            .Help("about.html"),
        // F1: the help of the window, by the menu resource in use.
        Command(ID_HELP, nullptr, &CMainFrame::OnContextHelp)
            .Keys(Qt::Key_F1)
            .Help("main-window.html#help"),
    };
    return rows;
}

} // namespace

std::span<const Command> CommandTable() {
    return Rows();
}

const Command* FindCommand(int id) {
    const std::span<const Command> rows = CommandTable();
    const auto it =
        std::find_if(rows.begin(), rows.end(), [id](const Command& row) { return row.id == id; });
    return it == rows.end() ? nullptr : &*it;
}

bool IsEditCommandKey(QKeyCombination key) {
    if (key.keyboardModifiers() == Qt::NoModifier ||
        key.keyboardModifiers() == Qt::KeypadModifier) {
        return false;
    }
    const QKeySequence pressed(key);
    return std::any_of(Rows().begin(), Rows().end(), [&pressed](const Command& row) {
        return row.menu.popup == Popup::Edit &&
               (row.accelerator == pressed || row.alternateKeys.contains(pressed));
    });
}

