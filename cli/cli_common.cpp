#include "cli/cli_common.h"

#include "model/channel_codec.h"
#include "model/dat_file.h"
#include "texts_qt/qt_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cctype>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

std::string EscapeControls(std::string_view message) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            line += "\\x";
            line += kHex[byte >> 4];
            line += kHex[byte & 0x0F];
        } else {
            line += c;
        }
    }
    return line;
}

int Fail(ExitCode code, const std::string& message) {
    std::cerr << "program-cli: " << EscapeControls(message) << '\n';
    return code;
}

int UsageFail(const std::string& message, const char* usage) {
    std::cerr << "program-cli: " << EscapeControls(message) << "; usage: program-cli " << usage
              << '\n';
    return kExitUsage;
}

bool ParseNumberOption(const std::string& text, long low, long high, long& value) {
    // from_chars takes no leading spaces or '+'; a first digit is required
    // so that no '-' gets through either, and a leading 0 stays decimal.
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = std::string_view(text).substr(hex ? 2 : 0);
    if (digits.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(digits[0]);
    if ((hex ? std::isxdigit(first) : std::isdigit(first)) == 0) {
        return false;
    }
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, hex ? 16 : 10);
    return error == std::errc() && stop == end && value >= low && value <= high;
}

bool ParseFileEditArgs(const CommandArgs& args, const char* usage, FileEditArgs& parsed) {
    parsed = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !parsed.out.empty()) {
                UsageFail("-o needs one output file", usage);
                return false;
            }
            parsed.out = args[++i];
        } else if (parsed.file.empty()) {
            parsed.file = args[i];
        } else {
            parsed.items.push_back(args[i]);
        }
    }
    if (parsed.file.empty()) {
        UsageFail("no file given", usage);
        return false;
    }
    if (parsed.items.empty()) {
        UsageFail("nothing to change given", usage);
        return false;
    }
    if (parsed.out.empty()) {
        parsed.out = parsed.file;
    }
    return true;
}

int CheckOutputPath(const std::string& path) {
    const FileResult r = CheckSaveTarget(path);
    return r.Ok() ? kExitOk : Fail(kExitFile, r.Message(SourceTexts()));
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

const TextCatalogue* LanguageOption(const std::string& value) {
    const TextCatalogue* texts = nullptr;
    if (value == "en") {
        texts = &SourceTexts();
    } else if (value == "zh") {
        static const QtCatalogue chinese(QString::fromStdString(ProgramFolder()), "Chinese");
        if (!chinese.Loaded()) {
            Fail(kExitUsage, "the Chinese texts (Chinese.qm) are missing beside the program");
            return nullptr;
        }
        texts = &chinese;
    } else {
        return nullptr;
    }
    return texts;
}

CliDocument::CliDocument(BandPlan& bands, const TextCatalogue& texts)
    : m_bands(bands), m_texts(texts) {
    m_doc.SetOpenHook(
        [this](RadioImage& image) { DecodeChannels(image, m_table, m_bands, m_texts.bChinese()); });
    m_doc.SetSaveHook([this](RadioImage& image) { EncodeChannels(m_table, image, m_bands); });
}

void CliDocument::New() {
    m_doc.OnNewDocument("", m_bands, SourceTexts());
    DecodeChannels(m_doc.Image(), m_table, m_bands, m_texts.bChinese());
}

int CliDocument::Open(const std::string& path) {
    const FileResult r = m_doc.OnOpenDocument(path);
    return r.Ok() ? kExitOk : Fail(kExitFile, r.Message(m_texts));
}

int CliDocument::Save(const std::string& path) {
    const FileResult r = m_doc.OnSaveDocument(path);
    return r.Ok() ? kExitOk : Fail(kExitFile, r.Message(m_texts));
}

std::string UserDataFolder() {
    QCoreApplication::setApplicationName(QStringLiteral(PROGRAM_COMMAND));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::cleanPath(data).toStdString();
}
