// program-cli diff A.dat B.dat [--json]: lists every difference between two
// document files by meaning. Exits 0 when they are equal, 1 when they differ
// and 2 on any error (usage or file), as diff does.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "model/channel_columns.h"
#include "model/dat_file.h"
#include "model/image_compare.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>

namespace {

constexpr const char* kUsage = "diff A.dat B.dat [--json]";

// diff's own exit codes.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

const char* KindName(compare::DifferenceKind kind) {
    switch (kind) {
    case compare::DifferenceKind::Channel:
        return "channel";
    case compare::DifferenceKind::Field:
        return "field";
    case compare::DifferenceKind::Bytes:
        break;
    }
    return "bytes";
}

QJsonObject DifferenceJson(const compare::Difference& d) {
    QJsonObject o;
    o.insert("kind", KindName(d.kind));
    o.insert("place", QString::fromStdString(compare::DifferencePlace(d, SourceTexts())));
    if (d.kind == compare::DifferenceKind::Channel) {
        o.insert("row", QString::fromStdString(ChannelRowLabel(d.row)));
        o.insert("column", ChannelColumnKey(d.column));
    } else if (d.kind == compare::DifferenceKind::Field) {
        o.insert("group", QString::fromStdString(d.group));
        o.insert("field", QString::fromStdString(d.field));
    }
    o.insert("offset", static_cast<double>(d.offset));
    o.insert("size", static_cast<double>(d.size));
    o.insert("a", QString::fromStdString(d.first));
    o.insert("b", QString::fromStdString(d.second));
    return o;
}

} // namespace

int CmdDiff(ProgramContext& /*context*/, const CommandArgs& args) {
    std::vector<std::string> files;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.starts_with("-") || files.size() == 2) {
            UsageFail("unexpected argument \"" + arg + "\"", kUsage);
            return kTrouble;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        UsageFail("two files are needed", kUsage);
        return kTrouble;
    }
    RadioImage images[2];
    for (int i = 0; i < 2; ++i) {
        if (const FileResult read = ReadDatFile(files[static_cast<std::size_t>(i)], images[i]);
            !read.Ok()) {
            Fail(kExitFile, read.Message(SourceTexts()));
            return kTrouble;
        }
    }
    const std::vector<compare::Difference> found =
        compare::CompareImages(images[0], images[1], SourceTexts());
    if (json) {
        QJsonArray list;
        for (const compare::Difference& d : found) {
            list.append(DifferenceJson(d));
        }
        QJsonObject out;
        out.insert("equal", found.empty());
        out.insert("differences", list);
        std::cout << QJsonDocument(out).toJson().toStdString();
    } else {
        // Channel names come from the files: shown escaped.
        for (const compare::Difference& d : found) {
            std::cout << EscapeControls(compare::DescribeDifference(d, SourceTexts())) << '\n';
        }
    }
    return found.empty() ? kSame : kDifferent;
}
