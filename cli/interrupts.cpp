#include "cli/interrupts.h"

namespace {

std::atomic<bool> g_interrupted{false};

void OnInterrupt(int) {
    g_interrupted.store(true);
}

} // namespace

InterruptAsCancel::InterruptAsCancel() {
    g_interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &m_previous[i]);
    }
}

InterruptAsCancel::~InterruptAsCancel() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &m_previous[i], nullptr);
    }
}

const std::atomic<bool>& InterruptAsCancel::Flag() {
    return g_interrupted;
}

SerialPortsApplication::SerialPortsApplication() {
    static int argc = 1;
    static char name[] = "program-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        m_app.emplace(argc, argv);
    }
}
