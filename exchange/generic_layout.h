#pragma once
// The generic channel layout that repeater directories and multi-radio
// programming tools exchange: Location, Name, Frequency, Duplex, Offset,
// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, ... A file needs only
// the Frequency column; every other column that is missing takes its neutral
// value. Frequencies are reckoned in whole 10 Hz units.

#include "exchange/row_proposal.h"

#include <memory>
#include <vector>

namespace exchange {

// The layout's reader when header has a Frequency column, else nullptr.
std::unique_ptr<LayoutRows> GenericLayoutRows(const std::vector<std::string>& header);

// Header and one line per row that holds a channel, so that reading them
// back gives the same channels in the same rows. Besides the usual columns
// a BusyLock column carries what the layout has no column for; it also
// marks the file as this program's, whose Location (row - 1, the Fr row
// 128) names the row on import.
std::vector<std::vector<std::string>> GenericLayoutLines(const ChannelTable& table);

} // namespace exchange
