// The texts of the command table in the language in use, and the menu items'
// texts with the accelerators they show.

#include "shell/command_table.h"

#include <QCoreApplication>

QString CommandText(const char* source) {
    return QCoreApplication::translate("CMainFrame", source);
}

QString MenuText(const Command& command, bool withDocument) {
    QString text = CommandText(!withDocument && command.menu.withoutDocumentText
                                   ? command.menu.withoutDocumentText
                                   : command.text);
    if (!command.accelerator.isEmpty()) {
        text += QLatin1String(command.keyGap) +
                command.accelerator.toString(QKeySequence::PortableText);
    }
    return text;
}
