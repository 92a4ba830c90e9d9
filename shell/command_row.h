#pragma once
// A row of the command table (command_table.h): all there is to know about
// one command: its id and texts, where it is offered (the menu without a
// document, the menu with one, the toolbar, the accelerators, the navigation
// tree), whether it carries a check mark, whether it stays available while a
// transfer with the radio runs, who handles it and which help page tells of
// it. Rows are written as Command(id, text, handler) followed by the calls
// that place the command.

#include "session/write_safety_settings.h"
#include "settings/program_context.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>
#include <string>
#include <type_traits>
#include <variant>

class CMainFrame;
class CProgramApp;
class CProgramView;
class DocumentSession;
class ImageDialog;
class QWidget;

// The pop-up menus of the menu bar, in the order in which they stand there.
// A menu bar holds the pop-ups that have at least one item in it.
enum class Popup { None, File, Edit, Program, Setup, View, Window, Help };
// The pop-up's title in the language in use.
QString PopupTitle(Popup popup);

// The [Setup] value of "Program.ini" that offers a command.
enum class OfferedBy {
    Always,
    ShowLang,       // "ShowLang" other than 0
    ShowSignalling, // "ShowSignalling" equal to 1
};

// The start-up's reading of those values.
struct CommandOptions {
    bool showLanguage = false;
    bool showSignalling = false;
};

// A panel of the main frame that its command shows when hidden and hides
// when shown; the command's menu item is checked while the panel is visible.
enum class Panel { ToolBar, StatusBar, NavigationBar };

using FrameHandler = void (CMainFrame::*)();
// Runs on the active document's view or session; without a document nothing
// happens.
using ViewHandler = void (CProgramView::*)();
using SessionHandler = void (DocumentSession::*)();
// Runs on the application (CProgramApp, through CMainFrame::applicationCommand).
using AppHandler = void (CProgramApp::*)();
// A settings dialog on the active document's image: make builds it (with the
// program's context when the dialog works with it; wireLog: the file the
// document's transfers append their wire log to); a Kept dialog
// is built once and shown again at each request, the others anew each time.
enum class DialogLife { Kept, Anew };
struct EditorHandler {
    ImageDialog* (*make)(QWidget* parent, ProgramContext& context,
                         const std::string& wireLog) = nullptr;
    DialogLife life = DialogLife::Anew;
    bool operator==(const EditorHandler&) const = default;
};
// The handler of an editor command that runs Dialog; a dialog that talks to
// the radio itself appends to the document's wire log.
template <typename Dialog>
ImageDialog* MakeEditor(QWidget* parent, ProgramContext& context, const std::string& wireLog) {
    Dialog* dialog = nullptr;
    if constexpr (std::is_constructible_v<Dialog, ProgramContext&, QWidget*>) {
        dialog = new Dialog(context, parent);
    } else {
        dialog = new Dialog(parent, context.Texts().bChinese());
    }
    if constexpr (requires { dialog->SetWireLog(wireLog); }) {
        dialog->SetWireLog(wireLog);
    }
    return dialog;
}
template <typename Dialog> constexpr EditorHandler Editor(DialogLife life) {
    return {&MakeEditor<Dialog>, life};
}
// A SafetySetting command switches its setting on and off and carries a
// check mark while it is on.
using CommandHandler = std::variant<FrameHandler, ViewHandler, SessionHandler, AppHandler,
                                    EditorHandler, Panel, SafetySetting>;

// The place of a command in the menus.
struct MenuPlace {
    Popup popup = Popup::None;
    // Neighbouring items of different groups have a separator between them.
    int group = 0;
    bool withoutDocument = false; // in menu 128
    bool withDocument = false;    // in menu 129
    // The item's text in menu 128 where it differs from the command's text.
    const char* withoutDocumentText = nullptr;
};

// The place of a command on the toolbar.
struct ToolbarPlace {
    // The button's index on the toolbar, counting separators; an index that
    // no command takes is a separator. Negative: not on the toolbar.
    int slot = -1;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    const char* tip = nullptr;
    // The status bar's text while the pointer rests on the button.
    const char* prompt = nullptr;
};

// A row of the table.
struct Command {
    int id = 0;
    // The text of the menu item (menu 129) and of the tree item; a menu item
    // shows its accelerator after it (MenuText).
    const char* text = nullptr;
    CommandHandler handler;
    MenuPlace menu;
    ToolbarPlace toolbar;
    QKeySequence accelerator;
    // Further keys of the same command (the accelerator is the first).
    QList<QKeySequence> alternateKeys;
    // What stands between a menu item's text and its accelerator: a tab (the
    // menu's column of keys) or spaces (the key as part of the text).
    const char* keyGap = "\t";
    // A panel's or a setting's command carries a check mark in the menus.
    bool checkable = false;
    bool allowedDuringTransfer = true;
    bool inTree = false;
    // Offered in the channel grid's context menu too.
    bool inGridMenu = false;
    OfferedBy offeredBy = OfferedBy::Always;
    // The help page F1 on the command's menu item opens: "page.html" or
    // "page.html#anchor".
    const char* helpTopic = nullptr;

    Command(int commandId, const char* commandText, CommandHandler commandHandler)
        : id(commandId), text(commandText), handler(commandHandler),
          checkable(std::holds_alternative<Panel>(commandHandler) ||
                    std::holds_alternative<SafetySetting>(commandHandler)) {}

    // In the pop-up of both menus, or of menu 129 only.
    Command InMenus(Popup popup, int group) const;
    Command InDocumentMenu(Popup popup, int group) const;
    Command TextWithoutDocument(const char* source) const;
    Command OnToolbar(int slot, QStyle::StandardPixmap icon, const char* tip,
                      const char* prompt) const;
    Command Keys(const QKeySequence& keys, const QList<QKeySequence>& alternates = {}) const;
    Command KeyAfter(const char* gap) const;
    // While a transfer runs the command's items are disabled and the
    // command does nothing: nothing may start another transfer, close a
    // document or change the image the transfer works on, and the
    // application runs none of its commands.
    Command NotDuringTransfer() const;
    Command TreeItem() const;
    Command InGridMenu() const;
    Command Offered(OfferedBy setting) const;
    Command Help(const char* topic) const;
};

// Whether the start-up options offer the command.
bool IsOffered(const Command& command, const CommandOptions& options);
