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
void openPage(HelpCommand command, int data, const std::string& file) {
    std::string base = file;
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

void request(HelpCommand command, int data, const std::string& file) {
    if (handler()) {
        handler()(command, data, file);
        return;
    }
    openPage(command, data, file);
}

} // namespace

void HelpService::DisplayTopic(QWidget*, const std::string& file) {
    request(HelpCommand::DisplayTopic, 0, file);
}

void HelpService::ShowContext(QWidget*, int contextId, const std::string& file) {
    request(HelpCommand::HelpContext, contextId, file);
}

void HelpService::SetHandler(Handler h) {
    handler() = std::move(h);
}
