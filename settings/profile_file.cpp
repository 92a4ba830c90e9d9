#include "settings/profile_file.h"

#include "model/dat_file.h"
#include "settings/profile_io.h"
#include "settings/profile_text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

CProfileFile::CProfileFile(int growthStep)
    : m_growthStep(growthStep > 0 ? static_cast<std::size_t>(growthStep) : 1) {}

bool CProfileFile::NamesEqual(const std::string& a, const std::string& b) const {
    return ProfileNamesEqual(a, b, m_ignoreCase);
}

CProfileFile::Section* CProfileFile::FindSection(const std::string& name) {
    const auto it = std::find_if(m_sections.begin(), m_sections.end(),
                                 [&](const Section& s) { return NamesEqual(s.name, name); });
    return it == m_sections.end() ? nullptr : &*it;
}

const CProfileFile::Section* CProfileFile::FindSection(const std::string& name) const {
    return const_cast<CProfileFile*>(this)->FindSection(name);
}

CProfileFile::Section& CProfileFile::AppendSection(const std::string& name) {
    // The table grows by the growth step, or by its own size once it is larger,
    // so that a file of very many sections still loads in linear time.
    if (m_sections.size() == m_sections.capacity()) {
        m_sections.reserve(m_sections.capacity() + std::max(m_growthStep, m_sections.capacity()));
    }
    m_sections.push_back(Section{name, {}, {}});
    return m_sections.back();
}

bool CProfileFile::Load(const std::string& path, bool saveAtEnd, bool ignoreCase,
                        bool backupAtEnd) {
    if (!m_path.empty()) {
        Save(false);
        Clear();
    }
    m_saveAtEnd = saveAtEnd;
    m_ignoreCase = ignoreCase;
    m_backupAtEnd = backupAtEnd;

    // Lines in front of the first header belong to the unnamed section.
    m_path = path;
    AppendSection(std::string());
    const ReadLinesResult result = ReadFileLines(path, [this](std::string_view raw) {
        ProfileLine line = ParseProfileLine(raw);
        if (line.kind == ProfileLine::Kind::Header) {
            AppendSection(line.name);
        } else if (line.kind == ProfileLine::Kind::Entry) {
            Section& current = m_sections.back();
            current.keys.push_back(std::move(line.name));
            current.values.push_back(std::move(line.value));
        }
    });
    if (result == ReadLinesResult::CannotOpen) {
        m_sections.clear();
        m_path.clear();
        return false;
    }
    return result == ReadLinesResult::Done;
}

bool CProfileFile::LoadFromProgramDir(const std::string& programPath, const std::string& fileName,
                                      bool saveAtEnd, bool ignoreCase, bool backupAtEnd) {
    // The directory is everything in front of the program path's last '/',
    // this platform's path separator; a bare program name means the current
    // working directory.
    std::string directory;
    if (const auto slash = programPath.rfind('/'); slash != std::string::npos) {
        directory = programPath.substr(0, slash);
    } else {
        std::error_code ec;
        directory = fs::current_path(ec).string();
    }
    return Load(directory + '/' + fileName, saveAtEnd, ignoreCase, backupAtEnd);
}

std::string CProfileFile::GetValue(const std::string& section, const std::string& key,
                                   const std::string& def) const {
    const Section* s = FindSection(section);
    if (!s) {
        return def;
    }
    for (std::size_t i = s->keys.size(); i-- > 0;) {
        if (NamesEqual(s->keys[i], key)) {
            return CutProfileComment(s->values[i]);
        }
    }
    return std::string(TrimProfileSpace(def));
}

void CProfileFile::SetValue(const std::string& section, const std::string& key,
                            const std::string& value) {
    if (m_path.empty()) {
        return;
    }
    Section* s = FindSection(section);
    if (!s) {
        s = &AppendSection(section);
        m_modified = true;
    }
    for (std::size_t i = s->keys.size(); i-- > 0;) {
        if (NamesEqual(s->keys[i], key)) {
            if (!NamesEqual(s->values[i], value)) {
                m_modified = true;
            }
            s->values[i] = value;
            return;
        }
    }
    s->keys.push_back(key);
    s->values.push_back(value);
    m_modified = true;
}

std::string CProfileFile::Serialize() const {
    std::string text;
    for (std::size_t n = 0; n < m_sections.size(); ++n) {
        const Section& s = m_sections[n];
        // Only the leading unnamed section goes without a header; a later
        // section with an empty name is written "[]" so that its keys do not
        // join the section in front of it when the file is read again.
        if (!s.name.empty() || n > 0) {
            text += '[';
            text += s.name;
            text += "]\r\n";
        }
        for (std::size_t i = 0; i < s.keys.size(); ++i) {
            if (!s.keys[i].empty()) {
                text += s.keys[i];
                text += '=';
            }
            text += s.values[i];
            text += "\r\n";
        }
    }
    // Loading skips a byte-order mark at the start of the file: text that
    // itself starts with those bytes gets one more in front to be skipped.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.insert(0, kByteOrderMark);
    }
    return text;
}

std::string CProfileFile::Save(bool makeBackup) {
    return SaveChanges(makeBackup) == SaveOutcome::Written ? m_backupName : std::string();
}

CProfileFile::SaveOutcome CProfileFile::SaveAtEnd() {
    return m_saveAtEnd ? SaveChanges(m_backupAtEnd) : SaveOutcome::Unchanged;
}

CProfileFile::SaveOutcome CProfileFile::SaveChanges(bool makeBackup) {
    if (!m_modified || m_path.empty()) {
        return SaveOutcome::Unchanged;
    }
    if (makeBackup) {
        if (m_backupName.empty()) {
            MakeBackupName();
        }
        CopyFileReplacing(m_path, m_backupName);
    }
    const std::string text = Serialize();
    if (!WriteFileAtomically(m_path, text.data(), text.size()).Ok()) {
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Written;
}

void CProfileFile::Clear() {
    m_sections.clear();
    m_sections.shrink_to_fit();
    m_path.clear();
    m_modified = false;
}

void CProfileFile::MakeBackupName() {
    if (m_path.empty()) {
        return;
    }
    // Backups share the stem of the file name (the name up to its last ".");
    // the search stays inside the file's own directory.
    const fs::path path(m_path);
    const std::string name = path.filename().string();
    const std::string stem = name.substr(0, name.rfind('.'));
    const unsigned long next = HighestBackupNumber(path.parent_path().string(), stem) + 1;
    char number[32];
    std::snprintf(number, sizeof number, "%.3lu", next);
    m_backupName = m_path + '.' + number;
}

bool CProfileFile::DeleteKey(const std::string& section, const std::string& key) {
    Section* s = FindSection(section);
    if (!s) {
        return false;
    }
    for (std::size_t i = s->keys.size(); i-- > 0;) {
        if (NamesEqual(s->keys[i], key)) {
            s->keys.erase(s->keys.begin() + static_cast<std::ptrdiff_t>(i));
            s->values.erase(s->values.begin() + static_cast<std::ptrdiff_t>(i));
            m_modified = true;
            return true;
        }
    }
    return false;
}

bool CProfileFile::DeleteSection(const std::string& section) {
    const auto it = std::find_if(m_sections.begin(), m_sections.end(),
                                 [&](const Section& s) { return NamesEqual(s.name, section); });
    if (it == m_sections.end()) {
        return false;
    }
    m_sections.erase(it);
    m_modified = true;
    return true;
}

void CProfileFile::GetSectionNames(std::vector<std::string>& names) const {
    for (const Section& s : m_sections) {
        if (!s.name.empty()) {
            names.push_back(s.name);
        }
    }
}

void CProfileFile::GetKeyNames(const std::string& section, std::vector<std::string>& names) const {
    if (const Section* s = FindSection(section)) {
        names.insert(names.end(), s->keys.begin(), s->keys.end());
    }
}

std::string CProfileFile::GetListItem(const std::string& section, const std::string& key, int index,
                                      char separator) const {
    const std::string value = std::string(TrimProfileSpace(GetValue(section, key, std::string())));
    if (value.empty() || value == "(null)" || index < 0) {
        return std::string();
    }
    std::size_t begin = 0;
    for (int item = 0;; ++item) {
        const std::size_t end = value.find(separator, begin);
        if (item == index) {
            const std::size_t length = end == std::string::npos ? std::string::npos : end - begin;
            return std::string(TrimProfileSpace(std::string_view(value).substr(begin, length)));
        }
        if (end == std::string::npos) {
            return std::string();
        }
        begin = end + 1;
    }
}
