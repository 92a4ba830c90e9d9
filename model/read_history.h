#pragma once
// The radio history: every completed read kept as a .dat file, named by the
// time it completed, in a folder of the user's own (the window and the
// command line give the folder). Only the newest kKeptReads files are kept;
// files of other names in the folder are never touched.

#include "model/dat_file.h"
#include "model/radio_image.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace history {

using Clock = std::chrono::system_clock;

inline constexpr std::size_t kKeptReads = 50;
// The sub-folder of the per-user data folder that holds the history.
inline constexpr const char* kHistoryFolder = "history";

// "read-20261207-202033-123.dat": the time in UTC to the millisecond.
std::string HistoryFileName(Clock::time_point time);
// The time a history file name stands for; nothing for any other name.
std::optional<Clock::time_point> HistoryFileTime(const std::string& fileName);

struct HistoryEntry {
    std::string path;
    Clock::time_point time;
    std::string band; // the image's two band ranges
    int channels = 0; // channels 1..128 in use
};

// Channels 1..128 that hold a receive frequency.
int ChannelsInUse(const RadioImage& image);

// Saves image in folder (made when missing) as the read that completed at
// time; a file of that name already there moves the time on by a
// millisecond. Then removes the oldest history files beyond kKeptReads.
// savedPath receives the file written.
FileResult SaveRead(const std::string& folder, const RadioImage& image, Clock::time_point time,
                    std::string& savedPath);

// The history files of folder, newest first; files that cannot be read as
// a document are left out. An empty or missing folder gives none.
std::vector<HistoryEntry> ListReads(const std::string& folder);

} // namespace history
