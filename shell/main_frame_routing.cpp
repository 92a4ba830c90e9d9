// The main window's commands: each chosen command runs as its row of the
// command table says, the menus and the state of their items follow the
// document windows and the transfers, and the editor commands run their
// settings dialogs on the active document.

#include "shell/main_frame.h"

#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_bars.h"
#include "transfer/clone_station_dialog.h"
#include "ui/image_dialog.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <variant>

namespace {

// One callable made of several lambdas, one for each alternative of a variant.
template <typename... Fns> struct Overloaded : Fns... { using Fns::operator()...; };
template <typename... Fns> Overloaded(Fns...) -> Overloaded<Fns...>;

} // namespace

void CMainFrame::OnCommand(int id) {
    if (const Command* command = FindCommand(id);
        command && (command->allowedDuringTransfer || !TransferRunning())) {
        Route(*command);
    }
    UpdateCommandUI();
}

void CMainFrame::Route(const Command& command) {
    std::visit(Overloaded{
                   [this](FrameHandler handler) { (this->*handler)(); },
                   [this](ViewHandler handler) {
                       if (m_activeChild) {
                           (m_activeChild->View().*handler)();
                       }
                   },
                   [this](SessionHandler handler) {
                       if (m_activeChild) {
                           (m_activeChild->Session().*handler)();
                       }
                   },
                   [this](Panel panel) {
                       QWidget* widget = PanelWidget(panel);
                       widget->setVisible(widget->isHidden());
                   },
                   [this, &command](AppHandler) { emit applicationCommand(command.id); },
                   [this, &command](EditorHandler editor) { RunEditor(command, editor); },
                   [this](SafetySetting setting) {
                       ToggleSafetySetting(m_context.Profile(), setting);
                       if (m_cloneStation) {
                           m_cloneStation->ShowSafety();
                       }
                   },
               },
               command.handler);
}

QWidget* CMainFrame::PanelWidget(Panel panel) const {
    switch (panel) {
    case Panel::ToolBar:
        return m_commands->ToolBar();
    case Panel::StatusBar:
        return statusBar();
    case Panel::NavigationBar:
        break;
    }
    return m_navigation;
}

QAction* CMainFrame::CommandAction(int id) const {
    return m_commands->CommandAction(id);
}

const std::vector<QMenu*>& CMainFrame::MenusWithoutDocument() const {
    return m_commands->MenusWithoutDocument();
}

const std::vector<QMenu*>& CMainFrame::MenusWithDocument() const {
    return m_commands->MenusWithDocument();
}

std::vector<QMenu*> CMainFrame::CurrentMenus() const {
    return m_showingDocumentMenus ? MenusWithDocument() : MenusWithoutDocument();
}

void CMainFrame::ShowMenuSet(bool withDocument) {
    if (withDocument == m_showingDocumentMenus && !menuBar()->actions().isEmpty()) {
        return;
    }
    m_showingDocumentMenus = withDocument;
    menuBar()->clear();
    for (QMenu* menu : CurrentMenus()) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::UpdateCommandUI() {
    const bool idle = !TransferRunning();
    for (const Command& command : CommandTable()) {
        const Panel* panel = std::get_if<Panel>(&command.handler);
        const SafetySetting* setting = std::get_if<SafetySetting>(&command.handler);
        for (QAction* action : m_commands->Actions(command.id)) {
            if (panel && action->isCheckable()) {
                action->setChecked(!PanelWidget(*panel)->isHidden());
            }
            if (setting && action->isCheckable()) {
                action->setChecked(IsSafetySettingOn(m_context.Profile(), *setting));
            }
            if (!command.allowedDuringTransfer) {
                action->setEnabled(idle);
            }
        }
    }
}

void CMainFrame::SetEditorDialog(int id, DialogFactory standIn, bool kept) {
    EditorDialog& editor = m_editors[id];
    delete editor.instance;
    editor = EditorDialog{std::move(standIn), kept, nullptr};
}

void CMainFrame::RunEditor(const Command& command, const EditorHandler& handler) {
    CChildFrame* child = m_activeChild;
    if (!child) {
        return;
    }
    // A stand-in set for the command replaces the row's dialog.
    EditorDialog& editor = m_editors[command.id];
    const bool kept = editor.standIn ? editor.standInKept : handler.life == DialogLife::Kept;
    ImageDialog* dialog = editor.instance;
    if (!dialog) {
        dialog =
            editor.standIn ? editor.standIn(this) : handler.make(this, m_context, child->Session().WireLog());
    }
    if (kept) {
        editor.instance = dialog;
    }
    dialog->DoModal(child->Document().Image());
    // OK that changed the image is a step of the document's history.
    child->History().Record(CommandText(command.text));
    if (!kept) {
        delete dialog;
    }
}

void CMainFrame::OnEditUndo() {
    if (m_activeChild) {
        m_activeChild->History().Undo();
    }
}

void CMainFrame::OnEditRedo() {
    if (m_activeChild) {
        m_activeChild->History().Redo();
    }
}
