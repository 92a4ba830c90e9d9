// program-cli write --port DEVICE FILE.dat: opens FILE (decoding it as the
// window does) and writes it to the radio, encoding the channel table first;
// --backup reads the radio into the history first, --verify reads it back.

#include "cli/transfer_cli.h"
#include "settings/program_context.h"

namespace {

constexpr const char* kUsage =
    "write --port DEVICE FILE.dat [--verify] [--backup] [--retry N] [--wire-log FILE] [--quiet]";

} // namespace

int CmdWrite(ProgramContext& context, const CommandArgs& args) {
    const std::optional<TransferOptions> options =
        ParseTransferOptions(args, kUsage, {.documentFile = true, .writeSafety = true});
    if (!options) {
        return kExitUsage;
    }
    CliDocument doc(context.band);
    if (const int opened = doc.Open(options->file); opened != kExitOk) {
        return opened;
    }
    return RunCloneCommand(TransferDirection::Write, *options, doc);
}
