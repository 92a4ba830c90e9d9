#include "ui/help_service.h"

namespace {

HelpService::Handler& handler() {
    static HelpService::Handler h;
    return h;
}

struct ViewerOfProgram {
    HelpService::Viewer viewer;
    std::string languageFile;
};

ViewerOfProgram& viewer() {
    static ViewerOfProgram v;
    return v;
}

void request(QWidget* owner, HelpCommand command, int data, const std::string& named) {
    const std::string& file = named.empty() ? viewer().languageFile : named;
    if (handler()) {
        handler()(command, data, file);
    } else if (viewer().viewer) {
        viewer().viewer(owner, command, data, file);
    }
}

} // namespace

void HelpService::DisplayTopic(QWidget* owner, const std::string& file) {
    request(owner, HelpCommand::DisplayTopic, 0, file);
}

void HelpService::ShowContext(QWidget* owner, int contextId, const std::string& file) {
    request(owner, HelpCommand::HelpContext, contextId, file);
}

void HelpService::SetViewer(Viewer v, std::string languageFile) {
    viewer() = {std::move(v), std::move(languageFile)};
}

void HelpService::SetHandler(Handler h) {
    handler() = std::move(h);
}
