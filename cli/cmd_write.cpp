// program-cli write --port DEVICE FILE.dat: opens FILE (decoding it as the
// window does) and writes it to the radio, encoding the channel table first.

#include "cli/cli_common.h"
#include "cli/transfer_cli.h"
#include "link/clone_engine.h"
#include "model/channel_codec.h"

namespace {

constexpr const char* kUsage = "write --port DEVICE FILE.dat [--retry N] [--wire-log FILE]";

} // namespace

int CmdWrite(const CommandArgs& args) {
    const std::optional<TransferOptions> options =
        ParseTransferOptions(args, kUsage, false, false, true);
    if (!options) {
        return kExitUsage;
    }
    CliDocument doc;
    if (const int opened = doc.Open(options->file); opened != kExitOk) {
        return opened;
    }

    EnsureCoreApplication();
    CliLink link(options->wireLog);
    if (!link.LogOpen()) {
        return Fail(kExitFile, "cannot write the wire log " + options->wireLog);
    }
    CancelOnInterrupt cancel;
    CliTransferObserver observer(kWriteRows, options->retries);
    RadioImage& image = doc.Doc().Image();
    EncodeChannels(doc.Table(), image);
    CloneEngine engine(link.Link(), observer, cancel.Flag());
    return observer.Finish(
        engine.Run(TransferDirection::Write, PortFromArgument(options->port), image));
}
