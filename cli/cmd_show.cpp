// program-cli show FILE.dat [--json] [--lang en|zh]: opens the file and prints
// what the editors would show.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/show_sections.h"
#include "model/blank_text.h"
#include "model/channel_columns.h"
#include "model/gbk.h"
#include "settings/program_context.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <iostream>

namespace {

constexpr const char* kUsage = "show FILE.dat [--json] [--lang en|zh]";

QJsonArray ChannelsJson(const ChannelTable& table) {
    QJsonArray rows;
    for (int row = 1; row <= kChannelRows; ++row) {
        QJsonObject o;
        o.insert("row", QString::fromStdString(ChannelRowLabel(row)));
        for (int col = 1; col <= kChannelColumns; ++col) {
            o.insert(ChannelColumnKey(col), QString::fromStdString(Cell(table, row, col)));
        }
        rows.append(o);
    }
    return rows;
}

QJsonObject SectionsJson(const RadioImage& image, const BandPlan& bands, bool bChinese) {
    QJsonObject out;
    ShowBandSection(image, bands, out);
    for (const fields::SettingsGroup& group : fields::SettingsGroups()) {
        if (group.onCommandLine) {
            ShowGroupSection(group, image, bChinese, out);
        }
    }
    return out;
}

// Pads text to width display columns (a double-byte character takes two).
std::string Pad(const std::string& text, std::size_t width) {
    const std::size_t used = GbkByteLength(text);
    return text + std::string(width > used ? width - used : 0, ' ');
}

void PrintTable(const ChannelTable& table, const QJsonObject& sections,
                const TextCatalogue& texts) {
    // The grid's column headers, without the blanks that pad " W/N ".
    std::string headers[kChannelColumns + 1];
    for (int c = 0; c <= kChannelColumns; ++c) {
        headers[c] = std::string(TrimBlanks(texts.Tr(ColumnHeader(c))));
    }
    // A channel name may hold control characters: shown escaped, as the JSON does.
    const auto cellText = [&table](int row, int c) {
        return c == 0 ? ChannelRowLabel(row) : EscapeControls(Cell(table, row, c));
    };
    std::size_t widths[kChannelColumns + 1];
    for (int c = 0; c <= kChannelColumns; ++c) {
        widths[c] = GbkByteLength(headers[c]);
        for (int row = 1; row <= kChannelRows; ++row) {
            widths[c] = std::max(widths[c], GbkByteLength(cellText(row, c)));
        }
    }
    const auto printLine = [&widths](const auto& columnText) {
        std::string line;
        for (int c = 0; c <= kChannelColumns; ++c) {
            line += Pad(columnText(c), widths[c] + 2);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::cout << line << '\n';
    };
    printLine([&headers](int c) { return headers[c]; });
    for (int row = 1; row <= kChannelRows; ++row) {
        const ChannelTexts& cells = table[static_cast<std::size_t>(row - 1)];
        if (std::all_of(cells.begin(), cells.end(),
                        [](const std::string& t) { return t.empty(); })) {
            continue;
        }
        printLine([&](int c) { return cellText(row, c); });
    }
    std::cout << '\n';
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        // The value's compact JSON: written inside an array, brackets dropped.
        const QByteArray text =
            QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
        std::cout << it.key().toStdString() << ": " << text.toStdString() << '\n';
    }
}

} // namespace

int CmdShow(ProgramContext& context, const CommandArgs& args) {
    std::string path;
    bool json = false;
    const TextCatalogue* texts = &SourceTexts();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--lang") {
            if (i + 1 >= args.size() || (texts = LanguageOption(args[i + 1])) == nullptr) {
                return UsageFail("--lang needs en or zh", kUsage);
            }
            ++i;
        } else if (path.empty() && !args[i].starts_with("-")) {
            path = args[i];
        } else {
            return UsageFail("unexpected argument \"" + args[i] + "\"", kUsage);
        }
    }
    if (path.empty()) {
        return UsageFail("no file given", kUsage);
    }
    CliDocument doc(context.band, *texts);
    if (const int rc = doc.Open(path); rc != kExitOk) {
        return rc;
    }
    QJsonObject sections = SectionsJson(doc.Doc().Image(), doc.Bands(), texts->bChinese());
    if (json) {
        sections.insert("channels", ChannelsJson(doc.Table()));
        const QByteArray text = QJsonDocument(sections).toJson(QJsonDocument::Indented);
        std::cout.write(text.constData(), text.size());
    } else {
        PrintTable(doc.Table(), sections, *texts);
    }
    std::cout.flush();
    return std::cout ? kExitOk : Fail(kExitFile, "cannot write the output");
}
