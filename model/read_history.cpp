#include "model/read_history.h"

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/image_layout.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace history {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr const char* kPrefix = "read-";
constexpr const char* kSuffix = ".dat";
// "read-" YYYYMMDD "-" HHMMSS "-" mmm ".dat"
constexpr std::size_t kNameLength = 5 + 8 + 1 + 6 + 1 + 3 + 4;

// The history files of folder, oldest first (the names sort by time).
std::vector<fs::path> HistoryFiles(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (HistoryFileTime(it->path().filename().string()) && it->is_regular_file(error)) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool AllDigits(const std::string& text, std::size_t from, std::size_t count) {
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

int Number(const std::string& text, std::size_t from, std::size_t count) {
    return std::stoi(text.substr(from, count));
}

} // namespace

std::string HistoryFileName(Clock::time_point time) {
    const auto sinceEpoch = std::chrono::duration_cast<milliseconds>(time.time_since_epoch());
    const std::time_t seconds = static_cast<std::time_t>(sinceEpoch.count() / 1000);
    const int millis = static_cast<int>(sinceEpoch.count() % 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d%02d%02d-%02d%02d%02d-%03d%s", kPrefix,
                  utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min,
                  utc.tm_sec, millis, kSuffix);
    return name;
}

std::optional<Clock::time_point> HistoryFileTime(const std::string& name) {
    if (name.size() != kNameLength || !name.starts_with(kPrefix) || !name.ends_with(kSuffix) ||
        name[13] != '-' || name[20] != '-' || !AllDigits(name, 5, 8) || !AllDigits(name, 14, 6) ||
        !AllDigits(name, 21, 3)) {
        return std::nullopt;
    }
    std::tm utc{};
    utc.tm_year = Number(name, 5, 4) - 1900;
    utc.tm_mon = Number(name, 9, 2) - 1;
    utc.tm_mday = Number(name, 11, 2);
    utc.tm_hour = Number(name, 14, 2);
    utc.tm_min = Number(name, 16, 2);
    utc.tm_sec = Number(name, 18, 2);
    const std::tm asGiven = utc;
    const std::time_t seconds = timegm(&utc);
    // timegm carries an impossible date over (31 February); such a name is
    // not one of ours.
    if (seconds == static_cast<std::time_t>(-1) || utc.tm_mday != asGiven.tm_mday ||
        utc.tm_mon != asGiven.tm_mon || utc.tm_hour != asGiven.tm_hour ||
        utc.tm_min != asGiven.tm_min || utc.tm_sec != asGiven.tm_sec) {
        return std::nullopt;
    }
    return Clock::from_time_t(seconds) + milliseconds(Number(name, 21, 3));
}

int ChannelsInUse(const RadioImage& image) {
    int count = 0;
    for (int n = 0; n < layout::kChannelRecordCount - 1; ++n) {
        // Only whether the channel is in use counts, not its words' language.
        const ChannelTexts texts =
            DecodeRecord(image.data() + layout::ChannelRecord(static_cast<std::size_t>(n)), false);
        count += texts[kColRx - 1].empty() ? 0 : 1;
    }
    return count;
}

FileResult SaveRead(const std::string& folder, const RadioImage& image, Clock::time_point time,
                    std::string& savedPath) {
    std::error_code error;
    fs::create_directories(folder, error);
    fs::path path = fs::path(folder) / HistoryFileName(time);
    while (fs::exists(fs::symlink_status(path, error))) {
        time += milliseconds(1);
        path = fs::path(folder) / HistoryFileName(time);
    }
    const FileResult written = WriteDatFile(path.string(), image);
    if (!written.Ok()) {
        return written;
    }
    savedPath = path.string();
    const std::vector<fs::path> files = HistoryFiles(folder);
    for (std::size_t i = 0; i + kKeptReads < files.size(); ++i) {
        fs::remove(files[i], error);
    }
    return written;
}

std::vector<HistoryEntry> ListReads(const std::string& folder) {
    std::vector<HistoryEntry> entries;
    const std::vector<fs::path> files = HistoryFiles(folder);
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        RadioImage image;
        if (!ReadDatFile(it->string(), image).Ok()) {
            continue;
        }
        entries.push_back({it->string(), *HistoryFileTime(it->filename().string()),
                           BandRangeText(image), ChannelsInUse(image)});
    }
    return entries;
}

} // namespace history
