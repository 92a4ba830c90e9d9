// program-cli new OUT.dat [--band-code HEX12]: what the window saves for a new
// document saved without edits.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "model/band.h"
#include "settings/program_context.h"

#include <cctype>

namespace {

constexpr const char* kUsage = "new OUT.dat [--band-code HEX12]";

bool ParseBandCode(const std::string& hex, BandCodeBytes& code) {
    if (hex.size() != 2 * code.size()) {
        return false;
    }
    for (char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    for (std::size_t i = 0; i < code.size(); ++i) {
        code[i] = static_cast<std::uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    }
    return true;
}

} // namespace

int CmdNew(ProgramContext& context, const CommandArgs& args) {
    std::string out;
    BandCodeBytes code{}; // all zero, as on a first run
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--band-code") {
            if (i + 1 >= args.size() || !ParseBandCode(args[i + 1], code)) {
                return UsageFail("--band-code needs 12 hexadecimal digits", kUsage);
            }
            ++i;
        } else if (out.empty() && !args[i].starts_with("-")) {
            out = args[i];
        } else {
            return UsageFail("unexpected argument \"" + args[i] + "\"", kUsage);
        }
    }
    if (out.empty()) {
        return UsageFail("no output file given", kUsage);
    }
    context.band.bandCode = code;
    CliDocument doc(context.band);
    doc.New();
    return doc.Save(out);
}
