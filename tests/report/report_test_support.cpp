#include "tests/report/report_test_support.h"

namespace report_test {

report::PageScale Scale() {
    return report::MakePageScale(kPrintable, FixedMetrics());
}

ChannelTable TableWithRows(const std::vector<int>& rows) {
    ChannelTable table;
    for (const int row : rows) {
        Cell(table, row, kColRx) = "145.00000";
        Cell(table, row, kColName) = "CH" + std::to_string(row);
    }
    return table;
}

ChannelTable TableWithFirstRows(int count) {
    std::vector<int> rows;
    for (int row = 1; row <= count; ++row) {
        rows.push_back(row);
    }
    return TableWithRows(rows);
}

report::ReportPage Page(const RadioImage& image, const ChannelTable& table,
                        const report::SectionFlags& selected, int page, bool chinese) {
    const report::ReportInput input{image, table, chinese ? ChineseTexts() : SourceTexts(),
                                    "Owner"};
    return report::LayOutPage(input, Scale(), report::CountSectionPages(table), selected, page);
}

report::ReportPage SectionAlone(const RadioImage& image, report::Section section, bool chinese,
                                int page, const ChannelTable& table) {
    report::SectionFlags only{};
    only[static_cast<int>(section)] = true;
    return Page(image, table, only, page, chinese);
}

const report::TextItem* FindText(const report::ReportPage& page, const std::string& text) {
    for (const report::TextItem& item : page.texts) {
        if (item.text == text) {
            return &item;
        }
    }
    return nullptr;
}

std::string TextAt(const report::ReportPage& page, int x, int y) {
    for (const report::TextItem& item : page.texts) {
        if (item.x == x && item.y == y) {
            return item.text;
        }
    }
    return "<none>";
}

std::string ValueBeside(const report::ReportPage& page, const std::string& label, int valueX) {
    const report::TextItem* item = FindText(page, label);
    return item ? TextAt(page, valueX, item->y) : "<no label " + label + ">";
}

} // namespace report_test
