// program-cli squelch-read --port DEVICE FILE.dat [-o OUT.dat]: reads the four
// squelch tuning levels into the document and saves it (to OUT, or back to
// FILE). program-cli squelch-write --port DEVICE FILE.dat: writes the
// document's four levels to the radio.

#include "cli/rescue_save.h"
#include "cli/transfer_cli.h"
#include "settings/program_context.h"

namespace {

constexpr const char* kReadUsage =
    "squelch-read --port DEVICE FILE.dat [-o OUT.dat] [--retry N] [--wire-log FILE] [--quiet]";
constexpr const char* kWriteUsage =
    "squelch-write --port DEVICE FILE.dat [--retry N] [--wire-log FILE] [--quiet]";

int RunSquelch(ProgramContext& context, const CommandArgs& args, TransferDirection direction) {
    const bool write = direction == TransferDirection::Write;
    const std::optional<TransferOptions> options = ParseTransferOptions(
        args, write ? kWriteUsage : kReadUsage, {.outputFile = !write, .documentFile = true});
    if (!options) {
        return kExitUsage;
    }
    CliDocument doc(context.band);
    if (const int opened = doc.Open(options->file); opened != kExitOk) {
        return opened;
    }
    if (!write) {
        const std::string& target = options->output.empty() ? options->file : options->output;
        if (const int checked = CheckOutputPath(target); checked != kExitOk) {
            return checked;
        }
    }
    const int code = RunSquelchCommand(direction, *options, doc);
    if (code != kExitOk || write) {
        return code;
    }
    return SaveReadDocument(doc, options->output.empty() ? options->file : options->output);
}

} // namespace

int CmdSquelchRead(ProgramContext& context, const CommandArgs& args) {
    return RunSquelch(context, args, TransferDirection::Read);
}

int CmdSquelchWrite(ProgramContext& context, const CommandArgs& args) {
    return RunSquelch(context, args, TransferDirection::Write);
}
