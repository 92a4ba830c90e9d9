#pragma once
// CProfileFile: the store for INI-style settings files ("Program.ini").
//
// The whole file is read into memory as sections of key/value lines, kept in
// file order (nothing is ever sorted), answered from memory and written back
// as a whole when something changed. Strings are byte strings as they stand in
// the file (GBK or UTF-8 for Chinese texts); the markers searched for ("=",
// "//", tab + ";", "/*") are all below 0x40, so they never match the second
// byte of a GBK character.
//
// Rules worth knowing when reading settings:
//  - Two sections of the same name: look-ups and changes reach the first.
//  - The same key twice in a section: look-ups and changes reach the last.
//  - Comments (";", "/", "\", "*" at the start of a key) and blank lines are
//    not kept; a comment behind a value stays in the stored value and is cut
//    off by GetValue.

#include <cstddef>
#include <string>
#include <vector>

class CProfileFile {
public:
    // growthStep: the section table grows by at least this many slots at a time.
    explicit CProfileFile(int growthStep);
    // Writes nothing: the owner saves through SaveAtEnd and reports a failure.
    ~CProfileFile() = default;

    CProfileFile(const CProfileFile&) = delete;
    CProfileFile& operator=(const CProfileFile&) = delete;

    // Reads the whole file. A file loaded already is saved (no backup) and
    // cleared first. A missing file is created empty. Returns false when the
    // file cannot be opened (the store stays empty, no path) or when a read
    // error stops the reading (the path and the lines read so far stay).
    // saveAtEnd and backupAtEnd: what SaveAtEnd does for this file.
    bool Load(const std::string& path, bool saveAtEnd, bool ignoreCase, bool backupAtEnd);
    // Loads `fileName` from the directory of the program path (argv[0]); a
    // program path without a directory means the current working directory.
    bool LoadFromProgramDir(const std::string& programPath, const std::string& fileName,
                            bool saveAtEnd, bool ignoreCase, bool backupAtEnd);

    // The value of `key` in the first section named `section`, cut at the
    // first "//", tab + ";" and "/*". Section absent: `def` unchanged; key
    // absent: `def` trimmed of white space.
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& def) const;
    // Changes or adds a value; ignored while no file is loaded. A value that
    // differs from the stored one only as the name comparison allows (case,
    // with ignore case on) replaces it without marking the store modified.
    void SetValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes the whole file when modified: lines end with CR LF, no blank
    // lines, a key that is empty is written as its value alone. The file is
    // replaced atomically (temporary file beside it, then rename). Returns the
    // backup file name (empty when none was ever made); empty when nothing
    // was written.
    std::string Save(bool makeBackup);
    // Save, telling whether the file was written, left as it was (nothing
    // changed) or could not be written.
    enum class SaveOutcome { Unchanged, Written, Failed };
    SaveOutcome SaveChanges(bool makeBackup);
    // The save at the end of the program: when Load asked for save at end,
    // SaveChanges with the backup Load asked for.
    SaveOutcome SaveAtEnd();
    // Drops every section, the path and the modified flag; the backup file
    // name survives.
    void Clear();
    // Computes the backup file name once per store: the path, ".", and one
    // more than the highest number ending a file that shares the path's stem,
    // at least three digits ("Program.ini.001" first).
    void MakeBackupName();

    // Removes the last occurrence of `key` from the first section `section`.
    bool DeleteKey(const std::string& section, const std::string& key);
    // Removes the first section named `section` with all its keys.
    bool DeleteSection(const std::string& section);
    // Appends every non-empty section name, in order.
    void GetSectionNames(std::vector<std::string>& names) const;
    // Appends the key names of the first section `section`, in order.
    void GetKeyNames(const std::string& section, std::vector<std::string>& names) const;
    // Item `index` (from 0) of the value cut at `separator`, trimmed; empty
    // when out of range. The value "(null)" has no items.
    std::string GetListItem(const std::string& section, const std::string& key, int index,
                            char separator) const;

    const std::string& FilePath() const { return m_path; }
    const std::string& BackupName() const { return m_backupName; }
    bool IsModified() const { return m_modified; }
    bool IgnoreCase() const { return m_ignoreCase; }

private:
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;
    };

    bool NamesEqual(const std::string& a, const std::string& b) const;
    Section* FindSection(const std::string& name);
    const Section* FindSection(const std::string& name) const;
    Section& AppendSection(const std::string& name);
    std::string Serialize() const;

    std::vector<Section> m_sections;
    std::string m_path;
    std::string m_backupName;
    std::size_t m_growthStep;
    bool m_modified = false;
    bool m_ignoreCase = true;
    bool m_saveAtEnd = false;
    bool m_backupAtEnd = false;
};
