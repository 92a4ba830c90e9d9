#include "ui/help_service.h"

namespace {

HelpService::Handler& handler() {
    static HelpService::Handler h;
    return h;
}

HelpService::Viewer& viewer() {
    static HelpService::Viewer v;
    return v;
}

void request(QWidget* owner, HelpCommand command, int data, const std::string& file) {
    if (handler()) {
        handler()(command, data, file);
    } else if (viewer()) {
        viewer()(owner, command, data, file);
    }
}

} // namespace

void HelpService::DisplayTopic(QWidget* owner, const std::string& file) {
    request(owner, HelpCommand::DisplayTopic, 0, file);
}

void HelpService::ShowContext(QWidget* owner, int contextId, const std::string& file) {
    request(owner, HelpCommand::HelpContext, contextId, file);
}

void HelpService::SetViewer(Viewer v) {
    viewer() = std::move(v);
}

void HelpService::SetHandler(Handler h) {
    handler() = std::move(h);
}
