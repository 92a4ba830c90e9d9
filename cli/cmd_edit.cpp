// program-cli edit FILE.dat [-o OUT.dat] ROW:COL=TEXT ...: types each TEXT into
// its grid cell and leaves the cell, with the grid's commit rules, in order,
// then saves. A refused entry saves nothing.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "model/cell_commit.h"
#include "model/string_table.h"
#include "settings/program_context.h"

#include <charconv>
#include <iostream>

namespace {

constexpr const char* kUsage = "edit FILE.dat [-o OUT.dat] ROW:COL=TEXT ...";

struct CellEntry {
    int row = 0;
    int col = 0;
    std::string text; // what the cell's editor holds
};

bool ParseNumber(std::string_view s, int low, int high, int& value) {
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    return res.ec == std::errc() && res.ptr == s.data() + s.size() && value >= low && value <= high;
}

enum class EntryParse { Ok, BadForm, NotHeld };

// "ROW:COL=TEXT" with ROW 1..129, COL 1..9, TEXT something the editor holds.
// Text that the cell's editor cannot hold is refused input, like a value
// the commit rules refuse; a malformed entry is a usage error.
EntryParse ParseEntry(const std::string& arg, CellEntry& entry, std::string& error) {
    const std::size_t colon = arg.find(':');
    const std::size_t equals = arg.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon) {
        error = "\"" + arg + "\" is not ROW:COL=TEXT";
        return EntryParse::BadForm;
    }
    const std::string_view view(arg);
    if (!ParseNumber(view.substr(0, colon), 1, kChannelRows, entry.row) ||
        !ParseNumber(view.substr(colon + 1, equals - colon - 1), 1, kChannelColumns, entry.col)) {
        error = "\"" + arg + "\": ROW must be 1..129 and COL 1..9";
        return EntryParse::BadForm;
    }
    // The file keeps no words, only their codes: English words will do.
    const EditorInput input = EditorInputFor(entry.col, view.substr(equals + 1), false);
    if (!input.ok) {
        error = "\"" + arg + "\": " + SourceTexts().Tr(input.reason);
        return EntryParse::NotHeld;
    }
    entry.text = input.text;
    return EntryParse::Ok;
}

} // namespace

int CmdEdit(ProgramContext& context, const CommandArgs& args) {
    FileEditArgs parsed;
    if (!ParseFileEditArgs(args, kUsage, parsed)) {
        return kExitUsage;
    }
    std::vector<CellEntry> entries;
    for (const std::string& item : parsed.items) {
        CellEntry entry;
        std::string error;
        switch (ParseEntry(item, entry, error)) {
        case EntryParse::BadForm:
            return UsageFail(error, kUsage);
        case EntryParse::NotHeld:
            return Fail(kExitRefused, error);
        case EntryParse::Ok:
            break;
        }
        entries.push_back(std::move(entry));
    }
    CliDocument doc(context.band);
    if (const int rc = doc.Open(parsed.file); rc != kExitOk) {
        return rc;
    }
    for (const CellEntry& e : entries) {
        const CommitResult r =
            CommitCellEdit(doc.Table(), doc.Bands(), e.row, e.col, e.text, false);
        if (r.Refused()) {
            std::cerr << StringTableText(r.messageId) << '\n';
            return kExitRefused;
        }
    }
    return doc.Save(parsed.out);
}
