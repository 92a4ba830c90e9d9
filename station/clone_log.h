#pragma once
// The clone log: one CSV row per radio a station dealt with, appended to a
// file that a spreadsheet opens: the time (UTC, ISO 8601), the port, the
// station's radio number, the result keyword, the seconds it took, the
// message and the SHA-256 of the image file, so that the log shows which
// image went into which radio.

#include "station/radio_report.h"

#include <chrono>
#include <fstream>
#include <mutex>
#include <string>

// The log's file in the per-user data folder, where a session keeps it
// unless told otherwise.
inline constexpr char kCloneLogFileName[] = "clone-log.csv";

// "2026-12-08T13:04:05Z".
std::string IsoUtcTime(std::chrono::system_clock::time_point time);

// The header row and a radio's row, each a CSV line with its CRLF.
std::string CloneLogHeader();
std::string CloneLogRow(const RadioReport& report, std::chrono::system_clock::time_point time,
                        const std::string& imageSha256);

// A log file open for appending; the stations' threads may append at once.
class CloneLog {
public:
    // Opens path for appending (its folder is made when missing) and writes
    // the header row when the file is new or empty. False when it cannot.
    bool Open(const std::string& path, std::string& error);
    // Appends the radio's row and flushes it, so that a log cut short by a
    // crash still holds every radio reported. False on a write error.
    bool Append(const RadioReport& report, const std::string& imageSha256);

private:
    std::mutex m_mutex;
    std::ofstream m_file;
};
