#include "cli/progress_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kBarWidth = 20;

int Clamped(int position, int total) {
    return std::clamp(position, 0, std::max(total, 0));
}

int Percent(int position, int total) {
    return total <= 0 ? 100 : Clamped(position, total) * 100 / total;
}

int Tenth(int position, int total) {
    return total <= 0 ? 10 : Clamped(position, total) * 10 / total;
}

} // namespace

std::string ClockText(long seconds) {
    seconds = std::max(0L, seconds);
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    }
    return text;
}

std::string ProgressBarLine(int position, int total, double elapsedSeconds) {
    const int done = Clamped(position, total);
    const int filled = total <= 0 ? kBarWidth : done * kBarWidth / total;
    std::string left = "-:--";
    if (done > 0) {
        left = ClockText(std::lround(elapsedSeconds * (total - done) / done));
    }
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "] %3d%%  %d/%d rows  ", Percent(position, total), done,
                  total);
    return '[' + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') + numbers +
           ClockText(std::lround(elapsedSeconds)) + " elapsed  " + left + " left";
}

std::optional<std::string> ProgressTenthLine(int previous, int position, int total) {
    if (Tenth(position, total) <= Tenth(previous, total)) {
        return std::nullopt;
    }
    return "progress " + std::to_string(Clamped(position, total)) + '/' + std::to_string(total) +
           " (" + std::to_string(Percent(position, total)) + "%)";
}
