// program-cli write --port DEVICE FILE.dat: opens FILE (decoding it as the
// window does) and writes it to the radio, encoding the channel table first.

#include "cli/transfer_cli.h"

namespace {

constexpr const char* kUsage =
    "write --port DEVICE FILE.dat [--retry N] [--wire-log FILE] [--quiet]";

} // namespace

int CmdWrite(const CommandArgs& args) {
    const std::optional<TransferOptions> options =
        ParseTransferOptions(args, kUsage, {.documentFile = true});
    if (!options) {
        return kExitUsage;
    }
    CliDocument doc;
    if (const int opened = doc.Open(options->file); opened != kExitOk) {
        return opened;
    }
    return RunCloneCommand(TransferDirection::Write, *options, doc);
}
