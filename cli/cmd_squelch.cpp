// program-cli squelch-read --port DEVICE FILE.dat [-o OUT.dat]: reads the four
// squelch tuning levels into the document and saves it (to OUT, or back to
// FILE). program-cli squelch-write --port DEVICE FILE.dat: writes the
// document's four levels to the radio.

#include "cli/cli_common.h"
#include "cli/transfer_cli.h"
#include "link/squelch_engine.h"

namespace {

constexpr const char* kReadUsage =
    "squelch-read --port DEVICE FILE.dat [-o OUT.dat] [--retry N] [--wire-log FILE]";
constexpr const char* kWriteUsage =
    "squelch-write --port DEVICE FILE.dat [--retry N] [--wire-log FILE]";

int RunSquelch(const CommandArgs& args, bool write) {
    const char* usage = write ? kWriteUsage : kReadUsage;
    const std::optional<TransferOptions> options =
        ParseTransferOptions(args, usage, false, !write, true);
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
    CliTransferObserver observer(0, options->retries);
    SquelchEngine engine(link.Link(), observer);
    const std::string port = PortFromArgument(options->port);
    RadioImage& image = doc.Doc().Image();
    const int code = observer.Finish(write ? engine.Write(port, image) : engine.Read(port, image));
    if (code != kExitOk || write) {
        return code;
    }
    return doc.Save(options->output.empty() ? options->file : options->output);
}

} // namespace

int CmdSquelchRead(const CommandArgs& args) {
    return RunSquelch(args, false);
}

int CmdSquelchWrite(const CommandArgs& args) {
    return RunSquelch(args, true);
}
