#include "station/clone_log.h"

#include "exchange/csv_text.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

std::string IsoUtcTime(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string CloneLogHeader() {
    return exchange::CsvLine({"time", "port", "radio", "result", "seconds", "message", "sha256"});
}

std::string CloneLogRow(const RadioReport& report, std::chrono::system_clock::time_point time,
                        const std::string& imageSha256) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", report.seconds);
    return exchange::CsvLine({IsoUtcTime(time), report.port, std::to_string(report.radioNumber),
                              ResultKeyword(report.result), seconds, report.message, imageSha256});
}

bool CloneLog::Open(const std::string& path, std::string& error) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const std::filesystem::path file(path);
    std::error_code code;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), code);
    }
    const bool fresh =
        !std::filesystem::exists(file, code) || (std::filesystem::is_regular_file(file, code) &&
                                                 std::filesystem::file_size(file, code) == 0);
    if (std::filesystem::exists(file, code) && !std::filesystem::is_regular_file(file, code)) {
        error = path + ": not a regular file";
        return false;
    }
    m_file.open(file, std::ios::binary | std::ios::app);
    if (!m_file.is_open()) {
        error = path + ": cannot be written";
        return false;
    }
    if (fresh) {
        m_file << CloneLogHeader() << std::flush;
    }
    return m_file.good();
}

bool CloneLog::Append(const RadioReport& report, const std::string& imageSha256) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_file << CloneLogRow(report, std::chrono::system_clock::now(), imageSha256) << std::flush;
    return m_file.good();
}
