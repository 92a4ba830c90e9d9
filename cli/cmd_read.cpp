// program-cli read --port DEVICE [--template FILE.dat] -o OUT.dat: reads the
// radio into a document (new, or the template's image, whose password must
// match the radio's), decodes it and saves OUT. OUT is checked for
// writability before the radio is touched and written only after a completed
// read, which is also kept in the radio history; should that save still fail,
// the data is kept elsewhere.

#include "cli/history_cli.h"
#include "cli/rescue_save.h"
#include "cli/transfer_cli.h"
#include "model/channel_codec.h"
#include "settings/program_context.h"

namespace {

constexpr const char* kUsage = "read --port DEVICE [--template FILE.dat] -o OUT.dat [--no-history] "
                               "[--retry N] [--wire-log FILE] [--quiet]";

} // namespace

int CmdRead(ProgramContext& context, const CommandArgs& args) {
    const std::optional<TransferOptions> options = ParseTransferOptions(
        args, kUsage, {.templateFile = true, .outputFile = true, .history = true});
    if (!options) {
        return kExitUsage;
    }
    if (options->output.empty()) {
        return UsageFail("no output file given (-o OUT.dat)", kUsage);
    }
    if (const int code = CheckOutputPath(options->output); code != kExitOk) {
        return code;
    }
    CliDocument doc(context.band);
    if (options->templ.empty()) {
        doc.New();
    } else if (const int opened = doc.Open(options->templ); opened != kExitOk) {
        return opened;
    }
    if (const int code = RunCloneCommand(TransferDirection::Read, *options, doc); code != kExitOk) {
        return code;
    }
    // The history keeps the image as the radio sent it, before the decode
    // rewrites its band code.
    if (!options->noHistory) {
        KeepInHistory(doc.Doc().Image(), "read", SourceTexts());
    }
    DecodeChannels(doc.Doc().Image(), doc.Table(), doc.Bands(), options->texts->bChinese());
    return SaveReadDocument(doc, options->output);
}
