#pragma once
// CMainFrame: the main window. It carries the menus, the toolbar, the status
// bar and the navigation panel with its tree (built from the command table),
// holds the document windows in its client area, owns the reused settings
// dialogs and routes every command by its row of the command table.
//
// main_frame.cpp builds the window; main_frame_routing.cpp routes the
// commands and keeps the menus up to date; main_frame_children.cpp manages
// the document windows; main_frame_saving.cpp saves and asks about unsaved
// changes; main_frame_exchange.cpp and main_frame_history.cpp hold the
// channel list and restore point commands; main_frame_windows.cpp the Window
// menu, the captions and the recently used files; main_frame_stations.cpp
// opens the Clone Station window.

#include "dialogs/radio_history_dialog.h"
#include "exchange/channel_import.h"
#include "link/transfer_result.h"
#include "shell/child_frame.h"
#include "shell/command_table.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CCloneStationDlg;
class CommandBars;
class RecentFiles;
class CProgramDoc;
struct ProgramContext;
class ImageDialog;
class QAction;
class QMdiArea;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the menus, the toolbar, the accelerators and the navigation
    // tree of the commands that options offer. context: the program's, which
    // outlives the frame; every document window works with it.
    CMainFrame(const CommandOptions& options, ProgramContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Runs the command `id` as if its menu item, toolbar button, accelerator
    // or tree item had been chosen: as its row of the command table says,
    // and not at all while a transfer runs when the row does not allow it.
    void OnCommand(int id);

    // The first action of the frame that carries `id`: the accelerator's when
    // there is one, else the first menu item's. Null when none carries it.
    QAction* CommandAction(int id) const;
    // The pop-up menus of menu 128 (no document) and 129 (a document open).
    const std::vector<QMenu*>& MenusWithoutDocument() const;
    const std::vector<QMenu*>& MenusWithDocument() const;
    // The menu bar's current pop-ups (one of the two sets above).
    std::vector<QMenu*> CurrentMenus() const;

    QTreeWidget* NavigationTree() const { return m_tree; }
    QWidget* NavigationPanel() const { return m_navigation; }
    QMdiArea* MdiArea() const { return m_mdi; }
    ProgramContext& Context() const { return m_context; }

    // Documents. The active document window is the one last activated, also
    // while it is hidden; null when there is none.
    CChildFrame* ActiveChild() const { return m_activeChild; }
    CProgramDoc* ActiveDocument() const;
    std::vector<CChildFrame*> Children() const;
    // The files of the open documents that have one (a new document has
    // none), the active document's last.
    QStringList OpenFilePaths() const;
    // Shows a new document window for the document and decodes it.
    CChildFrame* AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    // Destroys a document window and with it its document.
    void DestroyChild(CChildFrame* child);
    // Hides the active document window (File Close); the main window itself
    // is never hidden.
    void HideActiveChild();

    // The recently used files of the File menu; opening and saving a file
    // put it at the top.
    RecentFiles& Recent() const { return *m_recent; }
    // The pop-up of the menu bar with a document open (with documentMenus)
    // or without one; null when that menu has no such pop-up.
    QMenu* PopupMenu(Popup popup, bool documentMenus) const;

    // Command handlers of the frame, named by the command table.
    // Channel Information: shows the active document window in its normal
    // state, or the main window itself when there is none.
    void ShowActiveFrame();
    void OnFileSave();
    void OnFileSaveAs();
    // File > Import Channels: reads a CSV channel list chosen by the user and,
    // after a summary answered with OK, replaces the active document's
    // channel table in one change; Import Channels into Empty Rows puts the
    // channels only into rows without one. File > Export Channels: writes
    // the table as a CSV channel list of the layout the user chooses.
    void OnImportChannels();
    void OnImportChannelsIntoEmpty();
    void OnExportChannels();
    // File > Radio History...: a kept read chosen there opens as a document.
    void OnRadioHistory();
    // File > Compare With...: the active document (its grid encoded first)
    // against a kept read or another file, as a list of differences.
    void OnCompareWith();
    // Program > Clone Station...: the window that writes the active document
    // into many radios (one window, shown again at each request).
    void OnCloneStation();
    // The Clone Station window; null until it was first opened.
    CCloneStationDlg* CloneStationWindow() const;
    void OnAppExit();
    // Window > Cascade and Tile arrange the document windows in sight; Next
    // (F6, Ctrl+F6) and Previous (Shift+F6) bring the next or previous of
    // them to the front, in the order they were opened, round the ends.
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowNext();
    void OnWindowPrevious();
    void OnHelpTopics();
    // F1: the help of the menu resource in use.
    void OnContextHelp();
    // Edit > Undo and Redo in the active document's history.
    void OnEditUndo();
    void OnEditRedo();

    // Runs standIn's dialogs instead of the editor command's own (tests
    // observe them here). The stand-in of a kept dialog is called once; the
    // dialog is kept.
    using DialogFactory = std::function<ImageDialog*(QWidget* parent)>;
    void SetEditorDialog(int id, DialogFactory standIn, bool kept);

    // A document's transfer is running: nothing may start another one or
    // close a document until it ends.
    bool TransferRunning() const;

    // Asks for the file name of Save As (tests answer here instead of a file
    // dialog); an empty answer cancels.
    void SetSaveFileNameProvider(std::function<QString(const QString& suggested)> provider) {
        m_askSaveFileName = std::move(provider);
    }

    // Asks for the file of Import Channels (forExport false) or Export
    // Channels (true, with the layout to write). Tests answer here instead of
    // a file dialog; an empty path cancels.
    struct ChannelListChoice {
        QString path;
        exchange::CsvLayout layout = exchange::CsvLayout::Program;
    };
    void SetChannelListProvider(std::function<ChannelListChoice(bool forExport)> provider) {
        m_askChannelList = std::move(provider);
    }
    // Chooses a kept read or, to compare with, another file (tests answer
    // here instead of the Radio History dialog); empty: nothing chosen.
    using HistoryChooser = std::function<QString(CRadioHistoryDlg::Purpose)>;
    void SetHistoryChooser(HistoryChooser chooser) { m_chooseHistory = std::move(chooser); }

    // Message pane of the status bar.
    void SetStatusMessage(const QString& text);
    QString StatusMessage() const;

signals:
    // Emitted for the commands the application object handles (the rows
    // with an AppHandler: New, Open, the reports, About, Language).
    void applicationCommand(int id);
    // A file was dropped onto the window: the application opens it.
    void fileDropped(const QString& path);
    // A kept read was chosen to be opened as a document.
    void openDocumentRequested(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // An editor command's stand-in, and its kept dialog.
    struct EditorDialog {
        DialogFactory standIn;
        bool standInKept = false;
        QPointer<ImageDialog> instance;
    };

    void CreateStatusBar();
    void CreateNavigation();
    void Route(const Command& command);
    QWidget* PanelWidget(Panel panel) const;
    void ShowMenuSet(bool withDocument);
    void UpdateCommandUI();
    void OnTreeSelectionChanged();
    void OnChildActivated(QWidget* window);
    // Deletes a document window, forgetting it first when it is the active
    // one: while it is destroyed the workspace may announce another
    // activation or its hiding, and the caption must not be read from the
    // window half-way through.
    void DeleteChild(CChildFrame* child);
    void OnTransferEnded(TransferOutcome outcome, int channels, const QString& resultLine);
    // No document window is larger than the workspace that holds it.
    void FitChildrenToWorkspace();
    // Shows a document window (hidden or minimised ones too) in front of the
    // others and makes it the active one.
    void BringToFront(CChildFrame* child);
    // The document windows that are not hidden, in the order they opened.
    std::vector<CChildFrame*> ShownChildren() const;
    void CycleWindows(int step);
    // The main window's caption: the program's title followed by the
    // active document window's caption while that window is in sight.
    QString Caption() const;
    void UpdateCaption();
    // The Window menu's list of every open document, hidden ones too, by
    // its caption; the active one checked. Choosing one shows it.
    void FillWindowMenu(QMenu& menu);
    void FillRecentFiles(QMenu& menu);
    // A missing file is taken off the list with a message; else it opens.
    void OnRecentFileChosen(const QString& path);
    void RunEditor(const Command& command, const EditorHandler& handler);
    void SaveDocument(bool askName);
    bool SaveDocumentOf(CChildFrame* child, bool askName);
    bool ConfirmDiscardChanges();
    QString AskSaveFileName(const QString& suggested);
    ChannelListChoice AskChannelList(bool forExport);
    ChannelListChoice AskChannelListFile(bool forExport);
    void ImportChannels(exchange::Placement placement);
    QString ChooseFromHistory(CRadioHistoryDlg::Purpose purpose);

    ProgramContext& m_context;
    QMdiArea* m_mdi = nullptr;
    QWidget* m_navigation = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_root = nullptr;
    std::unique_ptr<CommandBars> m_commands;
    RecentFiles* m_recent = nullptr;
    // The program's title ("Title" of the language section).
    QString m_appTitle;
    bool m_settingCaption = false;
    // The document items the Window menu holds now.
    std::vector<QPointer<QAction>> m_windowItems;
    std::map<int, EditorDialog> m_editors;
    QPointer<CChildFrame> m_activeChild;
    bool m_showingDocumentMenus = false;
    std::function<QString(const QString&)> m_askSaveFileName;
    std::function<ChannelListChoice(bool)> m_askChannelList;
    HistoryChooser m_chooseHistory;
    QPointer<CCloneStationDlg> m_cloneStation;
};
