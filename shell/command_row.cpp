#include "shell/command_row.h"

#include "shell/command_table.h"

Command Command::InMenus(Popup popup, int group) const {
    Command row = InDocumentMenu(popup, group);
    row.menu.withoutDocument = true;
    return row;
}

Command Command::InDocumentMenu(Popup popup, int group) const {
    Command row = *this;
    row.menu.popup = popup;
    row.menu.group = group;
    row.menu.withDocument = true;
    return row;
}

Command Command::TextWithoutDocument(const char* source) const {
    Command row = *this;
    row.menu.withoutDocumentText = source;
    return row;
}

Command Command::OnToolbar(int slot, QStyle::StandardPixmap icon, const char* tip,
                           const char* prompt) const {
    Command row = *this;
    row.toolbar = ToolbarPlace{slot, icon, tip, prompt};
    return row;
}

Command Command::Keys(const QKeySequence& keys, const QList<QKeySequence>& alternates) const {
    Command row = *this;
    row.accelerator = keys;
    row.alternateKeys = alternates;
    return row;
}

Command Command::KeyAfter(const char* gap) const {
    Command row = *this;
    row.keyGap = gap;
    return row;
}

Command Command::NotDuringTransfer() const {
    Command row = *this;
    row.allowedDuringTransfer = false;
    return row;
}

Command Command::TreeItem() const {
    Command row = *this;
    row.inTree = true;
    return row;
}

Command Command::InGridMenu() const {
    Command row = *this;
    row.inGridMenu = true;
    return row;
}

Command Command::Offered(OfferedBy setting) const {
    Command row = *this;
    row.offeredBy = setting;
    return row;
}

Command Command::Help(const char* topic) const {
    Command row = *this;
    row.helpTopic = topic;
    return row;
}

bool IsOffered(const Command& command, const CommandOptions& options) {
    switch (command.offeredBy) {
    case OfferedBy::ShowLang:
        return options.showLanguage;
    case OfferedBy::ShowSignalling:
        return options.showSignalling;
    case OfferedBy::Always:
        break;
    }
    return true;
}

QString PopupTitle(Popup popup) {
    switch (popup) {
    case Popup::File:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&File"));
    case Popup::Edit:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&Edit"));
    case Popup::Program:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&Program"));
    case Popup::Setup:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&Setup"));
    case Popup::View:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&View"));
    case Popup::Window:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&Window"));
    case Popup::Help:
        return CommandText(QT_TRANSLATE_NOOP("CMainFrame", "&Help"));
    case Popup::None:
        break;
    }
    return {};
}
