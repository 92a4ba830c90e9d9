// program-cli recode IN.dat OUT.dat: opens IN and saves it as OUT without
// edits, byte for byte what the window would save.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "settings/program_context.h"

int CmdRecode(ProgramContext& context, const CommandArgs& args) {
    constexpr const char* kUsage = "recode IN.dat OUT.dat";
    if (args.size() != 2) {
        return UsageFail("recode needs an input and an output file", kUsage);
    }
    CliDocument doc(context.band);
    if (const int rc = doc.Open(args[0]); rc != kExitOk) {
        return rc;
    }
    return doc.Save(args[1]);
}
