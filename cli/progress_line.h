#pragma once
// The progress of a transfer as the command line prints it: on a terminal one
// line rewritten in place (bar, percentage, rows, elapsed and remaining
// time); elsewhere one line at each tenth of the way.

#include <optional>
#include <string>

// "[##########          ]  50%  95/191 rows  0:05 elapsed  0:05 left". The
// time left is estimated from the pace so far; "-:--" before the first row.
std::string ProgressBarLine(int position, int total, double elapsedSeconds);

// The line for a log or a pipe, "progress 39/191 (20%)", when position has
// reached a tenth of total that previous had not; nothing otherwise.
std::optional<std::string> ProgressTenthLine(int previous, int position, int total);

// Seconds as "m:ss", or "h:mm:ss" from one hour on.
std::string ClockText(long seconds);
