#include "ui/active_document.h"

namespace {

std::function<RadioImage*()>& provider() {
    static std::function<RadioImage*()> p;
    return p;
}

} // namespace

RadioImage* ActiveImage() {
    return provider() ? provider()() : nullptr;
}

void SetActiveImageProvider(std::function<RadioImage*()> p) {
    provider() = std::move(p);
}
