// program-cli export FILE.dat -o OUT.csv [--layout program|generic] [--lang en|zh]:
// writes the channels of FILE.dat as a CSV channel list.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "exchange/channel_import.h"
#include "exchange/csv_file.h"
#include "settings/program_context.h"

namespace {

constexpr const char* kUsage =
    "export FILE.dat -o OUT.csv [--layout program|generic] [--lang en|zh]";

} // namespace

int CmdExport(ProgramContext& context, const CommandArgs& args) {
    std::string file, out;
    exchange::CsvLayout layout = exchange::CsvLayout::Program;
    const TextCatalogue* texts = &SourceTexts();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "-o") {
            if (!hasValue || !out.empty())
                return UsageFail("-o needs one output file", kUsage);
            out = args[++i];
        } else if (args[i] == "--layout") {
            const std::string value = hasValue ? args[++i] : "";
            if (value != "program" && value != "generic")
                return UsageFail("--layout needs program or generic", kUsage);
            layout =
                value == "program" ? exchange::CsvLayout::Program : exchange::CsvLayout::Generic;
        } else if (args[i] == "--lang") {
            if (!hasValue || (texts = LanguageOption(args[++i])) == nullptr)
                return UsageFail("--lang needs en or zh", kUsage);
        } else if (file.empty() && !args[i].starts_with("-")) {
            file = args[i];
        } else {
            return UsageFail("unexpected argument \"" + args[i] + "\"", kUsage);
        }
    }
    if (file.empty() || out.empty())
        return UsageFail(file.empty() ? "no file given" : "-o OUT.csv is missing", kUsage);
    CliDocument doc(context.band, *texts);
    if (const int rc = doc.Open(file); rc != kExitOk)
        return rc;
    const FileResult r =
        exchange::WriteCsvFile(out, exchange::WriteChannelCsv(doc.Table(), layout, *texts));
    return r.Ok() ? kExitOk : Fail(kExitFile, r.Message(*texts));
}
