#include "cli/cli_common.h"

#include "model/channel_codec.h"
#include "model/dat_file.h"
#include "model/language.h"

#include <exception>
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
    try {
        std::size_t used = 0;
        value = std::stol(text, &used, 0);
        return used == text.size() && value >= low && value <= high;
    } catch (const std::exception&) {
        return false; // not a number, or beyond a long
    }
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
    return r.Ok() ? kExitOk : Fail(kExitFile, r.message);
}

bool SetLanguageOption(const std::string& value) {
    if (value == "en") {
        g_bChinese = 0;
    } else if (value == "zh") {
        g_bChinese = 1;
    } else {
        return false;
    }
    return true;
}

CliDocument::CliDocument() {
    m_doc.SetOpenHook([this](RadioImage& image) { DecodeChannels(image, m_table); });
    m_doc.SetSaveHook([this](RadioImage& image) { EncodeChannels(m_table, image); });
}

void CliDocument::New() {
    m_doc.OnNewDocument("");
    DecodeChannels(m_doc.Image(), m_table);
}

int CliDocument::Open(const std::string& path) {
    const FileResult r = m_doc.OnOpenDocument(path);
    return r.Ok() ? kExitOk : Fail(kExitFile, r.message);
}

int CliDocument::Save(const std::string& path) {
    const FileResult r = m_doc.OnSaveDocument(path);
    return r.Ok() ? kExitOk : Fail(kExitFile, r.message);
}
