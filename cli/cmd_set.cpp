// program-cli set FILE.dat [-o OUT.dat] GROUP.FIELD=VALUE ...: sets controls of
// the settings dialogs as a user would and stores them as the dialog would.
// Only the bytes the changed dialogs own are written; the rest of the file is
// carried over byte for byte. A value no control would accept prints what is
// allowed and writes nothing.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/set_groups.h"
#include "model/dat_file.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr const char* kUsage = "set FILE.dat [-o OUT.dat] GROUP.FIELD=VALUE ...";

struct Assignment {
    std::string group;
    std::string field;
    std::string value;
    const fields::SettingsGroup* settings = nullptr; // the group's dialog
};

// "GROUP.FIELD=VALUE"; "GROUP=VALUE" names the field called like its group
// (side_key=...).
bool ParseAssignment(const std::string& arg, Assignment& assignment) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos || equals == 0) {
        return false;
    }
    const std::string name = arg.substr(0, equals);
    const std::size_t dot = name.find('.');
    if (dot == 0 || dot + 1 == name.size()) {
        return false;
    }
    assignment.group = name.substr(0, dot);
    assignment.field = dot == std::string::npos ? name : name.substr(dot + 1);
    assignment.value = arg.substr(equals + 1);
    return true;
}

} // namespace

int CmdSet(ProgramContext& /*context*/, const CommandArgs& args) {
    std::string file;
    std::string out;
    std::vector<Assignment> assignments;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !out.empty()) {
                return UsageFail("-o needs one output file", kUsage);
            }
            out = args[++i];
        } else if (file.empty()) {
            file = args[i];
        } else {
            Assignment assignment;
            if (!ParseAssignment(args[i], assignment)) {
                return UsageFail("\"" + args[i] + "\" is not GROUP.FIELD=VALUE", kUsage);
            }
            assignment.settings = CommandLineGroup(assignment.group);
            if (assignment.settings == nullptr) {
                return UsageFail("unknown group \"" + assignment.group +
                                     "\" (groups: " + CommandLineGroupNames() + ")",
                                 kUsage);
            }
            assignments.push_back(std::move(assignment));
        }
    }
    if (file.empty()) {
        return UsageFail("no file given", kUsage);
    }
    if (assignments.empty()) {
        return UsageFail("nothing to set", kUsage);
    }
    RadioImage image;
    if (const FileResult r = ReadDatFile(file, image); !r.Ok()) {
        return Fail(kExitFile, r.Message(SourceTexts()));
    }

    // Each dialog is opened once, from the image as read, in the order of
    // first use; all of them store after every value has been accepted.
    std::vector<std::pair<std::string, SetGroup>> opened;
    for (const Assignment& a : assignments) {
        auto it = std::find_if(opened.begin(), opened.end(),
                               [&a](const auto& g) { return g.first == a.group; });
        if (it == opened.end()) {
            opened.emplace_back(a.group, SetGroup(*a.settings, image));
            it = std::prev(opened.end());
        }
        const SetOutcome outcome = it->second.Apply(a.field, a.value);
        const std::string name = a.group + "." + a.field;
        if (outcome.status == SetOutcome::UnknownField) {
            return UsageFail("unknown field \"" + name + "\" (fields: " + outcome.detail + ")",
                             kUsage);
        }
        if (outcome.status == SetOutcome::Refused) {
            return Fail(kExitRefused,
                        name + ": \"" + a.value + "\" is not accepted; allowed: " + outcome.detail);
        }
    }
    for (const auto& group : opened) {
        group.second.Store(image);
    }
    if (const FileResult r = WriteDatFile(out.empty() ? file : out, image); !r.Ok()) {
        return Fail(kExitFile, r.Message(SourceTexts()));
    }
    return kExitOk;
}
