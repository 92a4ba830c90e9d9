#include "shell/services/active_document.h"

namespace {

std::function<RadioImage*()>& provider() {
    static std::function<RadioImage*()> p;
    return p;
}

std::function<void()>& changedHandler() {
    static std::function<void()> h;
    return h;
}

} // namespace

RadioImage* ActiveImage() { return provider() ? provider()() : nullptr; }

void SetActiveImageProvider(std::function<RadioImage*()> p) { provider() = std::move(p); }

void NotifyActiveImageChanged() {
    if (changedHandler()) {
        changedHandler()();
    }
}

void SetActiveImageChangedHandler(std::function<void()> handler) {
    changedHandler() = std::move(handler);
}
