// program-cli report FILE.dat -o OUT.pdf [--sections LIST] [--lang en|zh]
// [--page A4|Letter]: the report the window prints, written as a PDF file.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "report_qt/report_pdf.h"
#include "settings/profile_file.h"
#include "settings/program_context.h"

#include <QGuiApplication>

#include <filesystem>

#include <optional>

namespace {

constexpr const char* kUsage =
    "report FILE.dat -o OUT.pdf [--sections dtmf,msk,optional,two-tone,channels] "
    "[--lang en|zh] [--page A4|Letter]";

// The footer's owner text: "Copyrights Owner" of the language's section of
// the settings file beside the program, as the window prints it; empty when
// there is no such file (it is only read, never created).
std::string OwnerText(const TextCatalogue& texts) {
    const std::string path =
        QCoreApplication::applicationDirPath().toStdString() + "/Program.ini";
    std::error_code error;
    CProfileFile settings(4);
    if (!std::filesystem::is_regular_file(path, error) || !settings.Load(path, false, true, false)) {
        return {};
    }
    return settings.GetValue(texts.bChinese() ? "Chinese" : "English", "Copyrights Owner", "");
}

struct ReportArgs {
    std::string file;
    std::string out;
    report::SectionFlags sections = report::DefaultSelection();
    QPageSize page{QPageSize::A4};
    const TextCatalogue* texts = &SourceTexts();
};

// Parses args; on a usage error prints it and returns its exit code.
std::optional<int> Parse(const CommandArgs& args, ReportArgs& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o") {
            if (!hasValue) {
                return UsageFail("-o needs a file name", kUsage);
            }
            parsed.out = args[++i];
        } else if (arg == "--sections") {
            const auto sections = hasValue ? report::ParseSectionList(args[i + 1]) : std::nullopt;
            if (!sections) {
                return UsageFail("--sections needs a list of dtmf, msk, optional, two-tone, channels",
                                 kUsage);
            }
            parsed.sections = *sections;
            ++i;
        } else if (arg == "--lang") {
            if (!hasValue || (parsed.texts = LanguageOption(args[i + 1])) == nullptr) {
                return UsageFail("--lang needs en or zh", kUsage);
            }
            ++i;
        } else if (arg == "--page") {
            const std::string value = hasValue ? args[i + 1] : "";
            if (value == "A4") {
                parsed.page = QPageSize(QPageSize::A4);
            } else if (value == "Letter") {
                parsed.page = QPageSize(QPageSize::Letter);
            } else {
                return UsageFail("--page needs A4 or Letter", kUsage);
            }
            ++i;
        } else if (parsed.file.empty() && !arg.starts_with("-")) {
            parsed.file = arg;
        } else {
            return UsageFail("unexpected argument \"" + arg + "\"", kUsage);
        }
    }
    if (parsed.file.empty()) {
        return UsageFail("no file given", kUsage);
    }
    if (parsed.out.empty()) {
        return UsageFail("no output file given (-o OUT.pdf)", kUsage);
    }
    return std::nullopt;
}

} // namespace

int CmdReport(ProgramContext& context, const CommandArgs& args) {
    ReportArgs parsed;
    if (const auto usage = Parse(args, parsed)) {
        return *usage;
    }
    CliDocument doc(context.band, *parsed.texts);
    if (const int rc = doc.Open(parsed.file); rc != kExitOk) {
        return rc;
    }
    const report::SectionPages pages = report::CountSectionPages(doc.Table());
    if (report::JobPageCount(pages, parsed.sections) == 0) {
        return Fail(kExitRefused, "the chosen sections have no page; nothing is written");
    }
    // Fonts need a GUI application, no display: it lives as long as the
    // command, so that the fonts it loaded are released before the program
    // ends.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "program-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const report::ReportInput input{doc.Doc().Image(), doc.Table(), *parsed.texts,
                                    OwnerText(*parsed.texts)};
    const FileResult result = report_qt::WriteReportPdf(parsed.out, input, parsed.sections,
                                                        parsed.page);
    if (!result.Ok()) {
        return Fail(kExitFile, result.Message(*parsed.texts));
    }
    return kExitOk;
}
