#include "ui/help_service.h"

#include "ui/app_globals.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

HelpService::Handler& handler() {
    static HelpService::Handler h;
    return h;
}

// The help set is a folder of HTML pages beside the program, named after the
// help file: "<help file without .chm>/index.html" and "<number>.html" for a
// context. A missing page opens nothing, as a missing help viewer would.
void openPage(HelpCommand command, int data) {
    std::string base = g_strHelpFile;
    if (const auto dot = base.rfind('.'); dot != std::string::npos) {
        base.erase(dot);
    }
    const QString page = command == HelpCommand::DisplayTopic ? QStringLiteral("index.html")
                                                              : QStringLiteral("%1.html").arg(data);
    const QString path = QString::fromStdString(g_strAppDir + base + "/") + page;
    if (QFileInfo::exists(path)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

void request(HelpCommand command, int data) {
    if (handler()) {
        handler()(command, data);
        return;
    }
    openPage(command, data);
}

} // namespace

void HelpService::DisplayTopic(QWidget*) {
    request(HelpCommand::DisplayTopic, 0);
}

void HelpService::ShowContext(QWidget*, int contextId) {
    request(HelpCommand::HelpContext, contextId);
}

void HelpService::SetHandler(Handler h) {
    handler() = std::move(h);
}
