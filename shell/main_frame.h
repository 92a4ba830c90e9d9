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
// channel list and restore point commands.

#include "dialogs/radio_history_dialog.h"
#include "exchange/channel_import.h"
#include "link/transfer_result.h"
#include "shell/child_frame.h"
#include "shell/command_table.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CommandBars;
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
    // Shows a new document window for the document and decodes it.
    CChildFrame* AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    // Destroys a document window and with it its document.
    void DestroyChild(CChildFrame* child);
    // Hides the active document window (File Close); the main window itself
    // is never hidden.
    void HideActiveChild();

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
    void OnAppExit();
    void OnHelpTopics();
    // F1: the help of the menu resource in use.
    void OnContextHelp();
    // Edit > Undo and Redo in the active document's history.
    void OnEditUndo();
    void OnEditRedo();

    // Runs the dialogs of the editor commands on the active document's image
    // (tests observe them here). The factory of a reused dialog is called
    // once; the dialog is kept.
    using DialogFactory = std::function<ImageDialog*(QWidget* parent)>;
    void SetEditorDialog(int id, DialogFactory factory, bool reused);

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
    // Emitted for the commands the application object handles (New, Open,
    // About, Print Setup, Language).
    void applicationCommand(int id);
    // A file was dropped onto the window: the application opens it.
    void fileDropped(const QString& path);
    // A kept read was chosen to be opened as a document.
    void openDocumentRequested(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct EditorDialog {
        DialogFactory factory;
        bool reused = false;
        QPointer<ImageDialog> instance;
    };

    void CreateStatusBar();
    void CreateNavigation();
    void Route(const Command& command);
    void RouteTo(Receiver receiver, int id);
    QWidget* PanelWidget(Panel panel) const;
    void ShowMenuSet(bool withDocument);
    void UpdateCommandUI();
    void OnTreeSelectionChanged();
    void OnChildActivated(QWidget* window);
    void OnTransferEnded(TransferDirection direction, TransferOutcome outcome, int channels,
                         qint64 elapsedMs);
    // No document window is larger than the workspace that holds it.
    void FitChildrenToWorkspace();
    // Shows a document window (hidden or minimised ones too) in front of the
    // others and makes it the active one.
    void BringToFront(CChildFrame* child);
    void RunEditor(int id);
    void SaveDocument(bool askName);
    bool SaveDocumentOf(CChildFrame* child, bool askName);
    bool ConfirmDiscardChanges();
    QString AskSaveFileName(const QString& suggested);
    ChannelListChoice AskChannelList(bool forExport);
    void ImportChannels(exchange::Placement placement);
    QString ChooseFromHistory(CRadioHistoryDlg::Purpose purpose);

    ProgramContext& m_context;
    QMdiArea* m_mdi = nullptr;
    QWidget* m_navigation = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_root = nullptr;
    std::unique_ptr<CommandBars> m_commands;
    std::map<int, EditorDialog> m_editors;
    QPointer<CChildFrame> m_activeChild;
    bool m_showingDocumentMenus = false;
    std::function<QString(const QString&)> m_askSaveFileName;
    std::function<ChannelListChoice(bool)> m_askChannelList;
    HistoryChooser m_chooseHistory;
};
