#include "model/text_catalogue.h"

#include <cstring>

bool TextId::operator==(const TextId& other) const {
    return std::strcmp(context, other.context) == 0 && std::strcmp(source, other.source) == 0;
}

namespace {

class Sources final : public TextCatalogue {
public:
    Sources() : TextCatalogue(false) {}
    std::string Translate(const char* /*context*/, const char* source,
                          const char* /*disambiguation*/) const override {
        return source;
    }
};

} // namespace

const TextCatalogue& SourceTexts() {
    static const Sources sources;
    return sources;
}

std::string FormatText(std::string_view pattern, const std::vector<std::string>& args) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += args[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
