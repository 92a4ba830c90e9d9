// program-cli import FILE.dat IN.csv [-o OUT.dat] [--into-empty] [--strict]:
// reads a CSV channel list into the channel table of FILE.dat, through the
// grid's rules, and saves it. Warnings and skipped rows go to stderr, one
// line each with the line of IN.csv.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "exchange/channel_import.h"
#include "exchange/csv_file.h"
#include "settings/program_context.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr const char* kUsage = "import FILE.dat IN.csv [-o OUT.dat] [--into-empty] [--strict]";

// The warnings and skipped rows, one line each, in the order of the file.
void PrintNotes(const std::string& csv, const std::vector<exchange::ImportNote>& warnings,
                const std::vector<exchange::ImportNote>& skipped, const TextCatalogue& texts) {
    std::vector<std::pair<const exchange::ImportNote*, std::string>> notes;
    for (const exchange::ImportNote& note : warnings)
        notes.emplace_back(&note, texts.Tr("ImportCommand", "warning"));
    for (const exchange::ImportNote& note : skipped)
        notes.emplace_back(&note, texts.Tr("ImportCommand", "skipped"));
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return a.first->line < b.first->line; });
    for (const auto& [note, kind] : notes)
        std::cerr << EscapeControls(csv) << ':' << note->line << ": " << kind << ": "
                  << EscapeControls(note->text) << '\n';
}

} // namespace

int CmdImport(ProgramContext& context, const CommandArgs& args) {
    std::vector<std::string> files;
    std::string out;
    bool intoEmpty = false, strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !out.empty())
                return UsageFail("-o needs one output file", kUsage);
            out = args[++i];
        } else if (args[i] == "--into-empty") {
            intoEmpty = true;
        } else if (args[i] == "--strict") {
            strict = true;
        } else if (files.size() < 2 && !args[i].starts_with("-")) {
            files.push_back(args[i]);
        } else {
            return UsageFail("unexpected argument \"" + args[i] + "\"", kUsage);
        }
    }
    if (files.size() != 2)
        return UsageFail("FILE.dat and IN.csv are needed", kUsage);
    const std::string& dat = files[0];
    const std::string& csv = files[1];
    if (out.empty())
        out = dat;
    // The command speaks English.
    const TextCatalogue& texts = SourceTexts();
    CliDocument doc(context.band);
    if (const int rc = doc.Open(dat); rc != kExitOk)
        return rc;
    std::string text;
    if (const FileResult r = exchange::ReadCsvFile(csv, text); !r.Ok())
        return Fail(kExitFile, r.Message(SourceTexts()));
    const exchange::ChannelImport import = exchange::ReadChannelCsv(text, doc.Bands(), texts);
    if (!import.ok) {
        PrintNotes(csv, import.warnings, import.skipped, texts);
        return Fail(kExitRefused, csv + ": " + import.error);
    }
    const exchange::PlacedChannels placed = exchange::PlaceChannels(
        doc.Table(), import,
        intoEmpty ? exchange::Placement::IntoEmpty : exchange::Placement::Replace, texts);
    const std::vector<exchange::ImportNote> skippedRows = exchange::SkippedRows(import, placed);
    PrintNotes(csv, import.warnings, skippedRows, texts);
    const std::size_t skipped = skippedRows.size();
    if (strict && skipped > 0)
        return Fail(
            kExitRefused,
            csv + ": " +
                FormatText(texts.Tr("ImportCommand", "%1 rows skipped; --strict: nothing written"),
                           {std::to_string(skipped)}));
    doc.Table() = placed.table;
    if (const int rc = doc.Save(out); rc != kExitOk)
        return rc;
    std::cout << FormatText(texts.Tr("ImportCommand", "imported %1 channels, skipped %2 rows"),
                            {std::to_string(placed.placed), std::to_string(skipped)})
              << '\n';
    return kExitOk;
}
