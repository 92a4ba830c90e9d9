#pragma once
// A report page as drawing items. Coordinates are twips (1/1440 inch), x to
// the right and y upwards from the top-left corner of the printable area, so
// everything on the page has a y of 0 or below.

#include <string>
#include <vector>

namespace report {

// A font of the report's one face: character height (the em, without
// internal leading) and average character width, in twips.
struct FontRequest {
    int height = 0;
    int averageWidth = 0;

    bool operator==(const FontRequest&) const = default;
};

// A text whose top-left corner lies at (x, y). UTF-8.
struct TextItem {
    int x = 0;
    int y = 0;
    std::string text;
    FontRequest font;

    bool operator==(const TextItem&) const = default;
};

// A straight line from (x1, y1) to (x2, y2).
struct RuleItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    bool operator==(const RuleItem&) const = default;
};

struct ReportPage {
    std::vector<TextItem> texts;
    std::vector<RuleItem> rules;

    void Text(int x, int y, std::string text, FontRequest font) {
        texts.push_back({x, y, std::move(text), font});
    }
    void Rule(int x1, int y1, int x2, int y2) { rules.push_back({x1, y1, x2, y2}); }
};

} // namespace report
