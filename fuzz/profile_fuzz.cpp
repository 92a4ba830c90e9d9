// Feeds arbitrary bytes to the settings-file reader as a file, then checks
// that saving and reading again gives the same sections, keys and values.

#include "fuzz/fuzz_check.h"
#include "settings/profile_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Memory-backed when there is one: every round saves, and a save flushes to disk.
std::filesystem::path fuzzDirectory() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

const std::string& workFile() {
    static const std::string path =
        (fuzzDirectory() / ("profile_fuzz_" + std::to_string(::getpid()) + ".ini")).string();
    return path;
}

void writeBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, f) == size);
    std::fclose(f);
}

// Every section with its keys and the values that look-ups give.
std::vector<std::string> snapshot(const CProfileFile& profile) {
    std::vector<std::string> out;
    std::vector<std::string> sections{""};
    profile.GetSectionNames(sections);
    for (const std::string& section : sections) {
        out.push_back("[" + section + "]");
        std::vector<std::string> keys;
        profile.GetKeyNames(section, keys);
        for (const std::string& key : keys) {
            out.push_back(key + "=" + profile.GetValue(section, key, "") + "|" +
                          profile.GetListItem(section, key, 1, ','));
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = workFile();
    writeBytes(path, data, size);

    CProfileFile first(4);
    FUZZ_CHECK(first.Load(path, false, true, false));
    const std::vector<std::string> before = snapshot(first);
    // A value read from a file is trimmed, so " " comes back only as the
    // default for an absent section: then the marker section is ours alone.
    if (first.GetValue("fuzz-marker", "k", " ") != " ") {
        first.Clear();
        return 0;
    }
    // A change, so that the store is written back.
    first.SetValue("fuzz-marker", "k", "v");
    first.Save(false);

    CProfileFile second(4);
    FUZZ_CHECK(second.Load(path, false, true, false));
    FUZZ_CHECK(second.DeleteSection("fuzz-marker"));
    FUZZ_CHECK(snapshot(second) == before);
    std::remove(path.c_str());
    return 0;
}
